#include "BenchFixture.h"
#include "stand/GeneratorCharacteristic.h"

namespace {

using TScheme = TGeneratorCharacteristic::TScheme;

class BenchModel : public BenchFixture {
protected:
    // Mains on, the scheme chosen and the rheostat moved to a whole step by the arrows.
    void Run(int mode, int step) {
        ClickMains();
        SelectMode(mode);
        StepRheostat(step);
    }
    // Brings the I and U readouts level with the dials: the mode switch's click recomputes.
    void Recompute() { SelectMode(Part<TiSwitchSlider>("iSwitchSlider1").Position()); }

    void ExpectDials(double current, double voltage, const std::string& where) {
        EXPECT_DOUBLE_EQ(Gauge("iAngularGauge2").Position(), current) << where;
        EXPECT_DOUBLE_EQ(Gauge("iAngularGauge3").Position(), voltage) << where;
    }
    void ExpectReadouts(int step, int current, int voltage, const std::string& where) {
        EXPECT_EQ(Readout(1).Value(), step) << where;
        EXPECT_EQ(Readout(2).Value(), current) << where;
        EXPECT_EQ(Readout(3).Value(), voltage) << where;
    }
};

struct TStepCase {
    int Mode;
    TScheme Scheme;
    int Step;
    double Current;
    double Voltage;
};

// The readings a student takes off the bench, the dials' ends included.
constexpr TStepCase Steps[] = {
    {2, TScheme::Independent, 0, 0.0, 14.0}, {2, TScheme::Independent, 15, 187.5, 1.0},
    {1, TScheme::Series, 2, 0.0, 5.0},       {1, TScheme::Series, 12, 105.0, 14.0},
    {1, TScheme::Series, 14, 130.0, 13.0},   {1, TScheme::Series, 15, 142.5, 12.0},
    {0, TScheme::Shunt, 12, 150.0, 2.0},     {0, TScheme::Shunt, 15, 112.5, 0.0},
};

} // namespace

TEST_F(BenchModel, EachSchemeShowsItsReadingsAndAgreesWithItsCharacteristic) {
    for (const TStepCase& c : Steps) {
        SCOPED_TRACE("mode " + std::to_string(c.Mode) + " step " + std::to_string(c.Step));
        Run(c.Mode, c.Step);
        ExpectDials(c.Current, c.Voltage, "dials");
        const auto closed = TGeneratorCharacteristic::At(c.Scheme, c.Step);
        ExpectDials(closed.Current, closed.Voltage, "the plot's formulas");
        Recompute();
        ExpectReadouts(c.Step, static_cast<int>(c.Current), static_cast<int>(c.Voltage),
                       "readouts");
        ClickMains();
        StepRheostat(-15);
    }
}

TEST_F(BenchModel, LampsAndCharacteristicFollowTheStepOfEachScheme) {
    Run(ModeIndependent, 0);
    EXPECT_EQ(Display(1).ImageIndex(), 15) << "no load: the bulb is at its brightest";
    EXPECT_EQ(Characteristic(), 0);
    EXPECT_EQ(Part<TImage>("Image19").Left(), 688);
    StepRheostat(15);
    EXPECT_EQ(Display(1).ImageIndex(), 0);
    EXPECT_EQ(Characteristic(), 15);

    SelectMode(ModeShunt);
    EXPECT_EQ(Characteristic(), 48) << "the whole shunt curve with its 15 points";
    EXPECT_EQ(Display(3).ImageIndex(), 0);
    EXPECT_EQ(Display(1).ImageIndex(), 0);
    EXPECT_EQ(Part<TImage>("Image19").Left(), 928);

    SelectMode(ModeSeries);
    EXPECT_EQ(Characteristic(), 32);
    EXPECT_EQ(Display(2).ImageIndex(), 15);
    EXPECT_EQ(Part<TImage>("Image19").Left(), 808);
}

TEST_F(BenchModel, ValuesBetweenStepsAreCutDownNeverRounded) {
    Run(ModeIndependent, 0);
    SetRheostat(9.99);
    Recompute();
    EXPECT_EQ(Readout(1).Value(), 9);
    EXPECT_EQ(Display(1).ImageIndex(), 6);
    EXPECT_EQ(Characteristic(), 9);
    EXPECT_DOUBLE_EQ(Gauge("iAngularGauge2").Position(), 12.5 * 9.99);
    EXPECT_EQ(Readout(2).Value(), 124) << "124.875 mA";

    SelectMode(ModeShunt);
    SetRheostat(12.5);
    ExpectDials(143.75, 1.5, "past the shunt's turning point");
    EXPECT_EQ(Characteristic(), 45);
    Recompute();
    ExpectReadouts(12, 143, 1, "shunt at 12.5");
}

TEST_F(BenchModel, ARheostatChangeSetsPicturesFromThePreviousValueInTheSeriesScheme) {
    Run(ModeSeries, 4);
    EXPECT_EQ(Characteristic(), 17 + 3) << "the pictures run before the readings";
    EXPECT_EQ(Display(2).ImageIndex(), 3);
    StepRheostat(1);
    EXPECT_EQ(Characteristic(), 17 + 4);
    EXPECT_EQ(Display(2).ImageIndex(), 4);
}

TEST_F(BenchModel, ReadoutsShowTheDialsOfThePreviousRecomputation) {
    Run(ModeIndependent, 5);
    Recompute();
    ExpectReadouts(5, 62, 11, "level");
    StepRheostat(1);
    EXPECT_DOUBLE_EQ(Gauge("iAngularGauge2").Position(), 75.0);
    ExpectReadouts(6, 62, 11, "one arrow click later the readouts lag");
    Recompute();
    ExpectReadouts(6, 75, 10, "level again");
}

TEST_F(BenchModel, TheArrowsStepTheRheostatAndStopAtItsEnds) {
    ClickMains();
    StepRheostat(-1);
    EXPECT_EQ(Slider("iSlider1").Position(), 0.0);
    StepRheostat(16);
    EXPECT_EQ(Slider("iSlider1").Position(), 15.0);
    EXPECT_EQ(Readout(1).Value(), 15);

    auto& arrow = Part<TiLedArrow>("iLedArrow2");
    Press(Bench(), "iLedArrow2");
    EXPECT_TRUE(arrow.Active()) << "lit while held";
    Release(Bench(), "iLedArrow2");
    EXPECT_FALSE(arrow.Active());
    EXPECT_EQ(Slider("iSlider1").Position(), 14.0);
}

TEST_F(BenchModel, WithTheMainsOffTheRheostatAndModeMoveNoInstrument) {
    StepRheostat(7);
    EXPECT_EQ(Slider("iSlider1").Position(), 7.0);
    EXPECT_EQ(Gauge("iAngularGauge2").Position(), 0.0);
    EXPECT_EQ(Gauge("iAngularGauge3").Position(), 0.0);
    EXPECT_EQ(Readout(1).Value(), 0);
    EXPECT_TRUE(Readout(1).PowerOff());
    EXPECT_EQ(Characteristic(), 16);

    const std::pair<int, int> firstFrames[] = {{2, 0}, {1, 17}, {0, 33}, {3, 16}};
    for (const auto& [mode, frame] : firstFrames) {
        SelectMode(mode);
        EXPECT_EQ(Characteristic(), frame) << "mode " << mode;
        for (int led = 1; led <= 3; ++led)
            EXPECT_FALSE(SchemeLed(led).Active()) << "mode " << mode;
        EXPECT_FALSE(Shown("Image19"));
    }
    EXPECT_EQ(Model().RheostatValue(), 0.0) << "only a recomputation with the mains on reads it";
}

TEST_F(BenchModel, ChoosingNoSchemeWithTheMainsOnZeroesTheDialsBeforeTheReadouts) {
    Run(ModeIndependent, 5);
    Recompute();
    PressMode(ModeNone);
    ExpectDials(0.0, 0.0, "pressed on no scheme");
    ExpectReadouts(5, 62, 11, "the readouts keep their values until the next recomputation");
    ReleaseMode(ModeNone);
    ExpectReadouts(5, 0, 0, "the switch's click recomputes");
    EXPECT_EQ(Characteristic(), 16);
    EXPECT_FALSE(Shown("Image19"));
    for (int led = 1; led <= 3; ++led)
        EXPECT_FALSE(SchemeLed(led).Active());
}
