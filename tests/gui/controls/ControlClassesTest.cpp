#include "gui/controls/ControlClasses.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "gui/controls/Image.h"
#include "gui/controls/Label.h"
#include "gui/controls/SpeedButton.h"
#include "gui/framework/Timer.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "support/DibBuilder.h"
#include "support/JpegEncoder.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr TColor Key = RGB(255, 0, 255);
constexpr TColor Ink = RGB(0, 0, 200);

TColor KeyedLeftColumn(int x, int) {
    return x == 0 ? Key : Ink;
}

std::vector<std::uint8_t> Bmp(int width, int height, TColor (*at)(int, int)) {
    return DibBuilder(width, height, 24)
        .Pixels([&](int x, int y) {
            const TColor color = at(x, y);
            return static_cast<std::uint32_t>(GetRValue(color) << 16 | GetGValue(color) << 8 |
                                              GetBValue(color));
        })
        .Bmp();
}

std::vector<std::uint8_t> Png(int width, int height, TColor (*at)(int, int)) {
    TBitmap bitmap;
    FillPicture(bitmap, width, height, at);
    return bitmap.SaveToPngBytes();
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : bytes)
        text += std::string{Digits[byte >> 4], Digits[byte & 0xF]};
    return text;
}

// A layout for the fixture's form with one picture at (10, 20).
std::string ImageLayout(const std::vector<std::uint8_t>& picture, const std::string& extra = "") {
    return "object Form: TForm\n"
           "  object Image1: TImage\n"
           "    Left = 10\n"
           "    Top = 20\n"
           "    Width = 50\n"
           "    Height = 50\n" +
           extra + "    Picture.Data = {" + Hex(picture) + "}\n  end\nend\n";
}

class ControlClassesTest : public ControlsFixture {
protected:
    ControlClassesTest() { TControlClasses::RegisterAll(); }

    void Read(const std::string& text, const THandlerTable& handlers = {}) {
        TLayoutReader::Read(text, Form(), handlers);
    }
    template <class T> T& Named(const std::string& name) {
        auto* component = dynamic_cast<T*>(Form().FindComponent(name));
        if (!component)
            throw Exception("No component " + name);
        return *component;
    }
};

TEST_F(ControlClassesTest, EveryFrameworkAndControlClassIsKnownByName) {
    for (const char* name : {"TComponent", "TControl", "TWinControl", "TForm", "TTimer", "TFont",
                             "TBitmap", "TImage", "TLabel", "TSpeedButton"})
        EXPECT_NE(TClassRegistry::Instance().FindByName(name), nullptr) << name;
}

TEST_F(ControlClassesTest, PictureDataOfABmpIsAKeyedBitmapThatSizesTheControl) {
    Read(ImageLayout(Bmp(8, 8, KeyedLeftColumn), "    AutoSize = True\n    Transparent = True\n"));
    auto& image = Named<TImage>("Image1");
    EXPECT_EQ(image.BoundsRect(), Bounds(10, 20, 8, 8));
    EXPECT_EQ(At(10, 20), FormColor) << "the bottom-left colour lets the form through";
    EXPECT_EQ(At(11, 27), Ink);
}

TEST_F(ControlClassesTest, PictureDataOfAPngIsNeverKeyed) {
    Read(ImageLayout(Png(8, 8, KeyedLeftColumn), "    Transparent = True\n"));
    EXPECT_EQ(At(10, 20), Key);
    EXPECT_EQ(At(11, 27), Ink);
}

TEST_F(ControlClassesTest, NewPictureDataReplacesThePreparedPicture) {
    Read(ImageLayout(Bmp(2, 2, [](int, int) { return clRed; }), "    Stretch = True\n"));
    EXPECT_EQ(At(30, 40), clRed);
    const std::vector<TLayoutProperty> change = {
        {"Picture.Data", TLayoutValue::OfBytes(Bmp(2, 2, [](int, int) { return clBlue; })), 1}};
    TLayoutReader::ReadObjectProperties(Named<TImage>("Image1"), TControlClasses::Image(), change);
    EXPECT_EQ(At(30, 40), clBlue);
}

TEST_F(ControlClassesTest, PictureDataThatDoesNotDecodeIsAReadErrorOfItsLine) {
    try {
        Read(ImageLayout({'B', 'M', 0, 0}));
        FAIL() << "a broken picture was taken";
    } catch (const EReadError& error) {
        EXPECT_THAT(error.what(), StartsWith("Layout line 7: Picture.Data: "));
    }
    EXPECT_TRUE(Named<TImage>("Image1").Picture().Empty());
}

TEST_F(ControlClassesTest, AWrittenPictureReadsBackAsTheSameKindOfSource) {
    Read(ImageLayout(Bmp(8, 8, KeyedLeftColumn), "    Transparent = True\n"));
    const std::string text = TLayoutWriter::Write(Form());
    EXPECT_THAT(text, HasSubstr("Picture.Data = {\n      424D")) << "a bitmap stays a bitmap";
    delete &Named<TImage>("Image1");
    Read(text);
    EXPECT_EQ(At(10, 20), FormColor);
    EXPECT_EQ(TLayoutWriter::Write(Form()), text);

    const std::vector<std::uint8_t> grey(16 * 16 * 3, 128);
    delete &Named<TImage>("Image1");
    Read(ImageLayout(JpegEncoder(16, 16, JCS_RGB, 3).Encode(grey)));
    EXPECT_THAT(TLayoutWriter::Write(Form()), HasSubstr("Picture.Data = {\n      89504E47"))
        << "anything else is written as PNG";
}

TEST_F(ControlClassesTest, SpeedButtonGlyphAndGroupState) {
    Read("object Form: TForm\n"
         "  object SpeedButton1: TSpeedButton\n"
         "    GroupIndex = 1\n"
         "    Down = True\n"
         "    Caption = 'ОК'\n"
         "    Font.Style = [fsBold]\n"
         "    Glyph.Data = {" +
         Hex(Bmp(16, 8, KeyedLeftColumn)) +
         "}\n"
         "    NumGlyphs = 2\n"
         "  end\n"
         "end\n");
    auto& button = Named<TSpeedButton>("SpeedButton1");
    EXPECT_EQ(button.Parent(), &Form());
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(button.Caption(), "ОК");
    EXPECT_TRUE(button.Font().HasStyle(fsBold));
    EXPECT_EQ(button.Glyph().Width(), 16);
    EXPECT_EQ(button.NumGlyphs(), 2);
}

TEST_F(ControlClassesTest, ALabelFromALayoutSizesItselfAsOneBuiltInCode) {
    Read("object Form: TForm\n"
         "  object Label1: TLabel\n"
         "    Left = 4\n"
         "    Top = 4\n"
         "    Width = 10\n"
         "    Height = 10\n"
         "    Caption = 'Стенд'\n"
         "    Font.Height = -20\n"
         "    Font.Style = [fsBold]\n"
         "  end\n"
         "end\n");
    TLabel built(&Form());
    built.SetBounds(4, 4, 10, 10);
    built.SetCaption("Стенд");
    built.Font().SetHeight(-20);
    built.Font().SetStyle(FontStyleBit(fsBold));
    EXPECT_EQ(Named<TLabel>("Label1").BoundsRect(), built.BoundsRect());
    EXPECT_GT(built.Width(), 10);
}

TEST_F(ControlClassesTest, ATimerFromALayoutTicksIntoItsHandler) {
    int ticks = 0;
    THandlerTable handlers;
    handlers.Add<TNotifyEvent>("Tick", [&](TObject*) { ++ticks; });
    Read("object Form: TForm\n"
         "  object Timer1: TTimer\n"
         "    Interval = 50\n"
         "    OnTimer = Tick\n"
         "  end\n"
         "  object Timer2: TTimer\n"
         "    Enabled = False\n"
         "    OnTimer = Tick\n"
         "  end\n"
         "end\n",
         handlers);
    Platform().AdvanceBy(120);
    EXPECT_EQ(ticks, 2);
}

TEST_F(ControlClassesTest, AFormOfControlsWritesTheSameTextAfterReadingItBack) {
    THandlerTable handlers;
    handlers.Add<TNotifyEvent>("Clicked", [](TObject*) {});
    Read("object Form: TForm\n"
         "  Caption = 'Стенд'\n"
         "  BorderStyle = bsNone\n"
         "  Position = poScreenCenter\n"
         "  object Image1: TImage\n"
         "    Cursor = crHandPoint\n"
         "    Center = True\n"
         "    OnClick = Clicked\n"
         "    Picture.Data = {" +
             Hex(Png(4, 3, KeyedLeftColumn)) +
             "}\n"
             "  end\n"
             "  object Label1: TLabel\n"
             "    Caption = 'Метка'\n"
             "    Transparent = True\n"
             "  end\n"
             "  object SpeedButton1: TSpeedButton\n"
             "    Flat = True\n"
             "    Glyph.Data = {" +
             Hex(Bmp(4, 4, KeyedLeftColumn)) +
             "}\n"
             "  end\n"
             "  object Timer1: TTimer\n"
             "    Interval = 10\n"
             "  end\n"
             "end\n",
         handlers);
    const std::string first = TLayoutWriter::Write(Form());
    TForm& copy = *App().CreateForm<TForm>();
    TLayoutReader::Read(first, copy, handlers);
    EXPECT_EQ(TLayoutWriter::Write(copy), first);
}

TEST_F(ControlClassesTest, AWrappedLabelSizesItselfOnceEverythingIsRead) {
    Read("object Form: TForm\n"
         "  object Label1: TLabel\n"
         "    Width = 100\n"
         "    Caption = 'Лабораторный стенд генератора'\n"
         "    WordWrap = True\n"
         "  end\n"
         "end\n");
    TLabel line(&Form());
    line.SetCaption("Лабораторный");
    const TLabel& label = Named<TLabel>("Label1");
    EXPECT_LE(label.Width(), 100);
    EXPECT_GE(label.Height(), 2 * line.Height());
}

} // namespace
