#include <set>

#include "BenchFixture.h"

namespace {

class BenchTimers : public BenchFixture {
protected:
    double Mains() { return Gauge("iAngularGauge1").Position(); }
    // Which of the stacked pulley phases are shown, lowest first.
    std::string Phases() {
        std::string shown;
        for (const char* name : {"Image9", "Image11", "Image12", "Image13"})
            shown += Shown(name) ? '1' : '0';
        return shown;
    }
    std::string Lamps() {
        std::string shown;
        for (const char* name : {"Image20", "Image21", "Image22"})
            shown += Shown(name) ? '1' : '0';
        return shown;
    }
    static constexpr int RunUpTick = 3;
    static constexpr int NoiseTick = 500;
    static constexpr int GeneratorTick = 50;
    static constexpr int MotorTick = 10;
};

} // namespace

TEST_F(BenchTimers, TheMainsRunsUpOneVoltPerTickAndStopsAt220) {
    ClickMains();
    EXPECT_EQ(Lamps(), "001") << "the normal lamp during the run-up";
    Advance(RunUpTick);
    EXPECT_EQ(Mains(), 0.0);
    Advance(99 * RunUpTick);
    EXPECT_EQ(Mains(), 99.0);
    EXPECT_EQ(Lamps(), "001");
    Advance(121 * RunUpTick);
    EXPECT_EQ(Mains(), 220.0) << "221 ticks";
    EXPECT_EQ(Model().RampStep(), 221);
    EXPECT_FALSE(Timer(1).Enabled());
    EXPECT_TRUE(Timer(2).Enabled());
    EXPECT_EQ(Lamps(), "001");
}

TEST_F(BenchTimers, MainsNoiseStaysWithinItsBoundsAndShowsTheOverVoltageLamp) {
    ClickMains();
    Advance(221 * RunUpTick);
    std::set<int> seen;
    for (int tick = 0; tick < 300; ++tick) {
        Advance(NoiseTick);
        const double volts = Mains();
        ASSERT_GE(volts, 210.0);
        ASSERT_LE(volts, 224.0);
        seen.insert(static_cast<int>(volts));
        EXPECT_EQ(Lamps(), volts > 220.0 ? "010" : "001") << volts;
    }
    EXPECT_GT(seen.size(), 10u) << "one generator seeded once, not the same value every tick";
    EXPECT_EQ(*seen.begin(), 210);
    EXPECT_EQ(*seen.rbegin(), 224);
}

TEST_F(BenchTimers, SwitchingOffStopsTheRunUpAndSwitchingOnRestartsItFromZero) {
    ClickMains();
    Advance(50 * RunUpTick);
    EXPECT_EQ(Mains(), 49.0);
    ClickMains();
    EXPECT_EQ(Mains(), 0.0);
    EXPECT_EQ(Model().RampStep(), 0);
    EXPECT_EQ(Lamps(), "100");
    for (int timer = 1; timer <= 4; ++timer)
        EXPECT_FALSE(Timer(timer).Enabled()) << timer;
    Advance(1000);
    EXPECT_EQ(Mains(), 0.0);

    ClickMains();
    Advance(10 * RunUpTick);
    EXPECT_EQ(Mains(), 9.0);
}

TEST_F(BenchTimers, ThePulleyStepsThroughItsPhasesAndTheMotorSpiralCycles) {
    EXPECT_EQ(Phases(), "1000");
    ClickMains();
    const char* cycle[] = {"1100", "1110", "1111", "1100", "1110"};
    for (const char* expected : cycle) {
        Advance(GeneratorTick);
        EXPECT_EQ(Phases(), expected);
    }

    auto& spiral = Part<TiLedSpiral>("iLedSpiral1");
    ClickMains();
    ClickMains();
    const int before = Model().SpiralStep();
    Advance(MotorTick);
    EXPECT_EQ(spiral.Position(), before);
    while (Model().SpiralStep() != 32)
        Advance(MotorTick);
    Advance(MotorTick);
    EXPECT_EQ(spiral.Position(), 32.0);
    EXPECT_EQ(Model().SpiralStep(), 1) << "the cycle starts again at 1, not 0";
    Advance(MotorTick);
    EXPECT_EQ(spiral.Position(), 1.0);
}

TEST_F(BenchTimers, SwitchingOffLeavesTheAnimationsWhereTheyStoppedAndOnResumesThem) {
    ClickMains();
    Advance(2 * GeneratorTick);
    ClickMains();
    const std::string phases = Phases();
    const double spiral = Part<TiLedSpiral>("iLedSpiral1").Position();
    const int step = Model().SpiralStep();
    EXPECT_NE(phases, "1000");
    EXPECT_GT(spiral, 0.0);
    Advance(1000);
    EXPECT_EQ(Phases(), phases);
    EXPECT_EQ(Part<TiLedSpiral>("iLedSpiral1").Position(), spiral);

    ClickMains();
    EXPECT_EQ(Model().SpiralStep(), step) << "the pause before the click moves nothing";
    Advance(MotorTick);
    EXPECT_EQ(Part<TiLedSpiral>("iLedSpiral1").Position(), step);
}
