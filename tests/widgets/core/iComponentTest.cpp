#include <gtest/gtest.h>

#include "WidgetFixture.h"
#include "gui/graphics/Exception.h"

using ComponentChange = WidgetFixture;

TEST_F(ComponentChange, EqualValuesAskForNoRepaintAndNewOnesForExactlyOne) {
    widget->SetCount(widget->Count());
    widget->SetCaption("Test");
    widget->SetMaximum(100.0);
    widget->SetNeedleColor(clRed);
    EXPECT_EQ(NewInvalidations(), 0);

    widget->SetCount(7);
    EXPECT_EQ(NewInvalidations(), 1);
    widget->SetCaption("test");
    EXPECT_EQ(NewInvalidations(), 2);
}

TEST_F(ComponentChange, BackGroundChangesMarkTheCacheDirtyButContentChangesDoNot) {
    Platform().Render(*form);
    ASSERT_FALSE(widget->BackGroundChanged());
    widget->SetCount(9);
    EXPECT_FALSE(widget->BackGroundChanged());
    widget->SetMaximum(50);
    EXPECT_TRUE(widget->BackGroundChanged());
}

TEST_F(ComponentChange, ThrottleAllowsOneRepaintPerFrameAndKeepsTheRestPending) {
    widget->SetAutoFrameRate(true);
    Platform().AdvanceBy(100);
    Settle();

    widget->SetCount(1);
    Platform().AdvanceBy(5);
    widget->SetCount(2);
    EXPECT_EQ(NewInvalidations(), 1);

    // The paint of the first request shows the second value: painting draws the current state.
    EXPECT_EQ(widget->Count(), 2);
    Platform().AdvanceBy(20);
    widget->SetCount(3);
    EXPECT_EQ(NewInvalidations(), 2);
}

TEST_F(ComponentChange, EndUpdateFlushesWhatTheThrottleHeldBack) {
    widget->SetAutoFrameRate(true);
    Platform().AdvanceBy(100);
    Settle();
    widget->SetCount(1);
    widget->SetCount(2);
    ASSERT_EQ(NewInvalidations(), 1);
    Platform().AdvanceBy(20);
    widget->EndUpdate();
    EXPECT_EQ(NewInvalidations(), 2);
}

TEST_F(ComponentChange, ZeroFrameRateOrNoThrottleRepaintsEveryChange) {
    widget->SetAutoFrameRate(true);
    widget->SetUpdateFrameRate(0);
    Settle();
    widget->SetCount(1);
    widget->SetCount(2);
    EXPECT_EQ(NewInvalidations(), 2);
    widget->SetAutoFrameRate(false);
    Settle();
    widget->SetCount(3);
    widget->SetCount(4);
    EXPECT_EQ(NewInvalidations(), 2);
}

TEST_F(ComponentChange, UpdateBracketRepaintsOnceAtTheEndAndOnlyWhenSomethingChanged) {
    widget->BeginUpdate();
    widget->SetCount(1);
    widget->SetMaximum(20);
    widget->SetCount(2);
    EXPECT_EQ(NewInvalidations(), 0);
    widget->EndUpdate();
    EXPECT_EQ(NewInvalidations(), 1);

    Settle();
    widget->BeginUpdate();
    widget->SetCount(2);
    widget->EndUpdate();
    EXPECT_EQ(NewInvalidations(), 0);
}

using ComponentGeometry = WidgetFixture;

TEST_F(ComponentGeometry, CentrePointAppliesTheOffsetsAndTheRealOneDoesNot) {
    widget->SetOffsetX(3);
    widget->SetOffsetY(-2);
    EXPECT_EQ(widget->GetCenterPoint(widget->Canvas()), (TPoint{53, 28}));
    EXPECT_EQ(widget->GetCenterPointDouble(), (TRealPoint{50.0, 29.5}));
}

TEST_F(ComponentGeometry, ResizingIsOneBackGroundChangeAndSameBoundsNone) {
    widget->SetBounds(20, 20, 101, 60);
    EXPECT_EQ(NewInvalidations(), 0);
    Platform().Render(*form);
    widget->SetBounds(20, 20, 80, 40);
    EXPECT_TRUE(widget->BackGroundChanged());
    Platform().AdvanceBy(20);
    EXPECT_EQ(widget->Surface().Width(), 80);
    EXPECT_EQ(At(20 + 79, 20 + 39), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(20 + 80, 20 + 40), clWhite);
}

using ComponentPainting = WidgetFixture;

TEST_F(ComponentPainting, BackGroundIsTheColourWithItsBorderUnlessAPictureHasAWidth) {
    widget->SetBorderStyle(ibsLowered);
    widget->SetBackGroundColor(clAqua);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(20, 20), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(30, 30), clAqua);

    // A picture without width is no picture.
    widget->BackGroundPicture()->SetSize(0, 10);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(20, 20), ColorToRGB(clBtnShadow));

    TBitmap picture(2, 2);
    picture.Fill(clYellow);
    widget->SetBackGroundPicture(picture);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(20, 20), clYellow);
    EXPECT_EQ(At(30, 30), clYellow);
}

TEST_F(ComponentPainting, EachPaintGetsAFreshCanvasAndOnPaintDrawsOnTop) {
    std::vector<int> penWidths;
    widget->OnPaint = [&](TObject* sender, TCanvas& canvas) {
        EXPECT_EQ(sender, widget);
        penWidths.push_back(canvas.Pen().Width());
        canvas.Pen().SetWidth(7);
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(Rect(0, 0, 3, 3));
    };
    widget->SetCount(1);
    Platform().AdvanceBy(20);
    widget->SetCount(2);
    Platform().AdvanceBy(20);
    EXPECT_EQ(penWidths, (std::vector<int>{1, 1}));
    EXPECT_EQ(At(21, 21), clBlue);
}

namespace {

// Draws one rectangle and nothing else, so that what it leaves undrawn shows the bitmap it was
// given.
class TSparseWidget : public TiCustomComponent {
public:
    using TiCustomComponent::TiCustomComponent;
    void SetArea(const TRect& value) {
        m_area = value;
        InvalidateChange();
    }

protected:
    void DrawWidget(TCanvas& canvas) override {
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(m_area);
    }

private:
    TRect m_area;
};

} // namespace

TEST_F(ComponentPainting, EachPaintStartsOnAWhitePictureWhateverTheLastOneDrew) {
    auto* sparse = new TSparseWidget(form);
    sparse->SetParent(form);
    sparse->SetBounds(150, 20, 40, 30);
    sparse->SetArea(sparse->ClientRect());
    Platform().AdvanceBy(20);
    ASSERT_EQ(At(150 + 30, 20 + 20), clBlue);
    for (int paint = 0; paint < 2; ++paint) {
        sparse->SetArea(Rect(0, 0, 2 + paint, 2));
        Platform().AdvanceBy(20);
        EXPECT_EQ(At(150 + 30, 20 + 20), clWhite);
        EXPECT_EQ(At(150 + 1, 20 + 1), clBlue);
    }
}

TEST_F(ComponentPainting, AGeneralFailureKeepsThePreviousImageAndReleasesTheLock) {
    widget->SetNeedleColor(clLime);
    Platform().AdvanceBy(20);
    const TColor before = At(20 + 50, 20 + 30);
    ASSERT_EQ(before, clLime);

    widget->OnDraw = [] { throw Exception("Drawing failed"); };
    widget->SetNeedleColor(clBlue);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(20 + 50, 20 + 30), before);
    EXPECT_TRUE(Platform().ErrorMessages().empty());

    widget->OnDraw = nullptr;
    widget->SetCount(3);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(20 + 50, 20 + 30), clBlue);
}

TEST_F(ComponentPainting, OtherFailuresReachTheApplication) {
    widget->OnDraw = [] { throw std::runtime_error("Out of order"); };
    widget->SetCount(3);
    Platform().AdvanceBy(20);
    ASSERT_EQ(Platform().ErrorMessages().size(), 1u);
    widget->OnDraw = nullptr;
    widget->SetCount(4);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(20 + 50, 20 + 30), clRed);
}
