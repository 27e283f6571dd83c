#include "stand/CharacteristicPlot.h"

#include "widgets/display/iObjectCanvas.h"

namespace {

struct TUserPoint {
    double x;
    double y;
};

// The corner of the axes and the top of the voltage axis, in the canvas's user units.
constexpr TUserPoint Corner{-92.0, -90.0};
constexpr TUserPoint VoltageTop{-92.0, 90.0};

} // namespace

// The subscripts after "U" and "I" are smaller: the canvas's default size is switched before
// they are added and stays switched.
void TCharacteristicPlot::DrawAxes(TiObjectCanvas& canvas) {
    canvas.Clear();
    canvas.AddLine(Corner.x, Corner.y - 10.0, VoltageTop.x, VoltageTop.y);
    canvas.AddLine(Corner.x - 10.0, Corner.y, -VoltageTop.x, -VoltageTop.y);
    canvas.AddText("U", VoltageTop.x - 4.0, VoltageTop.y + 15.0);
    canvas.AddText("I", -VoltageTop.x + 5.0, -VoltageTop.y + 15.0);
    canvas.AddText("0", Corner.x - 7.0, Corner.y - 10.0);
    canvas.SetDefaultFontSize(SubscriptFontSize);
    canvas.AddText("H", VoltageTop.x + 5.0, VoltageTop.y + 10.0);
    canvas.AddText("H", -VoltageTop.x + 12.0, -VoltageTop.y + 10.0);
}
