#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/TextRenderer.h"
#include "support/PixelProbe.h"

namespace {

struct TextPicture {
    TBitmap bitmap;
    TCanvas& canvas;

    TextPicture(int width, int height) : bitmap(width, height), canvas(bitmap.Canvas()) {
        bitmap.Fill(clWhite);
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetName("Arial");
        canvas.Font().SetHeight(-16);
        canvas.Font().SetColor(clBlack);
    }

    TRect Ink() const { return InkBounds(bitmap); }

    TRect Measure(const std::string& text, TRect rect, unsigned format) {
        canvas.DrawText(text, rect, format | DT_CALCRECT);
        return rect;
    }
};

bool Within(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

} // namespace

TEST(CanvasFonts, EveryClassicNameMapsToAFamilyWithCyrillic) {
    const struct {
        const char* name;
        const char* family;
    } fonts[] = {{"MS Sans Serif", "Liberation Sans"},
                 {"Arial", "Liberation Sans"},
                 {"Times New Roman", "Liberation Serif"},
                 {"Sylfaen", "PT Serif"},
                 {"Palatino Linotype", "P052"}};
    const std::string captions[] = {"Стенд",
                                    "Загрузка...",
                                    "Лабораторный стенд",
                                    "ВКЛ",
                                    "ВЫКЛ",
                                    "МЕНЮ",
                                    "ТЕОРИЯ",
                                    "ВЫХОД",
                                    "ВВЕРХ",
                                    "НЕТ",
                                    "OK",
                                    "теория",
                                    "Ёё Йй Ъъ",
                                    "способы возбуждения генератора постоянного тока",
                                    "U = E − IяRя",
                                    "0123456789 V A H I"};
    TextRenderer& renderer = TextRenderer::Instance();
    for (const auto& f : fonts) {
        for (TFontStyles style : {TFontStyles(0), FontStyleBit(fsBold), FontStyleBit(fsItalic)}) {
            TFont font;
            font.SetName(f.name);
            font.SetHeight(-13);
            font.SetStyle(style);
            EXPECT_EQ(renderer.FamilyUsed(font), f.family) << f.name;
            for (const std::string& caption : captions) {
                EXPECT_EQ(renderer.UnknownGlyphs(font, caption), 0) << f.name << ": " << caption;
                EXPECT_TRUE(renderer.FamilyCovers(font, caption)) << f.name << ": " << caption;
            }
            // Greek letters of the formulas come from a fallback family where needed.
            EXPECT_EQ(renderer.UnknownGlyphs(font, "E = cΦn"), 0) << f.name;
        }
    }
}

TEST(CanvasFonts, SizeAndHeightFollowTheClassicConversion) {
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Size(), 12);

    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName("Arial");
    canvas.Font().SetHeight(20);
    EXPECT_NEAR(canvas.TextHeight("Ag"), 20, 1);
    canvas.Font().SetHeight(-20);
    EXPECT_GT(canvas.TextHeight("Ag"), 20);
}

TEST(CanvasFonts, AssigningAFontCopiesAndNotifiesOnce) {
    TFont source;
    source.SetName("Arial");
    source.SetSize(14);
    source.SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsUnderline));
    source.SetColor(clRed);
    TFont target;
    int changes = 0;
    target.OnChange = [&changes](TObject*) { ++changes; };
    target = source;
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(target.SameFace(source));
    EXPECT_EQ(target.Color(), clRed);
    target = source;
    EXPECT_EQ(changes, 1);
}

TEST(CanvasText, TextOutStartsAtTheCellAndMovesThePen) {
    TextPicture p(200, 40);
    p.canvas.TextOut(10, 5, "Стенд");
    const TRect ink = p.Ink();
    const TSize extent = p.canvas.TextExtent("Стенд");
    EXPECT_TRUE(Within(ink, Bounds(10, 5, extent.cx + 1, extent.cy))) << ink.Left << " " << ink.Top;
    EXPECT_EQ(p.canvas.PenPos(), (TPoint{10 + extent.cx, 5}));
}

TEST(CanvasText, SolidBrushFillsTheTextCell) {
    TextPicture p(200, 40);
    p.canvas.Brush().SetStyle(bsSolid);
    p.canvas.Brush().SetColor(clYellow);
    p.canvas.TextOut(10, 5, "ВКЛ");
    const TSize extent = p.canvas.TextExtent("ВКЛ");
    EXPECT_EQ(p.bitmap.Pixel(10, 5), clYellow);
    EXPECT_EQ(p.bitmap.Pixel(10 + extent.cx - 1, 5 + extent.cy - 1), clYellow);
    EXPECT_EQ(p.bitmap.Pixel(10 + extent.cx, 5), clWhite);

    TextPicture hatched(200, 40);
    hatched.canvas.Brush().SetStyle(bsCross);
    hatched.canvas.Brush().SetColor(clYellow);
    hatched.canvas.TextOut(10, 5, "ВКЛ");
    EXPECT_EQ(hatched.bitmap.Pixel(10, 5), clWhite);
}

TEST(CanvasText, SingleLineAlignmentPlacesTheTextInItsRectangle) {
    const TRect box = Rect(20, 10, 180, 70);
    struct Case {
        unsigned format;
        int expectedLeft;
        int expectedTop;
    };
    TextPicture probe(10, 10);
    const TRect size = probe.Measure("Лампа", box, DT_SINGLELINE);
    const int w = size.Width();
    const int h = size.Height();
    const Case cases[] = {
        {DT_SINGLELINE, box.Left, box.Top},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, (box.Left + box.Right - w) / 2,
         (box.Top + box.Bottom - h) / 2},
        {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, box.Right - w, box.Bottom - h},
    };
    for (const Case& c : cases) {
        TextPicture p(200, 80);
        TRect rect = box;
        const int returned = p.canvas.DrawText("Лампа", rect, c.format);
        const TRect cell = Bounds(c.expectedLeft, c.expectedTop, w + 1, h);
        EXPECT_TRUE(Within(p.Ink(), cell)) << "format " << c.format;
        EXPECT_EQ(returned, c.expectedTop + h - box.Top) << "format " << c.format;
    }
}

TEST(CanvasText, VerticalPlacementNeedsSingleLine) {
    TextPicture p(200, 80);
    TRect rect = Rect(0, 0, 200, 80);
    const int height = p.canvas.DrawText("Лампа", rect, DT_VCENTER | DT_BOTTOM);
    EXPECT_EQ(height, p.canvas.TextHeight("Лампа"));
    EXPECT_LT(p.Ink().Bottom, height + 1);
}

TEST(CanvasText, CalcRectMeasuresLinesWithoutDrawing) {
    TextPicture p(300, 100);
    const int lineHeight = p.canvas.TextHeight("A");
    TRect rect = Rect(5, 7, 300, 100);
    const int height = p.canvas.DrawText("Напряжение\nТок", rect, DT_CALCRECT);
    EXPECT_EQ(height, 2 * lineHeight);
    EXPECT_EQ(rect, Rect(5, 7, 5 + p.canvas.TextWidth("Напряжение"), 7 + 2 * lineHeight));
    EXPECT_EQ(p.Ink().Right, -1);

    TRect narrow = Rect(0, 0, p.canvas.TextWidth("способы") + 2, 100);
    const int wrapped =
        p.canvas.DrawText("способы возбуждения генератора", narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(wrapped, 3 * lineHeight);
    EXPECT_EQ(narrow.Width(), p.canvas.TextWidth("возбуждения"));
}

TEST(CanvasText, WordBreakKeepsEveryLineInsideTheRectangle) {
    TextPicture p(120, 200);
    TRect rect = Rect(0, 0, 120, 200);
    const int height = p.canvas.DrawText(
        "Внешняя характеристика генератора с параллельным возбуждением", rect, DT_WORDBREAK);
    EXPECT_GT(height, p.canvas.TextHeight("A"));
    EXPECT_LE(p.Ink().Right, 120);
    EXPECT_GT(p.Ink().Bottom, p.canvas.TextHeight("A"));
}

TEST(CanvasText, AmpersandUnderlinesTheNextCharacterUnlessPrefixesAreOff) {
    TextPicture p(200, 40);
    const TRect whole = Rect(0, 0, 200, 40);
    EXPECT_EQ(p.Measure("&Меню", whole, DT_SINGLELINE).Width(), p.canvas.TextWidth("Меню"));
    EXPECT_EQ(p.Measure("&Меню", whole, DT_SINGLELINE | DT_NOPREFIX).Width(),
              p.canvas.TextWidth("&Меню"));
    EXPECT_EQ(p.Measure("A && B", whole, DT_SINGLELINE).Width(), p.canvas.TextWidth("A & B"));

    TextPicture plain(200, 40);
    TRect rect = whole;
    plain.canvas.DrawText("Меню", rect, DT_SINGLELINE);
    TextPicture underlined(200, 40);
    rect = whole;
    underlined.canvas.DrawText("&Меню", rect, DT_SINGLELINE);
    EXPECT_GT(underlined.Ink().Bottom, plain.Ink().Bottom);
}

TEST(CanvasText, EllipsesShortenWhatDoesNotFit) {
    TextPicture p(300, 40);
    const std::string text = "Лабораторный стенд постоянного тока";
    TRect rect = Rect(0, 0, 100, 40);
    std::string shortened;
    p.canvas.DrawText(text, rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, &shortened);
    ASSERT_GE(shortened.size(), 3u);
    EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
    EXPECT_LE(p.canvas.TextWidth(shortened), 100);
    EXPECT_LE(p.Ink().Right, 100);

    std::string path;
    rect = Rect(0, 0, 150, 40);
    p.canvas.DrawText("C:\\Стенд\\ico\\длинная папка\\Help.chm", rect,
                      DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT, &path);
    EXPECT_NE(path.find("..."), std::string::npos);
    EXPECT_EQ(path.substr(path.size() - 9), "\\Help.chm");

    std::string words;
    rect = Rect(0, 0, p.canvas.TextWidth("Лабораторный стенд..."), 40);
    p.canvas.DrawText(text, rect, DT_SINGLELINE | DT_WORD_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT,
                      &words);
    EXPECT_EQ(words, "Лабораторный стенд...");
}

TEST(CanvasText, TabsExpandOnlyWhenAsked) {
    TextPicture p(300, 40);
    const TRect whole = Rect(0, 0, 300, 40);
    const int plain = p.Measure("a\tb", whole, DT_SINGLELINE).Width();
    const int expanded = p.Measure("a\tb", whole, DT_SINGLELINE | DT_EXPANDTABS).Width();
    EXPECT_EQ(plain, p.canvas.TextWidth("ab"));
    EXPECT_GT(expanded, plain);
    EXPECT_EQ(expanded - p.canvas.TextWidth("b"),
              p.Measure("x\tb", whole, DT_SINGLELINE | DT_EXPANDTABS).Width() -
                  p.canvas.TextWidth("b"));
}

TEST(CanvasText, TextIsClippedToItsRectangleUnlessNoClip) {
    TextPicture p(200, 40);
    TRect rect = Rect(0, 0, 20, 40);
    p.canvas.DrawText("Генератор", rect, DT_SINGLELINE);
    EXPECT_LE(p.Ink().Right, 20);

    TextPicture q(200, 40);
    rect = Rect(0, 0, 20, 40);
    q.canvas.DrawText("Генератор", rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(q.Ink().Right, 20);
}

// Text drawn again comes from the glyphs rendered the first time; it must look exactly as the
// first drawing did, over any background, in any colour, cut by any clip.
TEST(CanvasText, RepeatedTextLooksExactlyAsItsFirstDrawing) {
    struct Case {
        const char* name;
        int height;
        TFontStyles style;
        TColor color;
        const char* text;
    };
    const Case cases[] = {{"MS Sans Serif", -11, 0, clBlack, "0 25 50 75 100"},
                          {"Sylfaen", -29, FontStyleBit(fsBold), clNavy, "A V mA"},
                          {"Arial", -13, FontStyleBit(fsItalic), clRed, "ffi fj Ткань"},
                          {"Times New Roman", 20, 0, clGreen, "Wave AV Ty"}};
    const TRect clips[] = {Rect(0, 0, 240, 60), Rect(13, 9, 101, 47)};
    for (const Case& c : cases) {
        for (int k = 0; k < 2; ++k) {
            // Texts new to the renderer, so that the first picture takes the whole glyph path.
            const std::string said = std::string(c.text) + " (said " + std::to_string(k) + ")";
            const std::string placed = std::string(c.text) + " (placed " + std::to_string(k) + ")";
            // The background alone, then three times the same texts over it.
            TBitmap pictures[4];
            for (int draw = 0; draw < 4; ++draw) {
                TextPicture p(240, 60);
                // Stripes, so that the glyphs' edges blend with changing colours.
                p.canvas.Brush().SetStyle(bsSolid);
                p.canvas.Brush().SetColor(clYellow);
                for (int x = 0; x < 240; x += 6)
                    p.canvas.FillRect(Rect(x, 0, x + 3, 60));
                p.canvas.Brush().SetStyle(bsClear);
                p.canvas.Font().SetName(c.name);
                p.canvas.Font().SetHeight(c.height);
                p.canvas.Font().SetStyle(c.style);
                p.canvas.Font().SetColor(c.color);
                p.canvas.SetClipRect(clips[k]);
                if (draw > 0) {
                    p.canvas.TextOut(7, 11, said);
                    TRect rect = Rect(0, 30, 240, 60);
                    p.canvas.DrawText(placed, rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
                }
                pictures[draw] = p.bitmap;
            }
            EXPECT_NE(CountPixels(pictures[1], clYellow), CountPixels(pictures[0], clYellow));
            for (int draw = 2; draw < 4; ++draw)
                for (int y = 0; y < 60; ++y)
                    for (int x = 0; x < 240; ++x)
                        ASSERT_EQ(pictures[draw].Pixel(x, y), pictures[1].Pixel(x, y))
                            << c.name << " drawn " << draw << " times, at " << x << "," << y;
        }
    }
}
