#include "gui/controls/Label.h"

#include <gtest/gtest.h>

#include <string>

#include "ControlsFixture.h"
#include "gui/framework/TestControls.h"
#include "gui/graphics/Canvas.h"
#include "support/PixelProbe.h"

namespace {

class LabelTest : public ControlsFixture {
protected:
    TLabel& NewLabel(const std::string& caption) {
        auto* label = new TLabel(&Form());
        label->SetLeft(8);
        label->SetTop(16);
        label->Font().SetHeight(-11);
        label->Font().SetStyle(FontStyleBit(fsBold));
        label->Font().SetColor(clSilver);
        label->SetCaption(caption);
        label->SetParent(&Form());
        return *label;
    }

    TRect InkOf(const TLabel& label, TColor background) {
        TBitmap area;
        CopyArea(Rendered(), label.BoundsRect(), area);
        return InkBounds(area, background);
    }

    TSize Extent(const TFont& font, const std::string& text) {
        TBitmap scratch;
        scratch.Canvas().Font() = font;
        return scratch.Canvas().TextExtent(text);
    }
};

TEST_F(LabelTest, AutoSizeTakesTheTextExtentAndKeepsThePosition) {
    TLabel& label = NewLabel("СЕТЬ");
    EXPECT_EQ(label.BoundsRect(),
              Bounds(8, 16, Extent(label.Font(), "СЕТЬ").cx, Extent(label.Font(), "СЕТЬ").cy));
    label.Font().SetHeight(-17);
    EXPECT_EQ(label.Height(), Extent(label.Font(), "СЕТЬ").cy) << "a font change re-measures";
    label.SetCaption("");
    EXPECT_GT(label.Height(), 0) << "an empty label keeps one line";
    label.SetAutoSize(false);
    label.SetCaption("НАПРЯЖЕНИЕ В СЕТИ");
    EXPECT_EQ(label.Width(), Extent(label.Font(), " ").cx);
}

TEST_F(LabelTest, FilledUnlessTransparent) {
    TLabel& label = NewLabel("I");
    label.SetAutoSize(false);
    label.SetBounds(20, 20, 60, 30);
    label.SetColor(clYellow);
    EXPECT_EQ(At(78, 48), clYellow);
    EXPECT_EQ(At(80, 48), FormColor);
    label.SetTransparent(true);
    EXPECT_EQ(At(78, 48), FormColor);
    EXPECT_EQ(CountPixels(Rendered(), clYellow), 0);
    EXPECT_GT(CountPixels(Rendered(), clSilver), 0) << "the text is still drawn";
}

TEST_F(LabelTest, AlignmentPlacesTheTextInAWiderLabel) {
    TLabel& label = NewLabel("Ж");
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 180, 20);
    label.SetTransparent(true);
    const TRect left = InkOf(label, FormColor);
    EXPECT_LE(left.Left, 2);
    label.SetAlignment(taRightJustify);
    const TRect right = InkOf(label, FormColor);
    EXPECT_GE(right.Right, 177);
    label.SetAlignment(taCenter);
    const TRect centre = InkOf(label, FormColor);
    EXPECT_NEAR(centre.Left + centre.Right, 180, 3);
    EXPECT_EQ(centre.Width(), left.Width());
}

TEST_F(LabelTest, WordWrapBreaksWithinTheWidth) {
    TLabel& label = NewLabel("ЛАБОРАТОРНЫЙ СТЕНД ГЕНЕРАТОРА");
    const int oneLine = label.Height();
    label.SetAutoSize(false);
    label.SetWidth(label.Width() / 2);
    label.SetWordWrap(true);
    label.SetAutoSize(true);
    EXPECT_GE(label.Height(), 2 * oneLine);
}

TEST_F(LabelTest, DisabledTextIsEngraved) {
    TLabel& label = NewLabel("РЕЖИМ");
    label.SetTransparent(true);
    label.Font().SetColor(clRed);
    label.SetEnabled(false);
    const TBitmap& form = Rendered();
    EXPECT_EQ(CountPixels(form, clRed), 0);
    EXPECT_GT(CountPixels(form, ColorToRGB(clBtnHighlight)), 0);
    EXPECT_GT(CountPixels(form, ColorToRGB(clBtnShadow)), 0);
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControlUnlessPrefixesAreOff) {
    auto* first = new TFilledWindow(&Form(), Bounds(100, 10, 20, 20), clRed);
    auto* target = new TFilledWindow(&Form(), Bounds(100, 40, 20, 20), clBlue);
    first->SetFocus();
    TLabel& label = NewLabel("&Mains");
    label.SetFocusControl(target);
    const int prefixedWidth = label.Width();

    Platform().KeyDown('X', ssAlt);
    EXPECT_TRUE(first->Focused());
    Platform().KeyDown('M', ssAlt);
    EXPECT_TRUE(target->Focused());

    first->SetFocus();
    label.SetShowAccelChar(false);
    EXPECT_GT(label.Width(), prefixedWidth) << "the ampersand is shown";
    Platform().KeyDown('M', ssAlt);
    EXPECT_TRUE(first->Focused());
}

} // namespace
