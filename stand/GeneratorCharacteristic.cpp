#include "stand/GeneratorCharacteristic.h"

#include <algorithm>

namespace {

constexpr double CurrentPerStep = 12.5;
constexpr double SeriesCurrentOffset = 45.0;
constexpr double SeriesTurningCurrent = 125.0;
constexpr double ShuntTurningRheostat = 12.0;
constexpr double ShuntFoldBack = 300.0;

} // namespace

TGeneratorCharacteristic::TReading TGeneratorCharacteristic::At(TScheme scheme, double rheostat) {
    switch (scheme) {
    case TScheme::Independent:
        return Independent(rheostat);
    case TScheme::Series:
        return Series(rheostat);
    case TScheme::Shunt:
        return Shunt(rheostat);
    }
    return {0.0, 0.0};
}

bool TGeneratorCharacteristic::TurnedBack(TScheme scheme, double rheostat) {
    return scheme == TScheme::Shunt && rheostat > ShuntTurningRheostat;
}

TGeneratorCharacteristic::TReading TGeneratorCharacteristic::Independent(double rheostat) {
    const double current = Clamp(CurrentPerStep * rheostat, CurrentMax);
    return {current, Clamp(16.0 - 0.08 * current, VoltageMax)};
}

TGeneratorCharacteristic::TReading TGeneratorCharacteristic::Series(double rheostat) {
    const double current = Clamp(CurrentPerStep * rheostat - SeriesCurrentOffset, CurrentMax);
    const double excitation = CurrentPerStep * rheostat;
    const double voltage =
        current >= SeriesTurningCurrent ? 27.0 - 0.08 * excitation : 0.08 * excitation + 3.0;
    return {current, Clamp(voltage, VoltageMax)};
}

TGeneratorCharacteristic::TReading TGeneratorCharacteristic::Shunt(double rheostat) {
    const double excitation = CurrentPerStep * rheostat;
    const double voltage = Clamp(16.0 - (0.08 * excitation + 2.0), VoltageMax);
    const double current =
        TurnedBack(TScheme::Shunt, rheostat) ? ShuntFoldBack - excitation : excitation;
    return {Clamp(current, CurrentMax), voltage};
}

double TGeneratorCharacteristic::Clamp(double value, double max) {
    return std::clamp(value, 0.0, max);
}
