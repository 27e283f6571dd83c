#include "gui/controls/Image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "gui/framework/FormCompositor.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/Exception.h"
#include "support/DibBuilder.h"
#include "support/IcoBuilder.h"
#include "support/JpegEncoder.h"

namespace {

constexpr TColor Key = RGB(255, 0, 255);
constexpr TColor Ink = RGB(0, 0, 200);

// Every pixel of a test picture has its own colour, so a pixel on the form tells which picture
// pixel landed there.
TColor Unique(int x, int y) {
    return RGB(static_cast<std::uint8_t>(x * 4 + 1), static_cast<std::uint8_t>(y * 4 + 1), 77);
}

std::uint32_t Rrggbb(TColor color) {
    return static_cast<std::uint32_t>(GetRValue(color) << 16 | GetGValue(color) << 8 |
                                      GetBValue(color));
}

// The key colour fills the left column, the rest is ink.
TColor KeyedLeftColumn(int x, int) {
    return x == 0 ? Key : Ink;
}

std::vector<std::uint8_t> Bmp(int width, int height, const std::function<TColor(int, int)>& at) {
    return DibBuilder(width, height, 24)
        .Pixels([&](int x, int y) { return Rrggbb(at(x, y)); })
        .Bmp();
}

class ImageTest : public ControlsFixture {
protected:
    TImage& NewImage(TRect bounds) {
        auto* image = new TImage(&Form());
        image->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        image->SetParent(&Form());
        return *image;
    }
};

TEST_F(ImageTest, NaturalSizeFromTheTopLeftClippedToTheControl) {
    TImage& image = NewImage(Bounds(10, 20, 30, 15));
    FillPicture(image.Picture(), 50, 40, Unique);
    EXPECT_EQ(At(10, 20), Unique(0, 0));
    EXPECT_EQ(At(39, 34), Unique(29, 14));
    EXPECT_EQ(At(40, 20), FormColor) << "clipped on the right";
    EXPECT_EQ(At(10, 35), FormColor) << "clipped at the bottom";
}

TEST_F(ImageTest, CenterPlacesThePictureInTheMiddleEvenWhenItIsLarger) {
    TImage& image = NewImage(Bounds(0, 0, 30, 20));
    image.SetCenter(true);
    FillPicture(image.Picture(), 10, 6, Unique);
    EXPECT_EQ(At(10, 7), Unique(0, 0));
    EXPECT_EQ(At(19, 12), Unique(9, 5));
    EXPECT_EQ(At(9, 7), FormColor);
    EXPECT_EQ(At(20, 12), FormColor);

    FillPicture(image.Picture(), 40, 30, Unique);
    EXPECT_EQ(At(0, 0), Unique(5, 5));
    EXPECT_EQ(At(29, 19), Unique(34, 24));
}

TEST_F(ImageTest, StretchCoversTheControlSmoothly) {
    const TColor quarters[2][2] = {{clRed, clBlue}, {clLime, clWhite}};
    TImage& image = NewImage(Bounds(5, 5, 40, 40));
    image.SetStretch(true);
    FillPicture(image.Picture(), 2, 2, [&](int x, int y) { return quarters[y][x]; });
    EXPECT_EQ(At(5, 5), clRed);
    EXPECT_EQ(At(44, 5), clBlue);
    EXPECT_EQ(At(5, 44), clLime);
    EXPECT_EQ(At(44, 44), clWhite);
    EXPECT_EQ(At(45, 45), FormColor);
    const TColor middle = At(25, 5);
    EXPECT_NE(middle, clRed) << "scaled with a smooth filter, not the nearest pixel";
    EXPECT_NE(middle, clBlue);
}

TEST_F(ImageTest, ProportionalKeepsTheShapeOfTheStretchedPicture) {
    TImage& image = NewImage(Bounds(0, 0, 40, 40));
    image.SetStretch(true);
    image.SetProportional(true);
    FillPicture(image.Picture(), 20, 10, [](int, int) { return Ink; });
    EXPECT_EQ(At(39, 19), Ink);
    EXPECT_EQ(At(39, 20), FormColor);
}

TEST_F(ImageTest, TransparentBitmapShowsWhatLiesBeneathWhereItHasItsKeyColour) {
    TImage& image = NewImage(Bounds(0, 0, 8, 8));
    image.LoadFromFile(WriteFile("keyed.bmp", Bmp(8, 8, KeyedLeftColumn)));
    EXPECT_EQ(At(0, 3), Key);
    image.SetTransparent(true);
    EXPECT_EQ(At(0, 3), FormColor);
    EXPECT_EQ(At(1, 3), Ink);

    image.SetStretch(true);
    image.SetBounds(0, 0, 80, 80);
    EXPECT_EQ(At(0, 40), FormColor) << "the key survives stretching";
    EXPECT_EQ(At(79, 40), Ink);
}

TEST_F(ImageTest, JpegStaysOpaqueWhenTransparent) {
    const std::vector<std::uint8_t> grey(16 * 16 * 3, 128);
    TImage& image = NewImage(Bounds(0, 0, 16, 16));
    image.LoadFromFile(WriteFile("grey.jpg", JpegEncoder(16, 16, JCS_RGB, 3).Encode(grey)));
    image.SetTransparent(true);
    EXPECT_NE(At(0, 15), FormColor);
    EXPECT_NE(At(8, 8), FormColor);
}

TEST_F(ImageTest, IconKeepsItsAlphaWhateverTransparentSays) {
    // Left half clear, right half opaque ink, one half-transparent column between.
    const auto dib = DibBuilder(8, 8, 32)
                         .Pixels([](int x, int) -> std::uint32_t {
                             const std::uint32_t alpha = x < 4 ? 0 : x == 4 ? 128 : 255;
                             return alpha << 24 | Rrggbb(Ink);
                         })
                         .IconMask([](int, int) { return false; })
                         .Dib();
    TImage& image = NewImage(Bounds(0, 0, 8, 8));
    image.LoadFromFile(WriteFile("lamp.ico", IcoBuilder().Add(8, 8, 32, dib).Build()));
    for (const bool transparent : {false, true}) {
        image.SetTransparent(transparent);
        EXPECT_EQ(At(1, 1), FormColor);
        EXPECT_EQ(At(6, 1), Ink);
        const TColor blend = At(4, 1);
        EXPECT_NEAR(GetBValue(blend), (GetBValue(FormColor) + GetBValue(Ink)) / 2, 2);
    }
}

TEST_F(ImageTest, FailedLoadThrowsAndKeepsThePictureAndItsKind) {
    TImage& image = NewImage(Bounds(0, 0, 8, 8));
    image.LoadFromFile(WriteFile("keyed.bmp", Bmp(8, 8, KeyedLeftColumn)));
    image.SetTransparent(true);
    const std::vector<std::uint8_t> brokenJpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A};
    EXPECT_THROW(image.LoadFromFile(WriteFile("broken.jpg", brokenJpeg)), Exception);
    EXPECT_THROW(image.LoadFromFile(WriteFile("missing.ico", {}) + ".none"), Exception);
    EXPECT_EQ(image.Picture().Width(), 8);
    EXPECT_EQ(At(0, 3), FormColor) << "still keyed as a bitmap";
    EXPECT_EQ(At(1, 3), Ink);
}

TEST_F(ImageTest, ReleasedPixelsComeBackFromTheFileOnlyWhenNeeded) {
    TImage& image = NewImage(Bounds(0, 0, 8, 8));
    image.SetVisible(false);
    image.LoadFromFile(WriteFile("hidden.bmp", Bmp(8, 8, Unique)));
    EXPECT_FALSE(image.PixelsPending()) << "the pixels read to check the file stay";
    image.ReleasePixels();
    Rendered();
    EXPECT_TRUE(image.PixelsPending()) << "never drawn while hidden";
    image.SetVisible(true);
    EXPECT_EQ(At(5, 3), Unique(5, 3));
    EXPECT_FALSE(image.PixelsPending());

    image.LoadFromFile(WriteFile("asked.bmp", Bmp(5, 6, Unique)));
    image.ReleasePixels();
    EXPECT_EQ(image.Picture().Height(), 6) << "asking for the picture decodes it";
    EXPECT_FALSE(image.PixelsPending());
    image.LoadFromFile(WriteFile("replaced.bmp", Bmp(8, 8, KeyedLeftColumn)));
    image.Picture().SetPixel(2, 2, clYellow);
    image.ReleasePixels();
    EXPECT_FALSE(image.PixelsPending()) << "a changed picture no longer matches its file";
    EXPECT_EQ(At(2, 2), clYellow) << "a change to the decoded picture is not lost";
    EXPECT_EQ(At(0, 0), Key);

    image.SetPicture(image.Picture());
    image.ReleasePixels();
    EXPECT_FALSE(image.PixelsPending()) << "an assigned picture has no file to come back from";
}

TEST_F(ImageTest, PreparedPictureFollowsChangesToPictureAndSize) {
    TImage& image = NewImage(Bounds(0, 0, 20, 20));
    image.SetStretch(true);
    image.SetTransparent(true);
    FillPicture(image.Picture(), 4, 4, KeyedLeftColumn);
    EXPECT_EQ(At(19, 10), Ink);
    image.Picture().Canvas().Brush().SetColor(clYellow);
    image.Picture().Canvas().FillRect(Rect(1, 0, 4, 4));
    EXPECT_EQ(At(19, 10), clYellow);
    image.SetWidth(40);
    EXPECT_EQ(At(39, 10), clYellow);
    image.SetTransparent(false);
    EXPECT_EQ(At(0, 10), Key);
}

TEST_F(ImageTest, AutoSizeFollowsThePicture) {
    TImage& image = NewImage(Bounds(7, 9, 100, 100));
    image.SetAutoSize(true);
    image.LoadFromFile(WriteFile("small.bmp", Bmp(37, 23, Unique)));
    EXPECT_EQ(image.BoundsRect(), Bounds(7, 9, 37, 23));
    EXPECT_EQ(At(7 + 36, 9 + 22), Unique(36, 22));
    EXPECT_EQ(At(7 + 37, 9), FormColor) << "the old area is repainted";
}

TEST_F(ImageTest, ASetterRepaintsOnlyWhenTheValueChanges) {
    TImage& image = NewImage(Bounds(0, 0, 20, 20));
    const std::vector<std::function<void(bool)>> setters = {
        [&](bool v) { image.SetStretch(v); }, [&](bool v) { image.SetCenter(v); },
        [&](bool v) { image.SetProportional(v); }, [&](bool v) { image.SetTransparent(v); },
        [&](bool v) { image.SetAutoSize(v); }};
    for (std::size_t i = 0; i < setters.size(); ++i) {
        Rendered();
        setters[i](false);
        EXPECT_FALSE(Form().Compositor().Dirty()) << "setter " << i;
        setters[i](true);
        EXPECT_TRUE(Form().Compositor().Dirty()) << "setter " << i;
    }
}

} // namespace
