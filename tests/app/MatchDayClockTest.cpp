#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/MatchDayClock.h"

namespace {

using Change = MatchDayClock::Change;

// Plays the clock in slices of 10 until the day is over, a match still
// running while `running` says so; the changes in the order they came.
std::vector<Change> PlayDay(const std::function<bool(const MatchDayClock&)>& running) {
    MatchDayClock clock;
    clock.Start();
    std::vector<Change> changes;
    for (int tick = 0; tick < 10000; ++tick) {
        clock.Pass(10);
        const Change c = clock.EndPhaseIfDue(running(clock));
        if (c == Change::kNone)
            continue;
        changes.push_back(c);
        if (c == Change::kDayOver || c == Change::kPlayShootout)
            break;
    }
    return changes;
}

TEST(MatchDayClock, EndsAfterTheSecondHalfWhenNoMatchNeedsExtraTime) {
    MatchDayClock clock;
    clock.Start();
    for (int i = 0; i < 179; ++i) {
        clock.Pass(10);
        EXPECT_EQ(clock.EndPhaseIfDue(true), Change::kNone);
    }
    clock.Pass(10);
    EXPECT_EQ(clock.EndPhaseIfDue(true), Change::kHalfTime);
    EXPECT_EQ(clock.CurrentPhase(), MatchDayClock::kSecondHalf);
    EXPECT_EQ(clock.Time(), 0);

    EXPECT_EQ(PlayDay([](const MatchDayClock&) { return false; }),
              (std::vector<Change>{Change::kHalfTime, Change::kDayOver}));
}

TEST(MatchDayClock, RunsIntoExtraTimeAndTheShootoutWhileAMatchIsUndecided) {
    const std::vector<Change> extraOnce =
        PlayDay([](const MatchDayClock& c) { return c.CurrentPhase() != MatchDayClock::kFirstExtraB; });
    EXPECT_EQ(extraOnce, (std::vector<Change>{Change::kHalfTime, Change::kPeriodBreak, Change::kPeriodBreak,
                                              Change::kDayOver}));

    const std::vector<Change> shootout = PlayDay([](const MatchDayClock&) { return true; });
    EXPECT_EQ(shootout, (std::vector<Change>{Change::kHalfTime, Change::kPeriodBreak, Change::kPeriodBreak,
                                             Change::kPeriodBreak, Change::kPeriodBreak, Change::kPlayShootout}));
}

TEST(MatchDayClock, AnEndedDayKeepsThePhaseFull) {
    MatchDayClock clock;
    clock.Start();
    clock.Pass(MatchDayClock::kHalfUnits);
    clock.EndPhaseIfDue(false);
    clock.Pass(MatchDayClock::kHalfUnits + 5);
    EXPECT_EQ(clock.EndPhaseIfDue(false), Change::kDayOver);
    EXPECT_EQ(clock.Time(), MatchDayClock::kHalfUnits);
    EXPECT_FALSE(MatchDayClock::Redraws(Change::kDayOver));
    EXPECT_FALSE(MatchDayClock::Redraws(Change::kHalfTime));
    EXPECT_TRUE(MatchDayClock::Redraws(Change::kPeriodBreak));
}

}  // namespace
