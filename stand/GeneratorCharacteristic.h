#pragma once

// The generator's external characteristic in closed form: what the ammeter and the voltmeter of
// the bench show for a rheostat value in each excitation scheme, clamped to their dials as the
// instruments clamp them. The bench's model reaches the same values step by step through the
// instruments; the characteristic pictures are drawn from these, so the two always agree.
class TGeneratorCharacteristic {
public:
    enum class TScheme { Independent, Series, Shunt };

    struct TReading {
        double Current; // mA, 0 … 200
        double Voltage; // V, 0 … 14
    };

    static constexpr double RheostatMax = 15.0;
    static constexpr double CurrentMax = 200.0;
    static constexpr double VoltageMax = 14.0;

    static TReading At(TScheme scheme, double rheostat);
    // In the shunt scheme the current turns back past this rheostat value.
    static bool TurnedBack(TScheme scheme, double rheostat);

private:
    static TReading Independent(double rheostat);
    static TReading Series(double rheostat);
    static TReading Shunt(double rheostat);
    static double Clamp(double value, double max);
};
