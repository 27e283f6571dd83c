#include <gtest/gtest.h>

#include "StackedFormFixture.h"
#include "gui/framework/FormCompositor.h"

namespace {

using CompositorTest = StackedFormFixture;

TEST_F(CompositorTest, GraphicControlsLieBeneathWindowsWhichStackInCreationOrder) {
    EXPECT_EQ(At(20, 20), clRed);
    EXPECT_EQ(At(60, 60), clGreen);
    EXPECT_EQ(At(120, 120), clBlue);
    EXPECT_EQ(At(190, 190), clBlue);
    EXPECT_EQ(At(230, 230), clYellow);
    EXPECT_EQ(At(300, 20), clWhite);
}

TEST_F(CompositorTest, RequestsAreGatheredIntoOnePaintOfTheControlThatAsked) {
    const int lowerPaints = lower->Paints();
    const int upperPaints = upper->Paints();
    const int picturePaints = picture->Paints();
    for (int i = 0; i < 5; ++i)
        lower->Invalidate();
    lower->SetColor(clAqua);
    Platform().AdvanceBy(20);
    EXPECT_EQ(lower->Paints(), lowerPaints + 1);
    EXPECT_EQ(upper->Paints(), upperPaints);
    EXPECT_EQ(picture->Paints(), picturePaints) << "hidden beneath the window that repainted";
    EXPECT_EQ(Platform().TakePresented(), (std::vector<TRect>{Bounds(50, 50, 100, 100)}));
    EXPECT_EQ(At(60, 60), clAqua);
    EXPECT_EQ(At(120, 120), clBlue);
}

TEST_F(CompositorTest, OnlyAnAreaThatNoSingleWindowCoversIsComposedFromTheLayersBeneath) {
    const int picturePaints = picture->Paints();
    form->Compositor().Invalidate(Bounds(60, 60, 30, 30));
    Platform().AdvanceBy(20);
    EXPECT_EQ(picture->Paints(), picturePaints);
    EXPECT_EQ(At(70, 70), clGreen);

    form->Compositor().Invalidate(Bounds(40, 40, 30, 30));
    Platform().AdvanceBy(20);
    EXPECT_EQ(picture->Paints(), picturePaints + 1);
    EXPECT_EQ(At(45, 45), clRed);
    EXPECT_EQ(At(60, 60), clGreen);

    lower->Hide();
    EXPECT_EQ(At(70, 70), clRed);
    EXPECT_EQ(At(120, 70), clWhite);
}

TEST_F(CompositorTest, NothingDirtyMeansNothingPresented) {
    Platform().AdvanceBy(100);
    EXPECT_TRUE(Platform().TakePresented().empty());
}

TEST_F(CompositorTest, APresentedRecordNobodyReadsStaysBoundedAndKeepsTheLatest) {
    const std::size_t frames = 3 * THeadlessPlatform::PresentedKept;
    for (std::size_t i = 0; i < frames; ++i) {
        lower->SetColor(i % 2 == 0 ? clAqua : clGreen);
        Platform().AdvanceBy(20);
    }
    const std::vector<TRect> presented = Platform().TakePresented();
    EXPECT_GE(presented.size(), THeadlessPlatform::PresentedKept);
    EXPECT_LE(presented.size(), 2 * THeadlessPlatform::PresentedKept);
    EXPECT_EQ(presented.back(), Bounds(50, 50, 100, 100));
    lower->SetColor(clBlue);
    Platform().AdvanceBy(20);
    EXPECT_EQ(Platform().TakePresented().size(), 1U) << "a take starts the record afresh";
}

TEST_F(CompositorTest, SeparateAreasStaySeparateAndTouchingOnesMerge) {
    TFormCompositor& compositor = form->Compositor();
    compositor.Invalidate(Bounds(0, 0, 10, 10));
    compositor.Invalidate(Bounds(300, 200, 10, 10));
    compositor.Invalidate(Bounds(10, 0, 10, 10));
    EXPECT_EQ(compositor.Compose(),
              (std::vector<TRect>{Bounds(300, 200, 10, 10), Bounds(0, 0, 20, 10)}));
}

TEST_F(CompositorTest, HidingAndMovingRevealWhatLiesBeneath) {
    upper->Hide();
    EXPECT_EQ(At(120, 120), clGreen);
    EXPECT_EQ(At(190, 190), clYellow);
    upper->Show();
    upper->SetBounds(250, 100, 100, 100);
    EXPECT_EQ(At(120, 120), clGreen);
    EXPECT_EQ(At(260, 110), clBlue);
}

TEST_F(CompositorTest, CaptureBeneathShowsTheLowerLayersAndLeavesTheScreenWhole) {
    TBitmap beneath;
    upper->CaptureBeneath(beneath);
    ASSERT_EQ(beneath.Width(), 100);
    EXPECT_EQ(beneath.Pixel(10, 10), clGreen);
    EXPECT_EQ(beneath.Pixel(60, 10), clWhite);
    EXPECT_EQ(beneath.Pixel(90, 90), clYellow);
    EXPECT_EQ(At(120, 120), clBlue);
}

// Paints what lies beneath it with a black square in the middle, as a transparent widget does.
class TSeeThroughWindow : public TCustomControl {
public:
    TSeeThroughWindow(TForm* form, TRect bounds) : TCustomControl(form) {
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(form);
    }

protected:
    void Paint() override {
        CaptureBeneath(m_beneath);
        Canvas().Draw(0, 0, m_beneath);
        Canvas().Brush().SetColor(clBlack);
        Canvas().FillRect(Bounds(Width() / 2 - 2, Height() / 2 - 2, 4, 4));
    }

private:
    TBitmap m_beneath;
};

TEST_F(CompositorTest, AWindowPaintingWhatLiesBeneathItShowsTheLayersBelowDuringTheSameFrame) {
    new TSeeThroughWindow(form, Bounds(0, 0, 220, 220));
    EXPECT_EQ(At(20, 20), clRed);
    EXPECT_EQ(At(60, 60), clGreen);
    EXPECT_EQ(At(150, 150), clBlue);
    EXPECT_EQ(At(110, 110), clBlack);
    EXPECT_EQ(At(215, 30), clWhite);
    EXPECT_FALSE(form->Compositor().Dirty());
}

TEST_F(CompositorTest, APointIsVisibleOnlyWhenNothingCoversIt) {
    EXPECT_TRUE(lower->PointVisible({5, 5}));
    EXPECT_FALSE(lower->PointVisible({95, 95}));
    EXPECT_TRUE(upper->PointVisible({95, 95}));
    EXPECT_FALSE(upper->PointVisible({100, 5}));

    TForm* cover = App().CreateForm<TForm>();
    cover->SetBounds(0, 0, 80, 80);
    cover->Show();
    EXPECT_FALSE(lower->PointVisible({5, 5}));
    EXPECT_TRUE(lower->PointVisible({40, 40}));
    cover->Hide();
    form->Hide();
    EXPECT_FALSE(lower->PointVisible({5, 5}));
}

TEST_F(CompositorTest, AControlOffTheDesktopIsNotVisibleThere) {
    form->SetBounds(900, 0, 400, 300);
    EXPECT_TRUE(lower->PointVisible({5, 5}));
    upper->SetBounds(200, 100, 100, 100);
    EXPECT_FALSE(upper->PointVisible({95, 5}));
}

} // namespace
