#pragma once

#include <array>

class TForm;
class TImage;
class TLabel;
class TTimer;
class TiAngularGauge;
class TiImageDisplay;
class TiLabel;
class TiLedArrow;
class TiLedRound;
class TiLedSpiral;
class TiObjectCanvas;
class TiSevenSegmentInteger;
class TiSlider;
class TiSwitchLed;
class TiSwitchSlider;

// The bench's components that its model reads and writes, found once by their layout names. A
// layout that lacks one of them, or holds it under another class, fails here with its name.
struct TStandWidgets {
    explicit TStandWidgets(const TForm& form);

    TiSwitchLed& MainsSwitch;                       // iSwitchLed1
    TiSwitchSlider& ModeSwitch;                     // iSwitchSlider1
    TiSlider& Rheostat;                             // iSlider1
    TiLedArrow& StepUp;                             // iLedArrow1
    TiLedArrow& StepDown;                           // iLedArrow2
    TiAngularGauge& MainsVoltmeter;                 // iAngularGauge1
    TiAngularGauge& Ammeter;                        // iAngularGauge2
    TiAngularGauge& Voltmeter;                      // iAngularGauge3
    std::array<TiSevenSegmentInteger*, 3> Readouts; // iSevenSegmentInteger1 … 3: R, I, U
    std::array<TiLedRound*, 3> SchemeLeds;          // iLedRound1 … 3
    TiLedSpiral& MotorSpiral;                       // iLedSpiral1
    std::array<TiImageDisplay*, 3> Bulbs;           // iImageDisplay1 … 3
    TiImageDisplay& Characteristic;                 // iImageDisplay4
    TiObjectCanvas& CharacteristicAxes;             // iObjectCanvas1
    TImage& Highlight;                              // Image19
    std::array<TImage*, 4> PulleyPhases;            // Image9, Image11, Image12, Image13
    TImage& LampDim;                                // Image20
    TImage& LampOver;                               // Image21
    TImage& LampNormal;                             // Image22
    TiLabel& AmmeterCaption;                        // iLabel2
    TiLabel& VoltmeterCaption;                      // iLabel4
    TLabel& MainsCaption;                           // Label12
    std::array<TTimer*, 4> Timers;                  // Timer1 … Timer4
};
