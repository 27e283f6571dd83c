#include <gtest/gtest.h>

#include "gui/graphics/Color.h"

TEST(Color, PlainColoursKeepRedInTheLowByte) {
    EXPECT_EQ(clRed, 255);
    EXPECT_EQ(clGreen, 32768);
    EXPECT_EQ(clAqua, 16776960);
    EXPECT_EQ(RGB(100, 200, 50), 0x32C864);
    EXPECT_EQ(GetRValue(RGB(100, 200, 50)), 100);
    EXPECT_EQ(GetGValue(RGB(100, 200, 50)), 200);
    EXPECT_EQ(GetBValue(RGB(100, 200, 50)), 50);
}

TEST(Color, SystemColoursResolveThroughTheClassicPalette) {
    EXPECT_EQ(clBtnFace, -16777201);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(cl3DLight), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(cl3DDkShadow), RGB(64, 64, 64));
    EXPECT_EQ(ColorToRGB(clWindowFrame), clBlack);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clBackground), RGB(58, 110, 165));
    // An index past the palette is black rather than a read out of bounds.
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
    EXPECT_EQ(ColorToPixel(clBtnFace), 0xFFD4D0C8u);
    EXPECT_EQ(PixelToColor(0xFFD4D0C8u), RGB(212, 208, 200));
}

TEST(Color, NamesRoundTripAndUnnamedColoursHaveNone) {
    for (TColor color : {clBlack, clWhite, clLime, clBtnFace, cl3DDkShadow, clNone}) {
        const auto name = ColorToIdent(color);
        ASSERT_TRUE(name.has_value());
        EXPECT_EQ(IdentToColor(*name), color);
    }
    EXPECT_EQ(ColorToIdent(clBtnFace), "clBtnFace");
    EXPECT_FALSE(ColorToIdent(RGB(1, 2, 3)).has_value());
    EXPECT_EQ(IdentToColor("clbtnface"), clBtnFace);
    EXPECT_FALSE(IdentToColor("clBtn").has_value());
}
