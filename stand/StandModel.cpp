#include "stand/StandModel.h"

#include <chrono>

#include "gui/controls/Image.h"
#include "gui/controls/Label.h"
#include "gui/framework/Timer.h"
#include "stand/CharacteristicPlot.h"
#include "widgets/controls/iLedArrow.h"
#include "widgets/controls/iLedRound.h"
#include "widgets/controls/iLedSpiral.h"
#include "widgets/controls/iSlider.h"
#include "widgets/controls/iSwitchLed.h"
#include "widgets/controls/iSwitchSlider.h"
#include "widgets/display/iImageDisplay.h"
#include "widgets/display/iLabel.h"
#include "widgets/display/iSevenSegmentInteger.h"
#include "widgets/scale/iAngularGauge.h"

namespace {

const char* const CaptionOff = "ВЫКЛ";
const char* const CaptionOn = "ВКЛ";

constexpr int ModeNone = 3;
constexpr int ModeIndependent = 2;
constexpr int ModeSeries = 1;
constexpr int ModeShunt = 0;

// The formulas work in extended precision and store doubles, as the dials do.
using TReal = long double;
constexpr TReal CurrentPerStep = 12.5L;
constexpr TReal VoltsPerMilliamp = 0.08L;
constexpr TReal SeriesCurrentOffset = 45.0L;
constexpr double SeriesTurningCurrent = 125.0;
constexpr double ShuntTurningRheostat = 12.0;
constexpr TReal ShuntFoldBack = 300.0L;

constexpr int RampEnd = 220;
constexpr int NoiseBase = 210;
constexpr int NoiseSpread = 14;
constexpr double OverVoltage = 220.0;

constexpr int HighlightIndependent = 688;
constexpr int HighlightSeries = 808;
constexpr int HighlightShunt = 928;

constexpr int BrightestBulb = 15;
constexpr int FirstIndependentFrame = 0;
constexpr int BlankFrame = 16;
constexpr int FirstSeriesFrame = 17;
constexpr int FirstShuntFrame = 33;
constexpr int MotorCycleEnd = 33;

// Readouts and picture indexes take whole numbers cut toward zero: 9.99 is step 9.
int Trunc(TReal value) {
    return static_cast<int>(value);
}

} // namespace

TStandModel::TStandModel(const TStandWidgets& widgets)
    : m_widgets(widgets), m_random(static_cast<std::mt19937::result_type>(
                              std::chrono::system_clock::now().time_since_epoch().count())) {}

void TStandModel::Create() {
    m_rampStep = 0;
    TCharacteristicPlot::DrawAxes(m_widgets.CharacteristicAxes);
    UpdatePictures();
    UpdateMainsLamp();
}

void TStandModel::MainsSwitchClick() {
    const std::string& caption = m_widgets.MainsSwitch.Caption();
    if (caption == CaptionOff)
        SwitchOn();
    else if (caption == CaptionOn)
        SwitchOff();
}

void TStandModel::RheostatChange() {
    UpdatePictures();
    UpdateReadings();
}

void TStandModel::ModeClick() {
    UpdateModeLeds();
    UpdateReadings();
}

void TStandModel::ModeChange() {
    UpdateReadings();
    UpdateModeLeds();
    UpdatePictures();
}

void TStandModel::StepRheostat(double delta) {
    m_widgets.Rheostat.SetPosition(m_widgets.Rheostat.Position() + delta);
}

void TStandModel::LightArrow(TiLedArrow& arrow, bool lit) {
    arrow.SetActive(lit);
}

void TStandModel::RunUpTick() {
    if (m_rampStep == RampEnd) {
        EnableTimer(RunUpTimer, false);
        EnableTimer(NoiseTimer, true);
    }
    m_widgets.MainsVoltmeter.SetPosition(m_rampStep);
    ++m_rampStep;
}

void TStandModel::NoiseTick() {
    std::uniform_int_distribution<int> noise(0, NoiseSpread);
    m_widgets.MainsVoltmeter.SetPosition(NoiseBase + noise(m_random));
    UpdateMainsLamp();
}

// The phases are stacked, the last one on top; each tick shows one more until all four are
// shown, then starts again from the first, so the top picture steps 2, 3, 4, 2, …
void TStandModel::GeneratorTick() {
    const auto& phases = m_widgets.PulleyPhases;
    if (phases[3]->Visible())
        ResetGeneratorFrames();
    if (phases[2]->Visible())
        phases[3]->SetVisible(true);
    if (phases[1]->Visible())
        phases[2]->SetVisible(true);
    if (phases[0]->Visible())
        phases[1]->SetVisible(true);
}

void TStandModel::MotorTick() {
    m_widgets.MotorSpiral.SetPosition(m_spiralStep);
    ++m_spiralStep;
    if (m_spiralStep == MotorCycleEnd)
        m_spiralStep = 1;
}

void TStandModel::SwitchOn() {
    m_widgets.MainsSwitch.SetCaption(CaptionOn);
    m_mainsOn = 1;
    m_widgets.Highlight.SetVisible(true);
    SetReadoutsPowerOff(false);
    for (int pass = 0; pass < 2; ++pass) {
        UpdateModeLeds();
        UpdateReadings();
        UpdatePictures();
    }
    EnableTimer(MotorTimer, true);
    EnableTimer(GeneratorTimer, true);
    EnableTimer(RunUpTimer, true);
    SetInstrumentCaptionColor(clYellow);
    UpdateMainsLamp();
    ShowLamp(false, false, true);
}

void TStandModel::SwitchOff() {
    m_widgets.MainsSwitch.SetCaption(CaptionOff);
    m_mainsOn = 0;
    m_widgets.Highlight.SetVisible(false);
    for (int pass = 0; pass < 2; ++pass) {
        ResetReadings();
        UpdateModeLeds();
        UpdatePictures();
    }
    UpdateMainsLamp();
    SetSchemeLeds(false, false, false);
    SetInstrumentCaptionColor(clWindowText);
    m_widgets.MainsCaption.Font().SetColor(clSilver);
    EnableTimer(GeneratorTimer, false);
    EnableTimer(MotorTimer, false);
    EnableTimer(RunUpTimer, false);
    EnableTimer(NoiseTimer, false);
    m_rampStep = 0;
    m_widgets.MainsVoltmeter.SetPosition(0.0);
    SetReadoutsPowerOff(true);
    ShowLamp(true, false, false);
}

void TStandModel::ResetReadings() {
    SetBulbs(0, 0, 0);
    m_widgets.Ammeter.SetPosition(0.0);
    m_widgets.Voltmeter.SetPosition(0.0);
}

void TStandModel::ResetGeneratorFrames() {
    const auto& phases = m_widgets.PulleyPhases;
    phases[0]->SetVisible(true);
    phases[1]->SetVisible(false);
    phases[2]->SetVisible(false);
    phases[3]->SetVisible(false);
}

// Zero volts is the mains being off, which outranks the other two.
void TStandModel::UpdateMainsLamp() {
    const TiAngularGauge& voltmeter = m_widgets.MainsVoltmeter;
    if (voltmeter.Position() <= OverVoltage)
        ShowLamp(false, false, true);
    if (voltmeter.Position() > OverVoltage)
        ShowLamp(false, true, false);
    if (voltmeter.Position() == 0.0)
        ShowLamp(true, false, false);
}

// Reads the rheostat value that the last recomputation stored, not the slider itself.
void TStandModel::UpdatePictures() {
    const int step = Trunc(m_rheostatValue);
    const int mode = Mode();
    TiImageDisplay& characteristic = m_widgets.Characteristic;
    if (m_mainsOn == 1) {
        if (mode == ModeNone) {
            m_widgets.Ammeter.SetPosition(0.0);
            m_widgets.Voltmeter.SetPosition(0.0);
            characteristic.SetImageIndex(BlankFrame);
            SetBulbs(0, 0, 0);
        }
        if (mode == ModeIndependent) {
            characteristic.SetImageIndex(FirstIndependentFrame + step);
            SetBulbs(BrightestBulb - step, 0, 0);
        }
        if (mode == ModeSeries) {
            characteristic.SetImageIndex(FirstSeriesFrame + step);
            SetBulbs(0, step, 0);
        }
        if (mode == ModeShunt) {
            characteristic.SetImageIndex(FirstShuntFrame + step);
            SetBulbs(0, 0, BrightestBulb - step);
        }
    }
    if (m_mainsOn == 0) {
        if (mode == ModeNone)
            characteristic.SetImageIndex(BlankFrame);
        if (mode == ModeIndependent)
            characteristic.SetImageIndex(FirstIndependentFrame);
        if (mode == ModeSeries)
            characteristic.SetImageIndex(FirstSeriesFrame);
        if (mode == ModeShunt)
            characteristic.SetImageIndex(FirstShuntFrame);
        SetBulbs(0, 0, 0);
    }
}

// The I and U readouts take the dials before this call changes them, so they lag one call
// behind; the handlers that need them level run this twice.
void TStandModel::UpdateReadings() {
    if (m_mainsOn != 1)
        return;
    m_rheostatValue = m_widgets.Rheostat.Position();
    const int step = Trunc(m_rheostatValue);
    m_widgets.Readouts[0]->SetValue(step);
    m_widgets.Readouts[1]->SetValue(Trunc(m_widgets.Ammeter.Position()));
    m_widgets.Readouts[2]->SetValue(Trunc(m_widgets.Voltmeter.Position()));
    if (Mode() == ModeNone) {
        m_widgets.Characteristic.SetImageIndex(BlankFrame);
        m_widgets.Highlight.SetVisible(false);
    }
    if (Mode() == ModeIndependent)
        ReadIndependent(step);
    if (Mode() == ModeSeries)
        ReadSeries();
    if (Mode() == ModeShunt)
        ReadShunt(step);
}

void TStandModel::ReadIndependent(int step) {
    m_widgets.Highlight.SetVisible(true);
    m_widgets.Highlight.SetLeft(HighlightIndependent);
    m_widgets.Characteristic.SetImageIndex(FirstIndependentFrame + step);
    m_widgets.Bulbs[0]->SetImageIndex(BrightestBulb - step);
    m_widgets.Ammeter.SetPosition(static_cast<double>(CurrentPerStep * m_rheostatValue));
    const TReal current = m_widgets.Ammeter.Position();
    m_widgets.Voltmeter.SetPosition(
        static_cast<double>(14.0L - (current * VoltsPerMilliamp - 2.0L)));
}

// The series winding carries the load current: the voltage rises with it until the current
// reaches the turning point, then falls.
void TStandModel::ReadSeries() {
    m_widgets.Highlight.SetVisible(true);
    m_widgets.Highlight.SetLeft(HighlightSeries);
    m_widgets.Ammeter.SetPosition(
        static_cast<double>(CurrentPerStep * m_rheostatValue - SeriesCurrentOffset));
    m_rheostatCurrent = static_cast<double>(CurrentPerStep * m_rheostatValue);
    const TReal excitation = m_rheostatCurrent;
    const TReal voltage = m_widgets.Ammeter.Position() >= SeriesTurningCurrent
                              ? 27.0L - VoltsPerMilliamp * excitation
                              : VoltsPerMilliamp * excitation + 3.0L;
    m_widgets.Voltmeter.SetPosition(static_cast<double>(voltage));
}

// Past the turning point the shunt generator's current folds back while its voltage keeps
// falling.
void TStandModel::ReadShunt(int step) {
    m_widgets.Highlight.SetVisible(true);
    m_widgets.Highlight.SetLeft(HighlightShunt);
    m_widgets.Characteristic.SetImageIndex(FirstShuntFrame + step);
    m_widgets.Ammeter.SetPosition(static_cast<double>(CurrentPerStep * m_rheostatValue));
    m_rheostatCurrent = static_cast<double>(CurrentPerStep * m_rheostatValue);
    const TReal excitation = m_rheostatCurrent;
    m_widgets.Voltmeter.SetPosition(
        static_cast<double>(16.0L - (VoltsPerMilliamp * excitation + 2.0L)));
    if (m_rheostatValue > ShuntTurningRheostat)
        m_widgets.Ammeter.SetPosition(static_cast<double>(ShuntFoldBack - excitation));
}

// Mode 3 darkens every LED even with the mains off; the others light only with the mains on
// and otherwise leave the LEDs as they are.
void TStandModel::UpdateModeLeds() {
    const int mode = Mode();
    if (mode == ModeNone)
        SetSchemeLeds(false, false, false);
    if (mode == ModeIndependent && m_mainsOn == 1)
        SetSchemeLeds(true, false, false);
    if (mode == ModeSeries && m_mainsOn == 1)
        SetSchemeLeds(false, true, false);
    if (mode == ModeShunt && m_mainsOn == 1)
        SetSchemeLeds(false, false, true);
}

void TStandModel::ShowLamp(bool dim, bool over, bool normal) {
    m_widgets.LampNormal.SetVisible(normal);
    m_widgets.LampOver.SetVisible(over);
    m_widgets.LampDim.SetVisible(dim);
}

void TStandModel::SetBulbs(int independent, int series, int shunt) {
    m_widgets.Bulbs[0]->SetImageIndex(independent);
    m_widgets.Bulbs[1]->SetImageIndex(series);
    m_widgets.Bulbs[2]->SetImageIndex(shunt);
}

void TStandModel::SetSchemeLeds(bool independent, bool series, bool shunt) {
    m_widgets.SchemeLeds[0]->SetActive(independent);
    m_widgets.SchemeLeds[1]->SetActive(series);
    m_widgets.SchemeLeds[2]->SetActive(shunt);
}

void TStandModel::SetReadoutsPowerOff(bool value) {
    for (TiSevenSegmentInteger* readout : m_widgets.Readouts)
        readout->SetPowerOff(value);
}

void TStandModel::SetInstrumentCaptionColor(TColor color) {
    m_widgets.VoltmeterCaption.Font().SetColor(color);
    m_widgets.AmmeterCaption.Font().SetColor(color);
}

void TStandModel::EnableTimer(TTimerIndex timer, bool enabled) {
    m_widgets.Timers[timer]->SetEnabled(enabled);
}

int TStandModel::Mode() const {
    return m_widgets.ModeSwitch.Position();
}
