#include <gtest/gtest.h>

#include "platform/Random.h"
#include "tests/career/ManagerFixture.h"

namespace {

const Date kFirstMonday(2003, 9, 1);
const Date kSecondMonday(2003, 9, 8);

// On the month's first Monday he pays his costs of living; what he cannot
// pay leaves him with nothing.
TEST(ManagerWeek, LivingCostsOnTheFirstMondayOfTheMonth) {
    struct Case {
        Date date;
        int32_t balance;
        bool paid;
    };
    const Case cases[] = {
        {kFirstMonday, 100000, true},
        {kFirstMonday, 500, true},
        {kFirstMonday, -2000, true},
        {kSecondMonday, 500, false},
    };
    for (const Case& c : cases) {
        ManagerAtClub m;
        g_gameDate = c.date;
        g_manager.salary = 60000;
        g_manager.balance = c.balance;
        const int64_t costs = g_manager.GetMonthlyLivingCosts();
        ASSERT_GT(costs, 500);

        g_manager.DoWeeklyStep();

        const int64_t expected = !c.paid ? c.balance : c.balance >= costs ? c.balance - costs : 0;
        EXPECT_EQ(g_manager.balance, expected) << c.balance;
    }
}

// A national coach is paid a twelfth of his salary on the month's first
// Monday, also in the week in which the board sends him away; then he
// hears so, his national row closes as a dismissal, and the nation appoints
// a coach from its pool.
TEST(ManagerWeek, TheNationalCoachsPostAndPay) {
    struct Case {
        const char* what;
        Date date;
        bool backed;
        bool paid;
    };
    const Case cases[] = {
        {"backed, first Monday", kFirstMonday, true, true},
        {"backed, second Monday", kSecondMonday, true, false},
        {"sent away, first Monday", kFirstMonday, false, true},
        {"sent away, second Monday", kSecondMonday, false, false},
    };
    for (const Case& c : cases) {
        ManagerAtClub m;
        CNation& nation = m.fixture.Nation(0, 1);
        CTeam& national = nation.nationalTeam;
        g_manager.nationalTeam = &national;
        national.coachFirstName = "Erik";
        national.coachSurname = "Lindqvist";
        national.clubConfidence = c.backed ? 80 : 20;
        const auto level = static_cast<uint8_t>(national.GetAverageStrength() + 1);
        nation.coachPool.push_back({"Lars", "Eklund", PackDate(Date(1960, 1, 1)), level});
        CTeam* shown = &national;
        g_manager.shownTeam = &shown;
        g_manager.RecordCareerStation(true, true, false);
        g_manager.nationalCoachSalary = 120000;
        g_manager.salary = 0;
        g_manager.balance = 0;
        g_gameDate = c.date;
        const int64_t costs = c.paid ? g_manager.GetMonthlyLivingCosts() : 0;

        g_manager.DoWeeklyStep();

        EXPECT_EQ(g_manager.balance, c.paid ? std::max<int64_t>(10000 - costs, 0) : 0) << c.what;
        if (c.backed) {
            EXPECT_EQ(g_manager.nationalTeam, &national) << c.what;
            EXPECT_TRUE(m.runner.Records().empty()) << c.what;
            continue;
        }
        EXPECT_EQ(g_manager.nationalTeam, &g_noClubTeam) << c.what;
        EXPECT_EQ(national.coachSurname, "Eklund") << c.what;
        EXPECT_EQ(shown, g_manager.club) << c.what;
        EXPECT_EQ(m.Titles(), std::vector<std::string>{"no national coach anymore"}) << c.what;
        ASSERT_EQ(g_manager.nationalCareerRows.size(), 5u) << c.what;
        EXPECT_NE(g_manager.nationalCareerRows[1] & 0x80000000u, 0u) << c.what;
    }
}

// The characters of his squad move his club every week: cheerful players
// and trouble spots the team spirit, leaders, fighters, the apathetic and
// the lazy the fighting spirit, scandals and model players the fans and the
// media. Where both sides are as many, nothing moves.
TEST(ManagerWeek, TheSquadsCharactersMoveTheClub) {
    struct Trait {
        bool character;
        int trait;
    };
    struct Case {
        const char* what;
        std::vector<Trait> traits;  // for every player
        int teamSpirit, fightingSpirit;  // steps from neutral
        int mediaSign, fansSign;
    };
    const Case cases[] = {
        {"cheerful", {{true, kCheerfulPlayer}}, 14, 0, 0, 0},
        {"trouble spots", {{true, kTroubleSpot}}, -14, 0, 0, 0},
        {"leading fighters", {{true, kLeader}, {false, kFighter}}, 0, 28, 0, 0},
        {"lazy", {{false, kLazyPlayer}}, 0, -14, 0, 0},
        {"apathetic", {{true, kApathy}}, 0, -14, -1, 0},
        {"scandalous", {{true, kScandalous}}, 0, 0, 1, -1},
        {"model players", {{true, kModelPlayer}}, 0, 0, 0, 1},
        {"leaders without drive", {{true, kLeader}, {true, kApathy}}, 0, 0, -1, 0},
    };
    for (const Case& c : cases) {
        for (uint32_t seed = 0; seed < 20; ++seed) {
            ManagerAtClub m;
            CTeam& club = m.Club();
            club.boardAndMedia = 0x33;
            club.fanReputation = 50;
            for (const PlayerPtr& player : club.squad) {
                player->characterTraits = player->styleTraits = 0;
                for (const Trait& t : c.traits)
                    (t.character ? player->characterTraits : player->styleTraits) |= CPlayer::TraitBit(t.trait);
            }
            ASSERT_EQ(club.squad.size(), 14u);
            g_gameDate = kSecondMonday;
            SeedRandom(seed);

            g_manager.DoWeeklyStep();

            EXPECT_EQ(club.teamSpirit, CTeam::kNeutralSpirit + c.teamSpirit) << c.what;
            EXPECT_EQ(club.fightingSpirit, CTeam::kNeutralSpirit + c.fightingSpirit) << c.what;
            const auto sign = [](int v) { return (v > 0) - (v < 0); };
            const int media = club.GetMediaAttention() - 3;
            const int fans = club.fanReputation - 50;
            EXPECT_TRUE(media == 0 || sign(media) == c.mediaSign) << c.what << " " << seed;
            EXPECT_TRUE(fans == 0 || sign(fans) == c.fansSign) << c.what << " " << seed;
        }
    }
}

}  // namespace
