#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>

#include "e2e/BenchFixture.h"

namespace {

// The loop shows at most one frame per display frame.
constexpr int FrameMs = 16;
// A student's hand moves the rheostat every few seconds and the mode every fourth time.
constexpr int HandEveryMs = 3000;
constexpr int ModeEveryHands = 4;
constexpr int MinuteMs = 60 * 1000;
constexpr int HourMs = 60 * MinuteMs;
constexpr int ReportEveryMinutes = 10;
constexpr int RheostatSteps = 15;
constexpr long AllowedGrowthKb = 1024;

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class BenchSoak : public BenchFixture {
protected:
    void SwitchOn() {
        ClickMains();
        m_start = App().TickCount();
    }
    std::int64_t SinceOn() { return App().TickCount() - m_start; }
    // The student first tries every scheme over the rheostat's whole range, so that every picture
    // the bench can show has been shown once before the first minute is out.
    void TryEverySchemeAndStep() {
        int direction = 1;
        for (const int mode : {ModeIndependent, ModeSeries, ModeShunt}) {
            SelectMode(mode);
            StepRheostat(direction * RheostatSteps);
            direction = -direction;
        }
        SelectMode(ModeNone);
        m_mode = ModeNone;
    }
    // Runs the bench frame by frame until this long after the mains went on, with the student's
    // hand on the rheostat and the mode switch every few seconds.
    void RunUntil(int sinceOnMs) {
        while (SinceOn() < sinceOnMs) {
            for (int frame = 0; frame < HandEveryMs / FrameMs; ++frame) {
                Advance(FrameMs);
                // The headless desktop keeps what was presented until asked; a real one does not.
                Desktop().TakePresented();
            }
            MoveHand();
        }
    }

private:
    // The rheostat goes to one end step by step and back; the mode goes round all four.
    void MoveHand() {
        const double position = Slider("iSlider1").Position();
        if (position >= RheostatSteps)
            m_direction = -1;
        if (position <= 0.0)
            m_direction = 1;
        StepRheostat(m_direction);
        if (++m_hands % ModeEveryHands == 0) {
            m_mode = (m_mode + 3) % 4;
            SelectMode(m_mode);
        }
    }

    std::int64_t m_start = 0;
    int m_direction = -1;
    int m_hands = 0;
    int m_mode = ModeNone;
};

} // namespace

// After the first minute everything the bench ever allocates (pictures, glyph caches, the
// widgets' paint bitmaps) exists; an hour more must not add to it.
TEST_F(BenchSoak, AnHourWithTheMainsOnHoldsItsResidentMemory) {
    SwitchOn();
    TryEverySchemeAndStep();
    ASSERT_LT(SinceOn(), MinuteMs) << "the first minute holds the whole tour";
    RunUntil(MinuteMs);
    const long firstMinute = ResidentKb();
    std::printf("resident memory after minute 1: %ld kB\n", firstMinute);
    for (int minute = ReportEveryMinutes; minute <= HourMs / MinuteMs;
         minute += ReportEveryMinutes) {
        RunUntil(minute * MinuteMs);
        std::printf("resident memory after minute %d: %ld kB\n", minute, ResidentKb());
    }
    const long afterHour = ResidentKb();
    RecordProperty("ResidentKbFirstMinute", static_cast<int>(firstMinute));
    RecordProperty("ResidentKbAfterHour", static_cast<int>(afterHour));
    EXPECT_LE(afterHour - firstMinute, AllowedGrowthKb);

    // Still running: the mains noise wanders and the motor turns.
    const double mains = Gauge("iAngularGauge1").Position();
    EXPECT_GE(mains, 210.0);
    EXPECT_LE(mains, 224.0);
    EXPECT_TRUE(Timer(4).Enabled());
    EXPECT_TRUE(Desktop().ErrorMessages().empty());
}
