#include <gtest/gtest.h>

#include "finance/IncomeFormulae.h"
#include "tests/finance/BigArena.h"
#include "world/Match.h"
#include "world/Team.h"

namespace {

// Two clubs of fan amount 4 (3111 spectators each in the top league) with
// empty squads; the home club's big standing arena asks the standard fees.
struct Pairing {
    CTeam home, away;
    Pairing() {
        EnlargeArena(home.arena, 15000, kStandingLarge);
        home.account.Reset();
        SetHomeBenchFee(CalcAdmissionFees(1, home).bench);
    }
    void SetHomeBenchFee(int32_t fee) {
        home.account.SetAdmissionFee(kBenchAdmission, static_cast<uint16_t>(fee));
    }
    uint32_t Attendance() const { return ComputeMatchAttendance(1, home, away); }
};

}  // namespace

TEST(MatchAttendance, NeighboursComeInFullFarAwayFansFewer) {
    Pairing derby;
    // Home demand x 1.2 for a derby, x 0.98 for media attention 3.
    EXPECT_EQ(derby.Attendance(), 6769u);

    Pairing distant;
    distant.away.mapPosition = 40 << 8 | 30;
    EXPECT_EQ(distant.Attendance(), 3570u);
}

TEST(MatchAttendance, FeesAgainstTheStandardMoveTheCrowd) {
    struct Case {
        int32_t fee;
        uint32_t spectators;
    };
    for (const Case& c : {Case{1200, 6769}, Case{600, 9476}, Case{1800, 2709}, Case{2400, 0}}) {
        Pairing p;
        p.SetHomeBenchFee(c.fee);
        EXPECT_EQ(p.Attendance(), c.spectators) << c.fee;
    }
}

TEST(MatchAttendance, NeverMoreThanTheArenaHolds) {
    CTeam home, away;
    home.fanAmount = away.fanAmount = 0x77;
    ASSERT_EQ(home.arena.GetCapacity(), 300u);
    EXPECT_EQ(ComputeMatchAttendance(1, home, away), 300u);
}
