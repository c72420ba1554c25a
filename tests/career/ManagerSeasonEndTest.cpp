#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Random.h"
#include "squad/Training.h"
#include "tests/career/ManagerFixture.h"

namespace {

constexpr uint32_t kDismissedBit = 0x80000000u;

// The club in the other league of the same nation, as promotion or
// relegation leaves it.
void MoveClub(CNation& nation, CTeam* club, size_t from, size_t to) {
    auto& clubs = nation.leagues[from]->clubs;
    const auto at = std::find_if(clubs.begin(), clubs.end(), [club](const auto& c) { return c.get() == club; });
    nation.leagues[to]->clubs.push_back(std::move(*at));
    clubs.erase(at);
}

// At the season end he follows his club into its new league: a promotion
// pays his title bonus and sets a target outside the places that go down,
// a relegation a target by the club's strength there. Each season end
// counts a season at the club and one less on his contract.
TEST(ManagerSeasonEnd, HeFollowsHisClubUpAndDown) {
    struct Case {
        const char* what;
        size_t from, to;
        int32_t bonusPaid;
        int promotions;
    };
    const Case cases[] = {
        {"stays", 0, 0, 0, 0},
        {"promoted", 1, 0, 25000, 1},
        {"relegated", 0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        ManagerAtClub m;
        CNation& nation = m.Nation();
        CTeam* club = nation.leagues[c.from]->clubs[5].get();
        g_manager.league = nation.leagues[c.from].get();
        g_manager.club = club;
        g_manager.SetContract({80000, 5000, 25000, 100, 3, 2, 0, 0});
        g_manager.seasonsAtClub = 1;
        if (c.from != c.to)
            MoveClub(nation, club, c.from, c.to);
        const CLeague& now = *nation.leagues[c.to];
        SeedRandom(2);

        g_manager.EndSeason();

        EXPECT_EQ(g_manager.club, club) << c.what;
        EXPECT_EQ(g_manager.league, &now) << c.what;
        EXPECT_EQ(g_manager.balance, c.bonusPaid) << c.what;
        EXPECT_EQ(g_manager.promotions, c.promotions) << c.what;
        EXPECT_EQ(g_manager.seasonsAtClub, 2) << c.what;
        EXPECT_EQ(g_manager.contractYears, 2) << c.what;
        EXPECT_EQ(g_trainingUnitsPerWeek, now.trainingUnits) << c.what;
        const int rank = now.GetStrengthRank(club);
        const int expected = c.from == c.to ? 2 : c.to < c.from ? std::min(rank, 7 - 2) : rank;
        EXPECT_EQ(g_manager.targetPlace, expected) << c.what;
    }
}

// A contract with one season left ends with the season: without an agreed
// contract he leaves the club's posts and lives without a club; with one he
// takes up the club agreed for next season under its terms.
TEST(ManagerSeasonEnd, AContractThatEnds) {
    for (const bool agreed : {false, true}) {
        ManagerAtClub m;
        CTeam& club = m.Club();
        g_manager.StartClubSeason(true);  // opens his career row there
        ASSERT_EQ(club.coachSurname, "Lindqvist");
        CTeam* next = m.fixture.League(0, 1).clubs[1].get();
        g_manager.contractYears = 1;
        if (agreed) {
            g_manager.hasNextContract = 1;
            g_manager.nextClub = next;
            g_manager.nextSalary = 70000;
            g_manager.nextContractYears = 2;
            g_manager.nextTargetPlace = 4;
        }
        CTeam* shown = &club;
        g_manager.shownTeam = &shown;
        g_gameDate = Date(2004, 6, 30);

        g_manager.EndSeason();

        const std::string what = agreed ? "agreed" : "without";
        EXPECT_TRUE(club.managerSurname.empty()) << what;
        EXPECT_TRUE(club.coachSurname.empty()) << what;
        ASSERT_EQ(g_manager.clubCareerRows.size(), agreed ? 11u : 10u) << what;
        EXPECT_EQ(g_manager.clubCareerRows[0], 2004u << 16 | 2003u) << what;
        EXPECT_EQ(g_manager.clubCareerRows[1] & kDismissedBit, 0u) << what;
        if (!agreed) {
            EXPECT_EQ(g_manager.club, &g_noClubTeam) << what;
            EXPECT_EQ(shown, &g_noClubTeam) << what;
            continue;
        }
        EXPECT_EQ(g_manager.club, next) << what;
        EXPECT_EQ(g_manager.league, &m.fixture.League(0, 1)) << what;
        EXPECT_EQ(shown, next) << what;
        EXPECT_EQ(g_manager.salary, 70000) << what;
        EXPECT_EQ(g_manager.contractYears, 2) << what;
        EXPECT_EQ(g_manager.targetPlace, 4) << what;
        EXPECT_EQ(g_manager.hasNextContract, 0) << what;
        EXPECT_EQ(next->managerSurname, "Lindqvist") << what;
        EXPECT_EQ(g_manager.clubCareerNames.back(), next->name) << what;
    }
}

// A club that no league of its nation holds any more lets him go.
TEST(ManagerSeasonEnd, AClubGoneFromTheLeaguesDismissesHim) {
    ManagerAtClub m;
    CTeam* club = &m.Club();
    auto& clubs = g_manager.league->clubs;
    std::unique_ptr<CTeam> gone = std::move(clubs[ManagerAtClub::kClub]);
    clubs.erase(clubs.begin() + ManagerAtClub::kClub);
    m.Nation().extraTeams.push_back(std::move(gone));
    g_manager.SetContract({60000, 0, 0, 0, 2, 3, 0, 0});

    g_manager.EndSeason();

    EXPECT_EQ(g_manager.club, &g_noClubTeam);
    EXPECT_EQ(m.Titles(), std::vector<std::string>{"Dismissal"});
    EXPECT_EQ(club->account.GetFigure(kCostEmployees), 10000u);
}

// A dismissal pays (seasons at the club + 1) monthly salaries for each
// season left; the club books them, appoints a coach and a manager from
// the pool, and the news names the club, its chief and unhappy fans.
TEST(ManagerDismissal, PaysHimOffAndLeavesTheClub) {
    struct Case {
        int32_t seasonsAtClub, salary, years;
        uint8_t fanReputation;
        uint32_t compensation;
        bool celebrated;
    };
    const Case cases[] = {
        {2, 120000, 2, 60, 60000, false},
        {0, 60000, 1, 49, 5000, true},
        {4, 100000, 0, 10, 0, true},
        {0, 50011, 5, 90, 20835, false},  // a month's pay rounded down before the seasons count
    };
    for (const Case& c : cases) {
        ManagerAtClub m;
        CTeam& club = m.Club();
        g_manager.StartClubSeason(true);
        club.article = 1;
        club.chiefFirstName = "Gunnar";
        club.chiefSurname = "Dahl";
        club.fansNickname = "Wolves";
        club.fanReputation = c.fanReputation;
        // Pool people of the club's level, whom it appoints.
        const auto level = static_cast<uint8_t>(club.GetAverageStrength() + 1);
        m.Nation().coachPool.push_back({"Lars", "Eklund", PackDate(Date(1960, 1, 1)), level});
        m.Nation().managerPool.push_back({"Per", "Moberg", PackDate(Date(1961, 1, 1)), level});
        g_manager.seasonsAtClub = c.seasonsAtClub;
        g_manager.salary = c.salary;
        g_manager.contractYears = c.years;
        g_manager.balance = 100;

        g_manager.Dismiss();

        EXPECT_EQ(g_manager.balance, static_cast<int32_t>(100 + c.compensation)) << c.compensation;
        EXPECT_EQ(club.account.GetFigure(kCostEmployees), c.compensation) << c.compensation;
        EXPECT_EQ(g_manager.club, &g_noClubTeam) << c.compensation;
        EXPECT_EQ(g_manager.salary, 0) << c.compensation;
        EXPECT_EQ(g_manager.contractYears, 0) << c.compensation;
        EXPECT_EQ(club.coachSurname, "Eklund") << c.compensation;
        EXPECT_EQ(club.managerSurname, "Moberg") << c.compensation;
        ASSERT_EQ(g_manager.clubCareerRows.size(), 10u) << c.compensation;
        EXPECT_NE(g_manager.clubCareerRows[1] & kDismissedBit, 0u) << c.compensation;

        ASSERT_EQ(m.runner.Records().size(), 1u) << c.compensation;
        const std::string& text = m.runner.Records()[0].text;
        const std::string expected = "The " + club.name +
                                     " lost all confidence in you and dissolves your contract.  You receive a "
                                     "compensation of " +
                                     std::to_string(c.compensation) +
                                     " \x80, Gunnar Dahl wishes you good luck with you career." +
                                     (c.celebrated ? " The Wolves celebrate your dismissal." : "");
        EXPECT_EQ(text, expected);
    }
}

}  // namespace
