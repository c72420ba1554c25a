#include <gtest/gtest.h>

#include "tools/simulate/MoneyReport.h"
#include "world/League.h"
#include "world/Team.h"

// A club the crisis test leaves in crisis must have gone through a crisis
// step at it; one left there test after test without one is drifting. Only
// the test days count: between them a club may pass its credit limit.
TEST(MoneyReport, DebtsThatDriftWithoutACrisisAreAFault) {
    CTeam club;
    CLeague league;
    struct Test {
        bool inCrisis;
        bool crisisStep;
        size_t faults;
    };
    const Test tests[] = {
        {true, false, 0}, {true, false, 0}, {true, true, 0},   // a crisis starts the count again
        {true, false, 0}, {true, false, 0}, {true, false, 1},  // the third test in a row
        {true, false, 0},                                      // told once
        {false, false, 0}, {true, false, 0}, {true, false, 0}, // recovered at one test
    };
    MoneyTally tally;
    int n = 0;
    for (const Test& t : tests) {
        if (t.crisisStep) {
            tally.CrisisStep(club, league, false);
        }
        tally.CrisisTestSeen(club, "Debtors", t.inCrisis);
        MoneyReport report;
        tally.Settle(report);
        EXPECT_EQ(report.faults.size(), t.faults) << "test " << n;
        ++n;
    }
}

TEST(MoneyReport, EventsAreAddedToTheirLeagueOnce) {
    CTeam club;
    CLeague first, second;
    MoneyReport report;
    report.leagues = {LeagueMoney{.league = &first}, LeagueMoney{.league = &second}};
    MoneyTally tally;
    tally.TaxPaid(club, first, 300);
    tally.TaxPaid(club, first, 200);
    tally.CrisisStep(club, second, false);
    tally.CrisisStep(club, second, true);
    tally.Settle(report);
    EXPECT_EQ(report.leagues[0].tax, 500);
    EXPECT_EQ(report.leagues[1].crises, 1);
    EXPECT_EQ(report.leagues[1].bankruptcies, 1);

    MoneyReport next;
    next.leagues = {LeagueMoney{.league = &first}};
    tally.Settle(next);
    EXPECT_EQ(next.leagues[0].tax, 0);
}

// What one club books for a transfer another pays; only the players a club
// in crisis lets go bring fees that nobody pays.
TEST(MoneyReport, FeesNobodyPaidAreAFault) {
    CTeam club;
    club.account.SetProfessional(1);
    club.account.ApplyProfessionalSize();
    struct Case {
        int64_t received;
        int64_t paid;
        uint32_t released;
        size_t faults;
    };
    for (const Case& c : {Case{1000, 1000, 0, 0}, Case{1300, 1000, 300, 0}, Case{1300, 1000, 0, 1},
                          Case{1000, 1300, 0, 1}}) {
        MoneyTally tally;
        if (c.released != 0)
            tally.PlayerReleased(club, c.released);
        MoneyReport report;
        report.feesReceived = c.received;
        report.feesPaid = c.paid;
        tally.Settle(report);
        EXPECT_EQ(report.faults.size(), c.faults) << c.received << " " << c.paid << " " << c.released;
    }
}
