#pragma once

#include <string>

#include "ProgramFixture.h"
#include "gui/framework/Timer.h"
#include "stand/StandModel.h"
#include "widgets/controls/iLedArrow.h"
#include "widgets/controls/iLedRound.h"
#include "widgets/controls/iLedSpiral.h"
#include "widgets/controls/iSlider.h"
#include "widgets/controls/iSwitchLed.h"
#include "widgets/controls/iSwitchSlider.h"
#include "widgets/display/iImageDisplay.h"
#include "widgets/display/iLabel.h"
#include "widgets/display/iObjectCanvas.h"
#include "widgets/display/iSevenSegmentInteger.h"
#include "widgets/scale/iAngularGauge.h"

// The program carried to its bench, with the student's hands on its controls and eyes on its
// instruments, all reached by the names the bench's layout gives them.
class BenchFixture : public ProgramFixture {
protected:
    // Modes as the mode switch's positions: 3 none, 2 independent, 1 series, 0 shunt.
    static constexpr int ModeNone = 3;
    static constexpr int ModeIndependent = 2;
    static constexpr int ModeSeries = 1;
    static constexpr int ModeShunt = 0;

    BenchFixture();

    // Every click waits out the double-click time first, as a student's deliberate clicks do:
    // the second press of a double click is no click.
    void ClickMains();
    // Clicks the mode switch on the mark of the position.
    void SelectMode(int position);
    void PressMode(int position);
    void ReleaseMode(int position);
    // Clicks the right arrow (positive) or the left arrow (negative) once per step.
    void StepRheostat(int steps);
    // A value between the steps, which only a drag reaches.
    void SetRheostat(double value) { Slider("iSlider1").SetPosition(value); }

    TForm& Bench();
    const TStandModel& Model();
    template <class T> T& Part(const std::string& name) {
        return dynamic_cast<T&>(*Bench().FindComponent(name));
    }
    TiAngularGauge& Gauge(const std::string& name) { return Part<TiAngularGauge>(name); }
    TiSevenSegmentInteger& Readout(int number) {
        return Part<TiSevenSegmentInteger>("iSevenSegmentInteger" + std::to_string(number));
    }
    TiImageDisplay& Display(int number) {
        return Part<TiImageDisplay>("iImageDisplay" + std::to_string(number));
    }
    TiLedRound& SchemeLed(int number) {
        return Part<TiLedRound>("iLedRound" + std::to_string(number));
    }
    TiSlider& Slider(const std::string& name) { return Part<TiSlider>(name); }
    TTimer& Timer(int number) { return Part<TTimer>("Timer" + std::to_string(number)); }
    bool Shown(const std::string& picture) { return Part<TControl>(picture).Visible(); }
    int Characteristic() { return Display(4).ImageIndex(); }

private:
    void Pause();
    TPoint ModeMark(int position);
};
