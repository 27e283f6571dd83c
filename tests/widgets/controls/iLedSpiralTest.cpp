#include <gtest/gtest.h>

#include <functional>

#include "SwitchFixture.h"
#include "gui/controls/ControlClasses.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/controls/SwitchClasses.h"
#include "widgets/controls/iLedSpiral.h"
#include "widgets/core/Numeric.h"

namespace {

class LedSpiral : public SwitchFixture {
protected:
    LedSpiral() {
        // The bench's motor spiral.
        motor->SetPositionMax(33);
        motor->SetCurrentMax(33);
        motor->SetSegmentCount(33);
        motor->SetSegmentSize(2);
        motor->SetSegmentWidth(15);
        motor->SetOuterMargin(10);
        motor->SetStyle(ilssPointer);
        motor->SetSectionColor1(clYellow);
        Settle();
    }

    // The middle of bar i, where its colour shows.
    TColor BarColor(const TiLedSpiral& spiral, int i) {
        const double angle = spiral.StartDegrees() - i * spiral.StepDegrees();
        const double radius = spiral.OuterRadius() - spiral.SegmentWidth() / 2.0;
        const TPoint p = RealPointToPoint(PolarPointReal(
            TRealPoint{(spiral.Width() - 1) / 2.0, (spiral.Height() - 1) / 2.0}, radius, angle));
        return At(spiral, p.X, p.Y);
    }
    std::vector<int> LitBars(const TiLedSpiral& spiral, TColor lit) {
        std::vector<int> bars;
        for (int i = 0; i < spiral.SegmentCount(); ++i)
            if (BarColor(spiral, i) == lit)
                bars.push_back(i);
        return bars;
    }

    TiLedSpiral* plain = Place<TiLedSpiral>(10, 10, 110, 110);
    TiLedSpiral* motor = Place<TiLedSpiral>(200, 10, 169, 161);
};

TEST_F(LedSpiral, HalfwayLightsSixteenBarsClockwiseFromNineOClock) {
    plain->SetPosition(50);
    Settle();
    EXPECT_EQ(plain->LitCount(), 16);
    std::vector<int> expected;
    for (int i = 0; i < 16; ++i)
        expected.push_back(i);
    EXPECT_EQ(LitBars(*plain, clLime), expected);
    EXPECT_EQ(BarColor(*plain, 16), DimColor(clLime, 3));
    EXPECT_EQ(BarColor(*plain, 31), DimColor(clLime, 3));
    // Bar 0 at 9 o'clock, bar 8 at 12 o'clock.
    EXPECT_EQ(At(*plain, 10, 54), clLime);
    EXPECT_EQ(At(*plain, 54, 10), clLime);
}

TEST_F(LedSpiral, TheMotorSpiralLightsOneBarAtTheValue) {
    EXPECT_EQ(motor->OuterRadius(), 70);
    const TColor yellow = clYellow;
    EXPECT_EQ(LitBars(*motor, yellow), std::vector<int>{0});
    const std::pair<double, int> cases[] = {{3, 3}, {4, 3}, {5, 5}, {33, 32}};
    for (const auto& [position, bar] : cases) {
        motor->SetPosition(position);
        Settle();
        EXPECT_EQ(LitBars(*motor, yellow), std::vector<int>{bar}) << position;
        EXPECT_EQ(BarColor(*motor, bar == 0 ? 1 : 0), DimColor(clYellow, 3)) << position;
    }
}

TEST_F(LedSpiral, OffSegmentsCanBeLeftOut) {
    plain->SetPosition(50);
    plain->SetShowOffSegments(false);
    Settle();
    EXPECT_EQ(LitBars(*plain, clLime).size(), 16u);
    EXPECT_EQ(BarColor(*plain, 20), Shown(clBtnFace));
    motor->SetShowOffSegments(false);
    motor->SetPosition(10);
    Settle();
    // 10 of 33 bars and a half round to 10 (halves go to the even neighbour): bar 9.
    EXPECT_EQ(BarColor(*motor, 8), Shown(clBtnFace));
    EXPECT_EQ(BarColor(*motor, 9), clYellow);
    EXPECT_EQ(BarColor(*motor, 10), Shown(clBtnFace));
}

TEST_F(LedSpiral, SectionsColourBarsByTheirOwnValue) {
    plain->SetSectionCount(2);
    plain->SetSectionCount(4);
    EXPECT_EQ(plain->SectionCount(), 2);
    plain->SetPosition(100);
    Settle();
    EXPECT_EQ(BarColor(*plain, 16), clLime);
    EXPECT_EQ(BarColor(*plain, 17), clYellow);
    plain->SetSectionCount(3);
    Settle();
    EXPECT_EQ(BarColor(*plain, 24), clYellow);
    EXPECT_EQ(BarColor(*plain, 25), clRed);
}

TEST_F(LedSpiral, APartCircleHasBarsAtBothEnds) {
    plain->SetRangeDegrees(270);
    plain->SetSegmentCount(10);
    EXPECT_DOUBLE_EQ(plain->StepDegrees(), 30);
    plain->SetRangeDegrees(400);
    EXPECT_EQ(plain->RangeDegrees(), 360);
    EXPECT_DOUBLE_EQ(plain->StepDegrees(), 36);
}

TEST_F(LedSpiral, NoBarsOrASingleBarOnAPartCircleStillPaint) {
    plain->SetPosition(100);
    plain->SetSegmentCount(0);
    Settle();
    EXPECT_EQ(At(*plain, 10, 54), Shown(clBtnFace));
    plain->SetSegmentCount(-3);
    Settle();
    EXPECT_EQ(At(*plain, 10, 54), Shown(clBtnFace));

    plain->SetSegmentCount(1);
    plain->SetRangeDegrees(270);
    Settle();
    EXPECT_DOUBLE_EQ(plain->StepDegrees(), 0);
    EXPECT_EQ(At(*plain, 10, 54), clLime);
}

TEST_F(LedSpiral, SectionEndsOfZeroSurviveTheLayout) {
    TControlClasses::RegisterAll();
    TSwitchClasses::RegisterAll();
    form->SetName("Form2");
    motor->SetName("iLedSpiral1");
    motor->SetSectionEnd1(0);
    motor->SetSectionEnd2(0);
    const std::string text = TLayoutWriter::Write(*form);
    TForm* copy = App().CreateForm<TForm>();
    THandlerTable handlers;
    TLayoutReader::Read(text, *copy, handlers);
    auto* read = dynamic_cast<TiLedSpiral*>(copy->FindComponent("iLedSpiral1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->SectionEnd1(), 0);
    EXPECT_EQ(read->SectionEnd2(), 0);
    EXPECT_EQ(read->SegmentCount(), 33);
    EXPECT_EQ(read->Style(), ilssPointer);
    EXPECT_EQ(TLayoutWriter::Write(*copy), text);
}

TEST_F(LedSpiral, TransparentOverAPictureShowsItBetweenTheBars) {
    motor->SetTransparent(true);
    form->SetColor(clNavy);
    Settle();
    motor->SetPosition(1);
    Settle();
    EXPECT_EQ(At(*motor, 84, 80), clNavy);
    EXPECT_EQ(BarColor(*motor, 1), clYellow);
}

// The bars are worked out once and kept while the geometry stays; every change of it must draw
// what a spiral painted for the first time with the new value draws.
TEST_F(LedSpiral, EveryChangeOfGeometryRedrawsTheBarsWhereTheyNowBelong) {
    struct TCase {
        const char* name;
        bool autoSize;
        std::function<void(TiLedSpiral&)> change;
    };
    const TCase cases[] = {
        {"SegmentCount", true, [](TiLedSpiral& s) { s.SetSegmentCount(20); }},
        {"SegmentSize", true, [](TiLedSpiral& s) { s.SetSegmentSize(4); }},
        {"SegmentWidth", true, [](TiLedSpiral& s) { s.SetSegmentWidth(9); }},
        {"RangeDegrees", true, [](TiLedSpiral& s) { s.SetRangeDegrees(200); }},
        {"StartDegrees", true, [](TiLedSpiral& s) { s.SetStartDegrees(45); }},
        {"OuterMargin", true, [](TiLedSpiral& s) { s.SetOuterMargin(3); }},
        {"Width", true, [](TiLedSpiral& s) { s.SetBounds(s.Left(), s.Top(), 150, 161); }},
        {"Height", true, [](TiLedSpiral& s) { s.SetBounds(s.Left(), s.Top(), 169, 120); }},
        {"AutoSize", false, [](TiLedSpiral& s) { s.SetAutoSize(true); }},
        {"OuterRadius", false, [](TiLedSpiral& s) { s.SetOuterRadius(40); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto setUp = [&c](TiLedSpiral& spiral) {
            spiral.SetPosition(30);
            spiral.SetAutoSize(c.autoSize);
        };
        auto* changed = Place<TiLedSpiral>(10, 200, 169, 161);
        setUp(*changed);
        Settle();
        c.change(*changed);
        auto* fresh = new TiLedSpiral(form);
        fresh->SetParent(form);
        fresh->SetBounds(200, 200, 169, 161);
        setUp(*fresh);
        c.change(*fresh);
        Settle();
        ASSERT_EQ(changed->Width(), fresh->Width());
        ASSERT_EQ(changed->Height(), fresh->Height());
        for (int y = 0; y < fresh->Height(); ++y)
            for (int x = 0; x < fresh->Width(); ++x)
                ASSERT_EQ(changed->Surface().Pixel(x, y), fresh->Surface().Pixel(x, y))
                    << x << "," << y;
        delete changed;
        delete fresh;
    }
}

} // namespace
