#include <gtest/gtest.h>

#include "stand/GeneratorCharacteristic.h"

namespace {

using TScheme = TGeneratorCharacteristic::TScheme;

struct TCase {
    TScheme Scheme;
    double Rheostat;
    double Current;
    double Voltage;
};

// The readings a student should see on the two generator instruments, including the points where
// a dial stops at its end.
constexpr TCase Readings[] = {
    {TScheme::Independent, 0.0, 0.0, 14.0}, {TScheme::Independent, 15.0, 187.5, 1.0},
    {TScheme::Independent, 7.0, 87.5, 9.0}, {TScheme::Series, 2.0, 0.0, 5.0},
    {TScheme::Series, 12.0, 105.0, 14.0},   {TScheme::Series, 14.0, 130.0, 13.0},
    {TScheme::Series, 15.0, 142.5, 12.0},   {TScheme::Shunt, 12.0, 150.0, 2.0},
    {TScheme::Shunt, 12.5, 143.75, 1.5},    {TScheme::Shunt, 15.0, 112.5, 0.0},
    {TScheme::Shunt, 0.0, 0.0, 14.0},
};

TEST(GeneratorCharacteristic, ReadsWhatTheInstrumentsShow) {
    for (const TCase& c : Readings) {
        const auto reading = TGeneratorCharacteristic::At(c.Scheme, c.Rheostat);
        EXPECT_DOUBLE_EQ(reading.Current, c.Current) << "rheostat " << c.Rheostat;
        EXPECT_DOUBLE_EQ(reading.Voltage, c.Voltage) << "rheostat " << c.Rheostat;
    }
}

TEST(GeneratorCharacteristic, SeriesTurnsAtTheAmmetersThresholdInclusive) {
    // 125 mA is reached at 13.6: the falling branch starts there, not one step later.
    EXPECT_NEAR(TGeneratorCharacteristic::At(TScheme::Series, 13.6).Voltage, 13.4, 1e-9);
    EXPECT_DOUBLE_EQ(TGeneratorCharacteristic::At(TScheme::Series, 13.5).Voltage, 14.0);
}

TEST(GeneratorCharacteristic, OnlyTheShuntTurnsBackAndOnlyPastTwelve) {
    EXPECT_FALSE(TGeneratorCharacteristic::TurnedBack(TScheme::Shunt, 12.0));
    EXPECT_TRUE(TGeneratorCharacteristic::TurnedBack(TScheme::Shunt, 12.01));
    EXPECT_FALSE(TGeneratorCharacteristic::TurnedBack(TScheme::Independent, 15.0));
    EXPECT_FALSE(TGeneratorCharacteristic::TurnedBack(TScheme::Series, 15.0));
}

} // namespace
