#include "stand/StandWidgets.h"

#include <string>

#include "app/ScreenLayout.h"
#include "gui/controls/Image.h"
#include "gui/controls/Label.h"
#include "gui/framework/Form.h"
#include "gui/framework/Timer.h"
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

namespace {

template <class T> T& Named(const TForm& form, const std::string& name) {
    return LayoutPart<T>(form, name);
}

template <class T> T* NamedPointer(const TForm& form, const std::string& name) {
    return &LayoutPart<T>(form, name);
}

} // namespace

TStandWidgets::TStandWidgets(const TForm& form)
    : MainsSwitch(Named<TiSwitchLed>(form, "iSwitchLed1")),
      ModeSwitch(Named<TiSwitchSlider>(form, "iSwitchSlider1")),
      Rheostat(Named<TiSlider>(form, "iSlider1")), StepUp(Named<TiLedArrow>(form, "iLedArrow1")),
      StepDown(Named<TiLedArrow>(form, "iLedArrow2")),
      MainsVoltmeter(Named<TiAngularGauge>(form, "iAngularGauge1")),
      Ammeter(Named<TiAngularGauge>(form, "iAngularGauge2")),
      Voltmeter(Named<TiAngularGauge>(form, "iAngularGauge3")),
      Readouts{NamedPointer<TiSevenSegmentInteger>(form, "iSevenSegmentInteger1"),
               NamedPointer<TiSevenSegmentInteger>(form, "iSevenSegmentInteger2"),
               NamedPointer<TiSevenSegmentInteger>(form, "iSevenSegmentInteger3")},
      SchemeLeds{NamedPointer<TiLedRound>(form, "iLedRound1"),
                 NamedPointer<TiLedRound>(form, "iLedRound2"),
                 NamedPointer<TiLedRound>(form, "iLedRound3")},
      MotorSpiral(Named<TiLedSpiral>(form, "iLedSpiral1")),
      Bulbs{NamedPointer<TiImageDisplay>(form, "iImageDisplay1"),
            NamedPointer<TiImageDisplay>(form, "iImageDisplay2"),
            NamedPointer<TiImageDisplay>(form, "iImageDisplay3")},
      Characteristic(Named<TiImageDisplay>(form, "iImageDisplay4")),
      CharacteristicAxes(Named<TiObjectCanvas>(form, "iObjectCanvas1")),
      Highlight(Named<TImage>(form, "Image19")),
      PulleyPhases{NamedPointer<TImage>(form, "Image9"), NamedPointer<TImage>(form, "Image11"),
                   NamedPointer<TImage>(form, "Image12"), NamedPointer<TImage>(form, "Image13")},
      LampDim(Named<TImage>(form, "Image20")), LampOver(Named<TImage>(form, "Image21")),
      LampNormal(Named<TImage>(form, "Image22")), AmmeterCaption(Named<TiLabel>(form, "iLabel2")),
      VoltmeterCaption(Named<TiLabel>(form, "iLabel4")),
      MainsCaption(Named<TLabel>(form, "Label12")), Timers{NamedPointer<TTimer>(form, "Timer1"),
                                                           NamedPointer<TTimer>(form, "Timer2"),
                                                           NamedPointer<TTimer>(form, "Timer3"),
                                                           NamedPointer<TTimer>(form, "Timer4")} {}
