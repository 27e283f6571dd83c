#include "BenchFixture.h"

#include "app/Form3.h"
#include "app/Screens.h"
#include "gui/framework/InputRouter.h"
#include "stand/Form2.h"

BenchFixture::BenchFixture() {
    Start();
    FinishSplash();
    Click(*Form3, "Image2");
}

void BenchFixture::ClickMains() {
    Pause();
    Click(Bench(), "iSwitchLed1");
}

void BenchFixture::SelectMode(int position) {
    Pause();
    ClickAt(Bench(), "iSwitchSlider1", ModeMark(position));
}

void BenchFixture::PressMode(int position) {
    Pause();
    PressAt(Bench(), "iSwitchSlider1", ModeMark(position));
}

void BenchFixture::ReleaseMode(int position) {
    ReleaseAt(Bench(), "iSwitchSlider1", ModeMark(position));
}

void BenchFixture::StepRheostat(int steps) {
    const char* arrow = steps > 0 ? "iLedArrow1" : "iLedArrow2";
    for (int i = 0; i < std::abs(steps); ++i) {
        Pause();
        Click(Bench(), arrow);
    }
}

TForm& BenchFixture::Bench() {
    return *Form2;
}

const TStandModel& BenchFixture::Model() {
    return Form2->Model();
}

void BenchFixture::Pause() {
    Advance(TInputRouter::DoubleClickMs + 1);
}

// The marks of the 65 × 137 switch run from position 0 at the bottom to 3 at the top.
TPoint BenchFixture::ModeMark(int position) {
    constexpr int Bottom = 125;
    constexpr int Top = 12;
    return {14, Bottom - position * (Bottom - Top) / 3};
}
