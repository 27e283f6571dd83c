#include <gtest/gtest.h>

#include <algorithm>

#include "SwitchFixture.h"
#include "widgets/controls/iLedArrow.h"

namespace {

class LedArrow : public SwitchFixture {
protected:
    TiLedArrow* arrow = Place<TiLedArrow>(10, 10, 40, 20);

    std::vector<TPoint> Points() const {
        std::vector<TPoint> points;
        for (const auto& p : arrow->Outline())
            points.push_back(p.Point);
        return points;
    }
};

// The bench's rheostat buttons: 89 x 49, raised, red when pressed.
class BenchArrow : public SwitchFixture {
protected:
    BenchArrow() {
        for (TiLedArrow* a : {right, left}) {
            a->SetBevelStyle(ibsRaised);
            a->SetActiveColor(clRed);
            a->SetInactiveColor(clSilver);
            a->SetArrowBodyLength(40);
            a->SetArrowHeadSize(49);
        }
        left->SetStyle(ilasLeft);
        Settle();
    }

    TiLedArrow* right = Place<TiLedArrow>(300, 100, 89, 49);
    TiLedArrow* left = Place<TiLedArrow>(100, 100, 89, 49);
};

TEST_F(LedArrow, DefaultIsA40By20RightArrow) {
    EXPECT_EQ(arrow->Width(), 40);
    EXPECT_EQ(arrow->Height(), 20);
    EXPECT_EQ(Points(), (std::vector<TPoint>{
                            {40, 10}, {20, 20}, {20, 15}, {0, 15}, {0, 5}, {20, 5}, {20, 0}}));
    EXPECT_EQ(At(*arrow, 10, 10), RGB(0, 85, 0));
    EXPECT_EQ(At(*arrow, 10, 2), Shown(clBtnFace));
}

TEST_F(BenchArrow, ShaftRunsFromTwelveToThirtySevenAndShowsDimmedRedWhenOff) {
    EXPECT_EQ(right->Width(), 89);
    EXPECT_EQ(right->Height(), 49);
    EXPECT_EQ(right->ArrowHeadSize(), 49);
    EXPECT_EQ(right->ArrowBodyLength(), 40);
    EXPECT_EQ(At(*right, 20, 11), Shown(clBtnFace));
    EXPECT_EQ(At(*right, 20, 12), Shown(clBtnHighlight));
    EXPECT_EQ(At(*right, 20, 20), RGB(85, 0, 0));
    EXPECT_EQ(At(*right, 20, 37), Shown(clBtnShadow));
    EXPECT_EQ(At(*right, 20, 38), Shown(clBtnFace));
    // The head's tip at the right edge, the left arrow's at the left edge.
    EXPECT_EQ(At(*right, 85, 24), RGB(85, 0, 0));
    EXPECT_EQ(At(*left, 3, 24), RGB(85, 0, 0));
}

TEST_F(BenchArrow, ClicksAnywhereInTheRectangleReachTheControlEvents) {
    for (TiLedArrow* a : {right, left}) {
        a->OnMouseDown = [&](TObject* sender, TMouseButton, TShiftState, int, int) {
            static_cast<TiLedArrow*>(sender)->SetActive(true);
        };
        a->OnMouseUp = [&](TObject* sender, TMouseButton, TShiftState, int, int) {
            static_cast<TiLedArrow*>(sender)->SetActive(false);
        };
        a->OnClick = [&](TObject*) { events.push_back("click"); };
    }
    // A corner outside the arrow's outline still counts.
    Press(*right, 87, 2);
    Settle();
    EXPECT_TRUE(right->Active());
    EXPECT_EQ(At(*right, 20, 20), clRed);
    Release(*right, 87, 2);
    EXPECT_FALSE(right->Active());
    Click(*left, 85, 45);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "click"}));
}

TEST_F(LedArrow, LoweredBevelDrawsTheLitEdgesInShadow) {
    // The upper head edge from (20, 0) back to the tip is marked lit.
    EXPECT_EQ(At(*arrow, 26, 3), Shown(clBtnShadow));
    arrow->SetBevelStyle(ibsRaised);
    Settle();
    EXPECT_EQ(At(*arrow, 26, 3), Shown(clBtnHighlight));
    arrow->SetBevelStyle(ibsNone);
    Settle();
    EXPECT_EQ(At(*arrow, 26, 3), RGB(0, 85, 0));
}

TEST_F(LedArrow, AutoSizeFollowsStyleAndMeasuresAndHandSizesRescaleIt) {
    arrow->SetStyle(ilasUp);
    EXPECT_EQ(arrow->Width(), 20);
    EXPECT_EQ(arrow->Height(), 40);

    arrow->SetStyle(ilasRight);
    arrow->SetHeight(30);
    EXPECT_EQ(arrow->Width(), 40);
    EXPECT_EQ(arrow->ArrowHeadSize(), 30);
    EXPECT_EQ(arrow->ArrowBodyLength(), 10);

    arrow->SetAutoSize(false);
    arrow->SetBounds(10, 10, 10, 20);
    EXPECT_EQ(arrow->Width(), 20);

    arrow->SetAutoSize(true);
    arrow->SetStyle(ilasUpDown);
    EXPECT_EQ(arrow->Width(), 30);
    EXPECT_EQ(arrow->Height(), 2 * 10 + 2 * 30);
}

TEST_F(LedArrow, EveryAutoSizedStyleFillsItsWidgetExactly) {
    for (TiLedArrowStyle style :
         {ilasRight, ilasLeft, ilasUp, ilasDown, ilasLeftRight, ilasUpDown}) {
        arrow->SetStyle(style);
        const std::vector<TPoint> points = Points();
        const auto [minX, maxX] = std::minmax_element(points.begin(), points.end(),
                                                      [](TPoint a, TPoint b) { return a.X < b.X; });
        const auto [minY, maxY] = std::minmax_element(points.begin(), points.end(),
                                                      [](TPoint a, TPoint b) { return a.Y < b.Y; });
        EXPECT_EQ(minX->X, 0) << int(style);
        EXPECT_EQ(maxX->X, arrow->Width()) << int(style);
        EXPECT_EQ(minY->Y, 0) << int(style);
        EXPECT_EQ(maxY->Y, arrow->Height()) << int(style);
        Settle();
        EXPECT_EQ(At(*arrow, arrow->Width() / 2, arrow->Height() / 2), RGB(0, 85, 0)) << int(style);
    }
}

TEST_F(LedArrow, ALayoutIsTakenAsItStandsWhateverOrderItsValuesComeIn) {
    arrow->SetLoading(true);
    arrow->SetBounds(10, 10, 89, 49);
    arrow->SetStyle(ilasLeft);
    arrow->SetAutoSize(false);
    arrow->SetArrowBodyLength(25);
    arrow->Loaded();
    EXPECT_EQ(arrow->Width(), 89);
    EXPECT_EQ(arrow->Height(), 49);
    EXPECT_EQ(arrow->ArrowHeadSize(), 20);
    EXPECT_EQ(arrow->ArrowBodyLength(), 25);
}

TEST_F(LedArrow, ANegativeBodyIsDrawnBackwardsOverTheHead) {
    arrow->SetAutoSize(false);
    arrow->SetArrowBodyLength(-10);
    Settle();
    EXPECT_EQ(arrow->Width(), 40);
    EXPECT_EQ(At(*arrow, 32, 10), RGB(0, 85, 0));
    EXPECT_EQ(At(*arrow, 10, 10), Shown(clBtnFace));
}

} // namespace
