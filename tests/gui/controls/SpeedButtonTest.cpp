#include "gui/controls/SpeedButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "ControlsFixture.h"
#include "support/PixelProbe.h"

namespace {

constexpr TColor Key = RGB(255, 0, 255);
constexpr TColor Ink = RGB(0, 0, 160);

TColor Unique(int x, int y) {
    return RGB(static_cast<std::uint8_t>(x * 2 + 1), static_cast<std::uint8_t>(y * 6 + 1), 90);
}

// The transparent colour sits in the bottom-left corner, as in a stored glyph.
TColor UniqueKeyed(int x, int y) {
    return x == 0 && y == 36 ? Key : Unique(x, y);
}

// A solid square of ink inside a frame of the key colour.
TColor InkSquare(int x, int y) {
    return x >= 2 && x < 14 && y >= 2 && y < 14 ? Ink : Key;
}

TRect ColorBounds(const TBitmap& bitmap, TColor color) {
    TRect box{bitmap.Width(), bitmap.Height(), -1, -1};
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Pixel(x, y) == color)
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                       std::max(box.Bottom, y + 1)};
        }
    }
    return box;
}

class SpeedButtonTest : public ControlsFixture {
protected:
    TSpeedButton& NewButton(TRect bounds) {
        auto* button = new TSpeedButton(&Form());
        button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        button->SetParent(&Form());
        button->OnClick = [this](TObject*) { ++m_clicks; };
        return *button;
    }

    // The dialog's picture button: a 102 x 37 glyph above an empty caption, 99 x 35.
    TSpeedButton& DialogButton() {
        TSpeedButton& button = NewButton(Bounds(50, 60, 99, 35));
        button.SetFlat(true);
        button.SetLayout(blGlyphTop);
        button.SetCursor(crHandPoint);
        FillPicture(button.Glyph(), 102, 37, UniqueKeyed);
        return button;
    }

    // A flat button whose small glyph leaves its edges bare.
    TSpeedButton& SmallButton() {
        TSpeedButton& button = NewButton(Bounds(20, 20, 40, 30));
        button.SetFlat(true);
        FillPicture(button.Glyph(), 16, 16, InkSquare);
        return button;
    }

    TRect InkOnForm() { return ColorBounds(Rendered(), Ink); }
    int Clicks() const { return m_clicks; }
    // Clicks far enough apart in time that none counts as a double click.
    void ClickApart(TPoint screen) {
        Platform().AdvanceBy(1000);
        Platform().Click(screen);
    }

private:
    int m_clicks = 0;
};

TEST_F(SpeedButtonTest, WideGlyphAboveAnEmptyCaptionStartsOneColumnLeftOfTheButton) {
    DialogButton();
    EXPECT_EQ(At(50, 60), Unique(1, 0));
    EXPECT_EQ(At(148, 60), Unique(99, 0));
    EXPECT_EQ(At(148, 94), Unique(99, 34));
    EXPECT_EQ(At(49, 60), FormColor) << "nothing outside the button";
    EXPECT_EQ(At(50, 95), FormColor);
}

TEST_F(SpeedButtonTest, PressingOffsetsTheContentWhileTheMouseIsOverIt) {
    DialogButton();
    Platform().MouseMove(Screen(100, 70));
    Platform().MouseDown(Screen(100, 70));
    EXPECT_EQ(At(50, 61), Unique(0, 0));
    EXPECT_EQ(At(51, 61), Unique(1, 0));
    Platform().MouseMove(Screen(10, 10));
    EXPECT_EQ(At(50, 60), Unique(1, 0)) << "up again while dragged outside";
    Platform().MouseMove(Screen(100, 70));
    EXPECT_EQ(At(50, 61), Unique(0, 0));
    Platform().MouseUp(Screen(100, 70));
    EXPECT_EQ(At(50, 60), Unique(1, 0));
}

TEST_F(SpeedButtonTest, ClickFiresOnlyWhenReleasedInside) {
    DialogButton();
    Platform().Click(Screen(100, 70));
    EXPECT_EQ(Clicks(), 1);
    Platform().MouseDown(Screen(100, 70));
    Platform().MouseMove(Screen(160, 70));
    Platform().MouseUp(Screen(160, 70));
    EXPECT_EQ(Clicks(), 1);
    Platform().MouseDown(Screen(10, 10));
    Platform().MouseMove(Screen(100, 70));
    Platform().MouseUp(Screen(100, 70));
    EXPECT_EQ(Clicks(), 1) << "a press that began elsewhere is no click";
}

TEST_F(SpeedButtonTest, HandCursorWhileTheMouseIsOverIt) {
    DialogButton();
    Platform().MouseMove(Screen(100, 70));
    EXPECT_EQ(Platform().Cursor(), crHandPoint);
    Platform().MouseMove(Screen(10, 10));
    EXPECT_EQ(Platform().Cursor(), crDefault);
}

TEST_F(SpeedButtonTest, FlatButtonShowsTheFormWhenUpAndAThinEdgeWhenHot) {
    SmallButton();
    EXPECT_EQ(At(20, 20), FormColor);
    EXPECT_EQ(At(59, 49), FormColor);
    EXPECT_EQ(At(32, 27), FormColor) << "the glyph's key colour is see-through";
    EXPECT_EQ(At(34, 29), Ink);
    Platform().MouseMove(Screen(40, 35));
    EXPECT_EQ(At(20, 20), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(59, 49), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(21, 21), FormColor) << "one pixel thin";
    Platform().MouseMove(Screen(100, 100));
    EXPECT_EQ(At(20, 20), FormColor);
}

TEST_F(SpeedButtonTest, FlatButtonSinksWhenPressed) {
    SmallButton();
    const TRect up = InkOnForm();
    Platform().MouseMove(Screen(40, 35));
    Platform().MouseDown(Screen(40, 35));
    EXPECT_EQ(At(20, 20), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(59, 49), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(up.Left + 1, up.Top + 1), Ink);
    EXPECT_EQ(At(up.Left, up.Top + 1), FormColor) << "the glyph moved right";
}

TEST_F(SpeedButtonTest, NonFlatButtonHasARaisedFaceThatSinksWhenPressed) {
    TSpeedButton& button = SmallButton();
    button.SetFlat(false);
    EXPECT_EQ(At(21, 21), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(59, 49), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(At(23, 23), ColorToRGB(clBtnFace));
    Platform().MouseMove(Screen(40, 35));
    EXPECT_EQ(At(21, 21), ColorToRGB(clBtnHighlight)) << "no hot look without Flat";
    Platform().MouseDown(Screen(40, 35));
    EXPECT_EQ(At(20, 20), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(21, 21), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(At(23, 23), ColorToRGB(clBtnFace));
}

TEST_F(SpeedButtonTest, GlyphAndCaptionAreCentredTogetherAlongTheLayout) {
    TSpeedButton& button = NewButton(Bounds(10, 10, 120, 40));
    button.Font().SetColor(clWhite);
    button.SetCaption("ОК");
    FillPicture(button.Glyph(), 16, 16, [](int x, int y) { return x == 0 && y == 15 ? Key : Ink; });
    for (const TButtonLayout layout : {blGlyphLeft, blGlyphRight}) {
        button.SetLayout(layout);
        TBitmap inside;
        CopyArea(Rendered(), Rect(12, 12, 128, 48), inside);
        const TRect content = InkBounds(inside, ColorToRGB(clBtnFace));
        const TRect glyph = ColorBounds(inside, Ink);
        SCOPED_TRACE(layout == blGlyphLeft ? "blGlyphLeft" : "blGlyphRight");
        EXPECT_NEAR(content.Left, inside.Width() - content.Right, 2);
        EXPECT_NEAR(glyph.Top + glyph.Bottom, inside.Height(), 1);
        const bool glyphFirst = layout == blGlyphLeft;
        EXPECT_EQ(glyphFirst ? glyph.Left : glyph.Right, glyphFirst ? content.Left : content.Right);
        TBitmap beside;
        CopyArea(inside,
                 glyphFirst ? Rect(glyph.Right, 0, content.Right, inside.Height())
                            : Rect(content.Left, 0, glyph.Left, inside.Height()),
                 beside);
        const TRect caption = InkBounds(beside, ColorToRGB(clBtnFace));
        const int gap = glyphFirst ? caption.Left : beside.Width() - caption.Right;
        EXPECT_GE(gap, button.Spacing());
        EXPECT_LE(gap, button.Spacing() + 2) << "the caption's own side bearing at most";
    }
}

TEST_F(SpeedButtonTest, DisabledButtonEmbossesItsGlyph) {
    TSpeedButton& button = SmallButton();
    button.SetEnabled(false);
    EXPECT_EQ(CountPixels(Rendered(), Ink), 0);
    EXPECT_EQ(At(34, 29), ColorToRGB(clBtnShadow));
    EXPECT_GT(CountPixels(Rendered(), ColorToRGB(clBtnHighlight)), 0);
    Platform().Click(Screen(40, 35));
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(SpeedButtonTest, GroupedButtonsStayDownOneAtATime) {
    TSpeedButton& first = NewButton(Bounds(10, 10, 30, 30));
    TSpeedButton& second = NewButton(Bounds(50, 10, 30, 30));
    first.SetGroupIndex(1);
    second.SetGroupIndex(1);
    ClickApart(Screen(20, 20));
    EXPECT_TRUE(first.Down());
    ClickApart(Screen(60, 20));
    EXPECT_FALSE(first.Down());
    EXPECT_TRUE(second.Down());
    ClickApart(Screen(60, 20));
    EXPECT_TRUE(second.Down()) << "the last one stays down";
    second.SetAllowAllUp(true);
    ClickApart(Screen(60, 20));
    EXPECT_FALSE(second.Down());
    EXPECT_EQ(Clicks(), 4);
}

TEST_F(SpeedButtonTest, AcceleratorClicks) {
    TSpeedButton& button = NewButton(Bounds(10, 10, 60, 30));
    button.SetCaption("&Yes");
    Platform().KeyDown('N', ssAlt);
    EXPECT_EQ(Clicks(), 0);
    Platform().KeyDown('Y', ssAlt);
    EXPECT_EQ(Clicks(), 1);
}

} // namespace
