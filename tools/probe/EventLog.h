#pragma once

#include <iosfwd>

class TForm;

// Tells every event of the form's components as it fires: "event: iSlider1.OnPositionChange",
// with the index appended for events that carry one ("event: iGauge1.OnPositionOverLimit 0").
// Events with other arguments (mouse, keys, painting) are left alone.
class TEventLog {
public:
    static void Wire(TForm& form, std::ostream& out);
};
