// stend_screenshot <name|all> <outdir>: renders forms to <outdir>/<name>.png without a display.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/Image.h"
#include "gui/controls/Label.h"
#include "gui/controls/SpeedButton.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Canvas.h"
#include "gui/platform/headless/HeadlessPlatform.h"

namespace {

struct TScreen {
    const char* name;
    std::function<TForm*(TApplication&)> build;
};

// A small vertical wood-brown gradient with darker grain lines; stretched over the form it
// shows whether scaling stays smooth.
void PaintBackdrop(TBitmap& picture) {
    picture.SetSize(48, 36);
    TCanvas& canvas = picture.Canvas();
    for (int y = 0; y < picture.Height(); ++y) {
        const int shade = 40 + y * 2;
        canvas.Brush().SetColor(RGB(static_cast<std::uint8_t>(shade + 50),
                                    static_cast<std::uint8_t>(shade + 15),
                                    static_cast<std::uint8_t>(shade / 2)));
        canvas.FillRect(Rect(0, y, picture.Width(), y + 1));
    }
    canvas.Pen().SetColor(RGB(60, 30, 10));
    for (int y = 4; y < picture.Height(); y += 7) {
        canvas.MoveTo(0, y);
        canvas.LineTo(picture.Width(), y + 2);
    }
}

// A 102 x 37 plaque reading the caption, on a magenta ground that the button keys out.
void PaintPlaqueGlyph(TBitmap& glyph, const std::string& caption) {
    glyph.SetSize(102, 37);
    TCanvas& canvas = glyph.Canvas();
    canvas.Brush().SetColor(clFuchsia);
    canvas.FillRect(Rect(0, 0, 102, 37));
    canvas.Brush().SetColor(RGB(178, 34, 34));
    canvas.Pen().SetColor(RGB(90, 10, 10));
    canvas.RoundRect(3, 2, 99, 35, 18, 18);
    canvas.Font().SetName("MS Sans Serif");
    canvas.Font().SetHeight(-17);
    canvas.Font().SetStyle(FontStyleBit(fsBold));
    canvas.Font().SetColor(clWhite);
    canvas.Brush().SetStyle(bsClear);
    TRect text = Rect(3, 2, 99, 35);
    canvas.DrawText(caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

TLabel* AddLabel(TForm* form, int left, int top, const std::string& caption, int height) {
    auto* label = new TLabel(form);
    label->SetLeft(left);
    label->SetTop(top);
    label->Font().SetName("MS Sans Serif");
    label->Font().SetHeight(-height);
    label->Font().SetStyle(FontStyleBit(fsBold));
    label->Font().SetColor(clSilver);
    label->SetTransparent(true);
    label->SetCaption(caption);
    label->SetParent(form);
    return label;
}

TForm* BuildDemo(TApplication& application) {
    TForm* form = application.CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 451, 353);
    form->SetColor(clBlack);

    auto* backdrop = new TImage(form);
    backdrop->SetBounds(0, 0, 451, 353);
    backdrop->SetStretch(true);
    PaintBackdrop(backdrop->Picture());
    backdrop->SetParent(form);

    AddLabel(form, 8, 16, "СЕТЬ", 11);
    AddLabel(form, 8, 76, "РЕЖИМ ", 11);
    AddLabel(form, 96, 62, "НАПРЯЖЕНИЕ В СЕТИ", 8);
    TLabel* heading = AddLabel(form, 120, 120, "Лабораторный стенд", 17);
    heading->Font().SetColor(clYellow);

    TLabel* filled = AddLabel(form, 120, 160, "&Выход: Alt+В", 11);
    filled->SetTransparent(false);
    filled->Font().SetColor(clWindowText);

    auto* ok = new TSpeedButton(form);
    ok->SetBounds(86, 260, 99, 35);
    ok->SetFlat(true);
    ok->SetLayout(blGlyphTop);
    ok->SetCursor(crHandPoint);
    PaintPlaqueGlyph(ok->Glyph(), "OK");
    ok->SetParent(form);

    auto* no = new TSpeedButton(form);
    no->SetBounds(188, 260, 99, 35);
    no->SetFlat(true);
    no->SetLayout(blGlyphTop);
    no->SetCursor(crHandPoint);
    PaintPlaqueGlyph(no->Glyph(), "НЕТ");
    no->SetEnabled(false);
    no->SetParent(form);

    auto* classic = new TSpeedButton(form);
    classic->SetBounds(300, 260, 120, 35);
    classic->SetCaption("&Справка");
    classic->SetParent(form);
    return form;
}

const std::vector<TScreen>& Screens() {
    static const std::vector<TScreen> screens = {{"demo", BuildDemo}};
    return screens;
}

// Each screen gets an application of its own: there is one application at a time.
void Render(const TScreen& screen, const std::filesystem::path& outDir) {
    auto platform = std::make_unique<THeadlessPlatform>();
    THeadlessPlatform& headless = *platform;
    TApplication application(std::move(platform));
    TForm* form = screen.build(application);
    form->Show();
    const std::filesystem::path path = outDir / (std::string(screen.name) + ".png");
    headless.SaveFormPng(*form, path.string());
    std::printf("%s\n", path.c_str());
}

int Usage() {
    std::fprintf(stderr, "usage: stend_screenshot <name|all> <outdir>\nscreens:");
    for (const TScreen& screen : Screens())
        std::fprintf(stderr, " %s", screen.name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return Usage();
    const std::string wanted = argv[1];
    const std::filesystem::path outDir = argv[2];
    try {
        std::filesystem::create_directories(outDir);
        bool found = false;
        for (const TScreen& screen : Screens()) {
            if (wanted == "all" || wanted == screen.name) {
                Render(screen, outDir);
                found = true;
            }
        }
        return found ? 0 : Usage();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "stend_screenshot: %s\n", error.what());
        return 1;
    }
}
