#pragma once

#include <cstdint>
#include <random>

#include "gui/graphics/Color.h"
#include "stand/StandWidgets.h"

// The logic behind the bench: the mains, the mode, the rheostat and what the instruments,
// readouts, lamps and animations show for them. It owns no widgets; it reads the three controls
// and writes the other components through their properties, so every value it writes to a dial
// is clamped by the dial and read back from it where the formulas go on with it.
class TStandModel {
public:
    explicit TStandModel(const TStandWidgets& widgets);

    // The screen's creation: mains off, mode as loaded, the plot's axes drawn.
    void Create();

    void MainsSwitchClick();
    void RheostatChange();
    void ModeClick();
    void ModeChange();
    // The arrows step the rheostat by whole steps; the rheostat stops at its ends itself.
    void StepRheostat(double delta);
    // An arrow is lit while the mouse button is held on it.
    static void LightArrow(TiLedArrow& arrow, bool lit);

    void RunUpTick();     // Timer1, 3 ms
    void NoiseTick();     // Timer2, 500 ms
    void GeneratorTick(); // Timer3, 50 ms
    void MotorTick();     // Timer4, 10 ms

    int MainsOn() const { return m_mainsOn; }
    int RampStep() const { return m_rampStep; }
    double RheostatValue() const { return m_rheostatValue; }
    int SpiralStep() const { return m_spiralStep; }

private:
    enum TTimerIndex { RunUpTimer, NoiseTimer, GeneratorTimer, MotorTimer };

    void SwitchOn();
    void SwitchOff();
    void ResetReadings();
    void ResetGeneratorFrames();
    void UpdateMainsLamp();
    void UpdatePictures();
    void UpdateReadings();
    void UpdateModeLeds();

    void ReadIndependent(int step);
    void ReadSeries();
    void ReadShunt(int step);
    void ShowLamp(bool dim, bool over, bool normal);
    void SetBulbs(int independent, int series, int shunt);
    void SetSchemeLeds(bool independent, bool series, bool shunt);
    void SetReadoutsPowerOff(bool value);
    void SetInstrumentCaptionColor(TColor color);
    void EnableTimer(TTimerIndex timer, bool enabled);
    int Mode() const;

    const TStandWidgets& m_widgets;
    std::int32_t m_mainsOn = 0;
    std::int32_t m_rampStep = 0;
    double m_rheostatValue = 0.0;
    double m_rheostatCurrent = 0.0;
    std::int32_t m_spiralStep = 0;
    // Seeded once from the clock: reseeding from a coarse clock on every noise tick would give
    // the same value tick after tick.
    std::mt19937 m_random;
};
