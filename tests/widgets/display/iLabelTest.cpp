#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "DisplayFixture.h"
#include "gui/controls/Image.h"
#include "widgets/display/iLabel.h"
#include "widgets/display/iSevenSegmentInteger.h"

namespace {

TSize TextExtent(const TFont& font, const std::string& text) {
    TBitmap bitmap;
    bitmap.Canvas().Font() = font;
    return bitmap.Canvas().TextExtent(text);
}

// The outermost columns and rows where the shot has exactly this colour, inside the control.
struct TExtent {
    int Left = 1 << 20;
    int Top = 1 << 20;
    int Right = -1;
    int Bottom = -1;
};

class LabelWidget : public DisplayFixture {
protected:
    TiLabel* NewLabel() {
        auto* label = PlaceWidget<TCounting<TiLabel>>(20, 20);
        label->Font().SetHeight(-40);
        label->Font().SetStyle(FontStyleBit(fsBold));
        label->Font().SetColor(clBlack);
        label->SetBackGroundColor(clWhite);
        return label;
    }

    TExtent ExtentOf(const TiLabel& label, TColor color) {
        const TBitmap& shot = Shot();
        TExtent extent;
        for (int y = 0; y < label.Height(); ++y) {
            for (int x = 0; x < label.Width(); ++x) {
                if (shot.Pixel(label.Left() + x, label.Top() + y) != color)
                    continue;
                extent.Left = std::min(extent.Left, x);
                extent.Top = std::min(extent.Top, y);
                extent.Right = std::max(extent.Right, x);
                extent.Bottom = std::max(extent.Bottom, y);
            }
        }
        return extent;
    }

    static int Invalidations(const TiLabel& label) {
        return static_cast<const TCounting<TiLabel>&>(label).Invalidations;
    }
};

} // namespace

TEST_F(LabelWidget, DefaultLabelIsExactlyTheExtentOfItsCaption) {
    auto* label = PlaceWidget<TiLabel>(20, 20);
    EXPECT_EQ(label->Caption(), "iLabel");
    EXPECT_EQ(label->Alignment(), iahLeft);
    EXPECT_EQ(label->BorderStyle(), ilbsNone);
    EXPECT_FALSE(label->TabStop());
    const TSize text = TextExtent(label->Font(), "iLabel");
    EXPECT_EQ(label->Width(), text.cx);
    EXPECT_EQ(label->Height(), text.cy);
}

TEST_F(LabelWidget, SizeAddsFrameMarginsAndShadow) {
    TiLabel* label = NewLabel();
    label->SetCaption("АМПЕРМЕТР");
    const TSize text = TextExtent(label->Font(), "АМПЕРМЕТР");
    label->SetBorderStyle(ilbsSingle);
    label->SetOuterMarginLeft(2);
    label->SetOuterMarginTop(2);
    label->SetOuterMarginRight(2);
    label->SetOuterMarginBottom(2);
    EXPECT_EQ(label->Width(), 2 + 4 + text.cx);
    EXPECT_EQ(label->Height(), 2 + 4 + text.cy);
    label->SetBorderStyle(ilbsRaised);
    EXPECT_EQ(label->Width(), 4 + 4 + text.cx);
    label->SetShadowShow(true);
    label->SetShadowXOffset(-3);
    label->SetShadowYOffset(2);
    EXPECT_EQ(label->Width(), 4 + 4 + text.cx + 3);
    EXPECT_EQ(label->Height(), 4 + 4 + text.cy + 2);

    label->SetAutoSize(false);
    label->SetCaption("R");
    EXPECT_EQ(label->Width(), 4 + 4 + text.cx + 3);
}

TEST_F(LabelWidget, ShadowLiesAtItsOffsetsFromTheTextWhicheverWayTheyPoint) {
    TiLabel* label = NewLabel();
    label->SetCaption("I");
    label->SetShadowColor(clRed);
    label->SetShadowShow(true);
    label->SetShadowXOffset(2);
    label->SetShadowYOffset(3);
    TExtent text = ExtentOf(*label, RGB(0, 0, 0));
    TExtent shadow = ExtentOf(*label, RGB(255, 0, 0));
    EXPECT_EQ(shadow.Right - text.Right, 2);
    EXPECT_EQ(shadow.Bottom - text.Bottom, 3);

    // A negative x offset moves the text instead, so the shadow is still left of it.
    label->SetShadowXOffset(-3);
    label->SetShadowYOffset(2);
    text = ExtentOf(*label, RGB(0, 0, 0));
    shadow = ExtentOf(*label, RGB(255, 0, 0));
    EXPECT_EQ(text.Left - shadow.Left, 3);
    EXPECT_EQ(shadow.Bottom - text.Bottom, 2);
}

TEST_F(LabelWidget, FramesAreDrawnOverTheWholeControl) {
    TiLabel* label = NewLabel();
    label->SetBorderStyle(ilbsSingle);
    const int right = label->Width() - 1;
    const int bottom = label->Height() - 1;
    EXPECT_EQ(At(*label, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(At(*label, right, bottom), RGB(0, 0, 0));
    EXPECT_EQ(At(*label, 1, 1), RGB(255, 255, 255));
    label->SetBorderStyle(ilbsLowered);
    EXPECT_EQ(At(*label, 0, 0), RGB(128, 128, 128));
    EXPECT_EQ(At(*label, label->Width() - 1, label->Height() - 1), RGB(255, 255, 255));
    label->SetBorderStyle(ilbsRaised);
    EXPECT_EQ(At(*label, 0, 0), RGB(212, 208, 200));
    EXPECT_EQ(At(*label, label->Width() - 1, label->Height() - 1), RGB(64, 64, 64));
}

TEST_F(LabelWidget, AlignmentPlacesTheLineInsideTheMargins) {
    TiLabel* label = NewLabel();
    label->SetCaption("I");
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 200, 60);
    label->SetOuterMarginLeft(10);
    label->SetOuterMarginRight(10);
    const int left = ExtentOf(*label, RGB(0, 0, 0)).Left;
    EXPECT_LT(left, 30);
    EXPECT_GE(left, 10);
    label->SetAlignment(iahRight);
    const int right = ExtentOf(*label, RGB(0, 0, 0)).Right;
    EXPECT_GT(right, 170);
    EXPECT_LT(right, 190);
    label->SetAlignment(iahCenter);
    const TExtent centred = ExtentOf(*label, RGB(0, 0, 0));
    EXPECT_NEAR((centred.Left + centred.Right) / 2.0, 100, 4);
    EXPECT_NEAR((centred.Top + centred.Bottom) / 2.0, 30, 6);
}

TEST_F(LabelWidget, SameCaptionRepaintsOnceAndAVetoKeepsTheOldTextAndSize) {
    TiLabel* label = NewLabel();
    Shot();
    label->SetAutoSize(false);
    const int before = Invalidations(*label);
    label->SetCaption("ВОЛЬТМЕТР");
    label->SetCaption("ВОЛЬТМЕТР");
    EXPECT_EQ(Invalidations(*label), before + 1);

    label->SetAutoSize(true);
    const int width = label->Width();
    label->OnBeforeChange = [](TObject*, const std::string& name, bool& allow) {
        allow = name != "Caption";
    };
    label->SetCaption("U");
    EXPECT_EQ(label->Caption(), "ВОЛЬТМЕТР");
    EXPECT_EQ(label->Width(), width);
}

TEST_F(LabelWidget, FontChangesResizeAndRepaint) {
    TiLabel* label = NewLabel();
    Shot();
    const int width = label->Width();
    const int before = Invalidations(*label);
    label->Font().SetColor(clNavy);
    EXPECT_EQ(label->Width(), width);
    EXPECT_GT(Invalidations(*label), before);
    label->Font().SetHeight(-20);
    EXPECT_LT(label->Width(), width);
    TFont big;
    big.SetHeight(-60);
    label->SetFont(big);
    EXPECT_EQ(label->Font().Height(), -60);
    EXPECT_GT(label->Width(), width);
}

TEST_F(LabelWidget, AmpersandIsLiteralUntilTheLabelHasAControlToFocus) {
    TiLabel* label = NewLabel();
    label->SetCaption("&U");
    EXPECT_EQ(label->Width(), TextExtent(label->Font(), "&U").cx);
    auto* target = PlaceWidget<TiSevenSegmentInteger>(200, 200);
    EXPECT_FALSE(label->DialogChar(U'u'));

    label->SetFocusControl(target);
    EXPECT_TRUE(label->DialogChar(U'u'));
    EXPECT_EQ(form->ActiveControl(), target);
    EXPECT_FALSE(label->DialogChar(U'x'));
    label->SetEnabled(false);
    EXPECT_FALSE(label->DialogChar(U'u'));
}

TEST_F(LabelWidget, AFreedFocusControlIsForgotten) {
    TiLabel* label = NewLabel();
    label->SetCaption("&U");
    auto* target = PlaceWidget<TiSevenSegmentInteger>(200, 200);
    label->SetFocusControl(target);
    delete target;
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_FALSE(label->DialogChar(U'u'));
}

TEST_F(LabelWidget, TransparentLabelShowsTheFormsPictureBehindItsTextAndKeepsItsFrame) {
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(0, 0, 300, 200);
    TBitmap picture(300, 200);
    picture.Fill(clTeal);
    image->SetPicture(picture);
    TiLabel* label = NewLabel();
    label->SetBorderStyle(ilbsSingle);
    label->SetBackGroundColor(clYellow);
    label->SetTransparent(true);
    EXPECT_EQ(At(*label, 2, 2), RGB(0, 128, 128));
    EXPECT_EQ(At(*label, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(ExtentOf(*label, RGB(255, 255, 0)).Right, -1);
    EXPECT_GE(ExtentOf(*label, RGB(0, 0, 0)).Right, 1);
}

TEST_F(LabelWidget, ALabelReadFromALayoutKeepsItsStoredSize) {
    auto& label = Load<TiLabel>(R"(object Form1: TForm
  object iLabel5: TiLabel
    Left = 678
    Top = 230
    Width = 97
    Height = 37
    Caption = 'U'
    BorderStyle = ilbsSingle
    Font.Height = -24
    Font.Name = 'Palatino Linotype'
    Font.Style = [fsBold]
    Transparent = True
  end
end
)",
                                "iLabel5");
    EXPECT_EQ(label.Width(), 97);
    EXPECT_EQ(label.Height(), 37);
    EXPECT_EQ(label.Caption(), "U");
    EXPECT_EQ(label.Font().Height(), -24);
}
