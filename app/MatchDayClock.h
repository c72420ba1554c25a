#pragma once

#include <array>
#include <cstdint>

#include "engine/MatchOptions.h"

// Time units every match plays per tick: on days without the user's
// match, and on days with it.
extern std::array<uint8_t, 2> g_matchSliceSize;
// Ticks the live match stands still for each new report line.
extern int g_textSpeed;
// Back to the speeds the program starts with.
void ResetMatchDayGlobals();

// The time of a live match day, shared by all its matches: two halves of
// 1800 time units, then for matches still undecided two extra times of two
// periods of 300 units each, then the 7m shoot-out. The main window passes
// each tick's slice and asks after it whether a phase has ended.
class MatchDayClock {
public:
    static constexpr int kHalfUnits = 1800;
    static constexpr int kExtraPeriodUnits = 300;

    enum Phase : uint8_t {
        kFirstHalf = 0x80,
        kSecondHalf = 0x40,
        kFirstExtraA = 0x20,
        kFirstExtraB = 0x10,
        kSecondExtraA = 0x08,
        kSecondExtraB = 0x04,
        kShootoutPlayed = 0x02,
    };

    // What the end of a phase asks of the runner.
    enum class Change {
        kNone,
        kHalfTime,       // a break for the user whenever he plays
        kPeriodBreak,    // a break for the user while his own match runs
        kPlayShootout,   // the matches still running go to the shoot-out
        kDayOver,        // no match runs any more
    };

    void Start() {
        phase_ = kFirstHalf;
        time_ = 0;
    }
    void Pass(int units) { time_ += units; }
    // At most one phase ends per tick.
    Change EndPhaseIfDue(bool anyMatchRunning);
    // The panels are redrawn after a tick unless its phase change said no.
    static bool Redraws(Change change) { return change == Change::kNone || change == Change::kPeriodBreak; }

    uint8_t CurrentPhase() const { return phase_; }
    int Time() const { return time_; }

private:
    Change Next(Phase next, Change change);
    Change StopAt(int units);

    uint8_t phase_ = kFirstHalf;
    int time_ = 0;
};
