#include "BenchFixture.h"
#include "app/Form5.h"
#include "app/Screens.h"
#include "gui/controls/Label.h"

namespace {

class BenchScreen : public BenchFixture {};

} // namespace

TEST_F(BenchScreen, StartsWithTheMainsOffAndNoSchemeChosen) {
    EXPECT_EQ(Part<TiSwitchLed>("iSwitchLed1").Caption(), "ВЫКЛ");
    EXPECT_EQ(Part<TiSwitchSlider>("iSwitchSlider1").Position(), ModeNone);
    EXPECT_EQ(Model().MainsOn(), 0);
    EXPECT_EQ(Model().RampStep(), 0);
    for (const char* gauge : {"iAngularGauge1", "iAngularGauge2", "iAngularGauge3"})
        EXPECT_EQ(Gauge(gauge).Position(), 0.0) << gauge;
    for (int number = 1; number <= 3; ++number) {
        EXPECT_TRUE(Readout(number).PowerOff()) << number;
        EXPECT_EQ(Display(number).ImageIndex(), 0) << number;
        EXPECT_FALSE(SchemeLed(number).Active()) << number;
    }
    EXPECT_EQ(Characteristic(), 16);
    EXPECT_TRUE(Shown("Image20"));
    EXPECT_FALSE(Shown("Image21"));
    EXPECT_FALSE(Shown("Image22"));
    EXPECT_FALSE(Shown("Image19"));
    EXPECT_TRUE(Shown("Image9"));
    for (int timer = 1; timer <= 4; ++timer)
        EXPECT_FALSE(Timer(timer).Enabled()) << timer;
}

TEST_F(BenchScreen, CarriesItsLampAndCharacteristicPictures) {
    for (int number = 1; number <= 3; ++number) {
        EXPECT_EQ(Display(number).ImageList().Count(), 16) << number;
        EXPECT_EQ(Display(number).ImageList().Width(), 70) << number;
    }
    const TImageList& frames = Display(4).ImageList();
    EXPECT_EQ(frames.Count(), 49);
    EXPECT_EQ(frames.Width(), 222);
    EXPECT_EQ(frames.Height(), 149);
    const TImageList& unused = Part<TiObjectCanvas>("iObjectCanvas1").ImageList();
    EXPECT_EQ(unused.Count(), 15);
    EXPECT_EQ(unused.Height(), 153);
    for (const char* picture : {"Image2", "Image9", "Image13", "Image19", "Image20", "Image22"})
        EXPECT_FALSE(Part<TImage>(picture).Picture().Empty()) << picture;
}

TEST_F(BenchScreen, TheMainsSwitchPowersTheBenchAndTakesItBackDown) {
    ClickMains();
    EXPECT_EQ(Part<TiSwitchLed>("iSwitchLed1").Caption(), "ВКЛ");
    EXPECT_FALSE(Readout(1).PowerOff());
    EXPECT_EQ(Part<TiLabel>("iLabel2").Font().Color(), clYellow);
    EXPECT_EQ(Part<TiLabel>("iLabel4").Font().Color(), clYellow);
    EXPECT_TRUE(Timer(1).Enabled());
    EXPECT_TRUE(Timer(3).Enabled());
    EXPECT_TRUE(Timer(4).Enabled());
    EXPECT_FALSE(Timer(2).Enabled()) << "the run-up starts the noise";
    EXPECT_TRUE(Shown("Image22"));

    SelectMode(ModeIndependent);
    EXPECT_TRUE(SchemeLed(1).Active());
    EXPECT_TRUE(Shown("Image19"));
    ClickMains();
    EXPECT_EQ(Part<TiSwitchLed>("iSwitchLed1").Caption(), "ВЫКЛ");
    EXPECT_TRUE(Readout(1).PowerOff());
    EXPECT_FALSE(SchemeLed(1).Active());
    EXPECT_FALSE(Shown("Image19"));
    EXPECT_EQ(Part<TiLabel>("iLabel2").Font().Color(), clWindowText);
    EXPECT_EQ(Part<TLabel>("Label12").Font().Color(), clSilver);
    EXPECT_EQ(Gauge("iAngularGauge2").Position(), 0.0);
    EXPECT_EQ(Characteristic(), 0);
}

TEST_F(BenchScreen, TheSchemeLedsNeverReactToClicks) {
    ClickMains();
    SelectMode(ModeSeries);
    for (int number = 1; number <= 3; ++number) {
        Click(Bench(), "iLedRound" + std::to_string(number));
        EXPECT_EQ(SchemeLed(number).Active(), number == 2) << number;
    }
    EXPECT_EQ(Part<TiSwitchSlider>("iSwitchSlider1").Position(), ModeSeries);
}

TEST_F(BenchScreen, ThePlotsAxesAreSevenObjectsWithSmallerSubscripts) {
    auto& canvas = Part<TiObjectCanvas>("iObjectCanvas1");
    ASSERT_EQ(canvas.ObjectCount(), 7);
    EXPECT_EQ(canvas.GetObject(2).Text, "U");
    EXPECT_EQ(canvas.GetObject(2).FontSize, 12);
    EXPECT_EQ(canvas.GetObject(4).Text, "0");
    EXPECT_EQ(canvas.GetObject(5).FontSize, 6);
    EXPECT_EQ(canvas.GetObject(6).FontSize, 6);
    ClickMains();
    SelectMode(ModeShunt);
    StepRheostat(3);
    ClickMains();
    EXPECT_EQ(canvas.ObjectCount(), 7) << "nothing adds to the plot later";
}

TEST_F(BenchScreen, WithoutTheIcoFolderASignLeavesTheRunningBenchAsItWas) {
    ClickMains();
    SelectMode(ModeIndependent);
    StepRheostat(4);
    Remove("ico");
    const double current = Gauge("iAngularGauge2").Position();
    Press(Bench(), "Image16");
    EXPECT_TRUE(Form5->Visible());
    Click(*Form5, "SpeedButton2");
    EXPECT_TRUE(Front(Bench()));
    EXPECT_EQ(Model().MainsOn(), 1);
    EXPECT_EQ(Slider("iSlider1").Position(), 4.0);
    EXPECT_EQ(Gauge("iAngularGauge2").Position(), current);
    EXPECT_TRUE(SchemeLed(1).Active());
}
