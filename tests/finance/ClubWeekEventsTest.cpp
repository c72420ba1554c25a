#include <gtest/gtest.h>

#include "platform/Random.h"
#include "tests/finance/FinanceSamples.h"
#include "tests/world/CalendarWorldFixture.h"
#include "tests/world/PlayerSamples.h"
#include "world/Finance.h"

namespace {

constexpr int kWeeks = 120;

// A club of a small world, its youth and amateur teams run week after week
// on one date.
struct ClubWeeks {
    CalendarWorld fixture{{.nations = 1}};
    CLeague& league = fixture.League(0, 0);
    CTeam& club = *league.clubs[0];

    void Run(const Date& day) {
        GameDateScope date(day);
        for (int week = 0; week < kWeeks; ++week)
            club.account.RunClubWeekEvents(league, club);
    }
};

}  // namespace

// Players come, grow and go only in a month's first week.
TEST(ClubWeekEvents, YouthAndAmateursMoveOnlyInTheFirstWeekOfAMonth) {
    const struct {
        Date day;
        bool moves;
    } cases[] = {{Date(2004, 3, 1), true}, {Date(2004, 3, 7), true}, {Date(2004, 3, 8), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day.Day());
        SeedRandom(11);
        ClubWeeks w;
        w.Run(c.day);
        EXPECT_EQ(!w.club.youth.empty(), c.moves);
        EXPECT_EQ(!w.club.amateurs.empty(), c.moves);
    }
}

// A club whose amateur team is a club of the nation sends its new amateurs
// there; its own amateur list stays empty.
TEST(ClubWeekEvents, NewAmateursJoinTheAmateurClubOfThatName) {
    SeedRandom(12);
    ClubWeeks w;
    CTeam& second = *w.league.clubs[5];
    w.club.amateurTeamName = second.name;
    const size_t before = second.squad.size();
    w.Run(Date(2004, 3, 1));
    EXPECT_TRUE(w.club.amateurs.empty());
    EXPECT_GT(second.squad.size(), before);
}

// Only unpaid youth players leave for a job: those under contract stay,
// while newcomers, who are unpaid, come and go.
TEST(ClubWeekEvents, PaidYouthPlayersNeverLeave) {
    SeedRandom(13);
    ClubWeeks w;
    std::vector<const CPlayer*> paid;
    for (int i = 0; i < 30; ++i) {
        auto young = MakeCalendarPlayer(1, i % 7, 2);
        young->salaryHundreds = 50;
        paid.push_back(young.get());
        w.club.youth.push_back(std::move(young));
    }
    w.Run(Date(2004, 3, 1));
    size_t stayed = 0;
    for (const auto& young : w.club.youth)
        stayed += std::count(paid.begin(), paid.end(), young.get());
    EXPECT_EQ(stayed, paid.size());
}

// Interest falls due once a month, in its first week: on the loans, which
// then run a month down, then on the club's money, at the overdraft rate on
// a debt and half the investment base rate on credit.
TEST(ClubWeekEvents, InterestIsBookedInTheFirstWeekOfAMonth) {
    const struct {
        int day;
        int32_t capital;
        uint32_t cost;
        uint32_t income;
        uint32_t months;
    } cases[] = {
        // The loan's 708 comes first and is part of the money then reckoned.
        {1, 0, 708 + 6, 0, 23},            // 7 hundreds overdrawn x 110 / 120
        {7, -120000, 708 + 1106, 0, 23},   // 1207 hundreds x 110 / 120
        {7, 1200000, 708, 1199, 23},       // 11992 hundreds x 12 / 120
        {8, -120000, 0, 0, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << " " << c.capital);
        SeedRandom(14);
        ClubWeeks w;
        w.club.account = ProfessionalAccount();
        w.club.capital = c.capital;
        w.club.account.AppendTransaction({true, 85, 24, 100000});
        GameDateScope date(Date(2004, 3, c.day));
        w.club.account.RunClubWeekEvents(w.league, w.club);
        EXPECT_EQ(w.club.account.GetFigure(kCostMiscellaneous), c.cost);
        EXPECT_EQ(w.club.account.GetFigure(kIncomeMiscellaneous), c.income);
        EXPECT_EQ(w.club.account.GetTransaction(0).months, c.months);
    }
}
