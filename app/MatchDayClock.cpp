#include "app/MatchDayClock.h"

MatchDayClock::Change MatchDayClock::Next(Phase next, Change change) {
    phase_ = next;
    time_ = 0;
    return change;
}

// The day ends with the phase full; its time stands at the phase's length.
MatchDayClock::Change MatchDayClock::StopAt(int units) {
    time_ = units;
    return Change::kDayOver;
}

MatchDayClock::Change MatchDayClock::EndPhaseIfDue(bool anyMatchRunning) {
    switch (phase_) {
    case kFirstHalf:
        return time_ >= kHalfUnits ? Next(kSecondHalf, Change::kHalfTime) : Change::kNone;
    case kSecondHalf:
        if (time_ < kHalfUnits)
            return Change::kNone;
        return anyMatchRunning ? Next(kFirstExtraA, Change::kPeriodBreak) : StopAt(kHalfUnits);
    case kFirstExtraA:
        return time_ >= kExtraPeriodUnits ? Next(kFirstExtraB, Change::kPeriodBreak) : Change::kNone;
    case kFirstExtraB:
        if (time_ < kExtraPeriodUnits)
            return Change::kNone;
        return anyMatchRunning ? Next(kSecondExtraA, Change::kPeriodBreak) : StopAt(kExtraPeriodUnits);
    case kSecondExtraA:
        return time_ >= kExtraPeriodUnits ? Next(kSecondExtraB, Change::kPeriodBreak) : Change::kNone;
    case kSecondExtraB:
        if (time_ < kExtraPeriodUnits)
            return Change::kNone;
        return anyMatchRunning ? Next(kShootoutPlayed, Change::kPlayShootout) : StopAt(kExtraPeriodUnits);
    default:
        return Change::kNone;
    }
}
