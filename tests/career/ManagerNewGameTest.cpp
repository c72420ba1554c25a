#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "finance/IncomeFormulae.h"
#include "platform/Random.h"
#include "tests/career/ManagerFixture.h"

namespace {

// A new game: the career and the owned lists start again, he has his own
// player, his club his first contract and a free coach's post, his national
// team him as its coach.
TEST(ManagerNewGame, SetsUpHisPlayerClubAndNationalTeam) {
    struct Case {
        const char* what;
        bool club;
        bool nationalTeam;
    };
    const Case cases[] = {
        {"club and national team", true, true},
        {"a club only", true, false},
        {"neither", false, false},
    };
    for (const Case& c : cases) {
        ManagerAtClub m;
        CTeam& club = m.Club();
        club.coachFirstName = "Old";
        club.coachSurname = "Coach";
        club.coachCode = 0x36;
        const std::string clubName = club.name;
        CTeam& national = m.fixture.Nation(0, 1).nationalTeam;
        national.coachSurname = "Former";
        if (!c.club)
            g_manager.PlaceWithoutClub();
        if (c.nationalTeam)
            g_manager.nationalTeam = &national;
        g_manager.championships = 3;
        g_manager.coachingSkills.push_back(std::make_unique<CCoachingSkill>());
        g_manager.usedProperty.push_back(std::make_unique<CProperty>());
        g_manager.furtherProperty.push_back(std::make_unique<CProperty>());
        const size_t pool = m.Nation().coachPool.size();
        SeedRandom(5);

        g_manager.PrepareNewGame();

        EXPECT_EQ(g_manager.championships, 0) << c.what;
        EXPECT_TRUE(g_manager.coachingSkills.empty()) << c.what;
        EXPECT_TRUE(g_manager.usedProperty.empty()) << c.what;
        EXPECT_TRUE(g_manager.furtherProperty.empty()) << c.what;

        ASSERT_NE(g_manager.ownPlayer, nullptr) << c.what;
        const CPlayer& self = *g_manager.ownPlayer;
        EXPECT_EQ(self.GetDisplayName(false), "Erik Lindqvist") << c.what;
        EXPECT_EQ(self.birthday, g_manager.birthday) << c.what;
        EXPECT_EQ(self.styleTraits & CManager::kOwnPlayerMarks, CManager::kOwnPlayerMarks) << c.what;
        EXPECT_EQ(self.GetSlot(), CPlayer::kNoSlot) << c.what;
        EXPECT_EQ(self.GetTalent(), 3) << c.what;
        EXPECT_GE(self.GetStrengthClass(), 1) << c.what;
        EXPECT_LE(self.GetStrengthClass(), 3) << c.what;

        if (c.club) {
            EXPECT_GE(g_manager.contractYears, 1) << c.what;
            EXPECT_LE(g_manager.contractYears, 3) << c.what;
            EXPECT_GT(g_manager.salary, 0) << c.what;
            EXPECT_EQ(g_manager.clubsManaged, 1) << c.what;
            EXPECT_TRUE(club.coachSurname.empty()) << c.what;
            ASSERT_EQ(m.Nation().coachPool.size(), pool + 1) << c.what;
            const StaffPerson& old = m.Nation().coachPool.back();
            EXPECT_EQ(old.firstName + " " + old.surname, "Old Coach") << c.what;
            EXPECT_EQ(old.code, 0x36) << c.what;
            // Marks the club for the manager's start at its season start.
            EXPECT_EQ(club.managerSurname, clubName) << c.what;
        } else {
            EXPECT_EQ(g_manager.contractYears, 0) << c.what;
            EXPECT_EQ(g_manager.clubsManaged, 0) << c.what;
            EXPECT_EQ(club.coachSurname, "Coach") << c.what;
        }
        if (c.nationalTeam) {
            EXPECT_EQ(national.coachFirstName + " " + national.coachSurname, "Erik Lindqvist") << c.what;
            EXPECT_EQ(national.GetCoachCompetence(), 4) << c.what;
            EXPECT_EQ(static_cast<uint32_t>(g_manager.nationalCoachSalary), CalcStaffSalary(4, 1, true)) << c.what;
        } else {
            EXPECT_EQ(national.coachSurname, "Former") << c.what;
            EXPECT_EQ(g_manager.nationalCoachSalary, 0) << c.what;
        }
    }
}

// A board offers as many seasons as its confidence allows and a target by
// the club's strength, never among the places that go down. Each side may
// hold an option to extend, the club paying a tenth more for its own and a
// tenth less for his; the bonuses take 15-29 % of the sum, the title bonus
// 5-9 points less than the placing bonus.
TEST(ManagerContract, ProposedTermsFollowTheBoardAndTheClub) {
    struct Case {
        uint8_t confidence;
        int club;
        int longest;
        int target;
    };
    const Case cases[] = {
        {40, 0, 1, 1},   // the strongest club
        {75, 2, 2, 3},
        {100, 5, 3, 4},  // the weakest of six: place 6 goes down
    };
    for (const Case& c : cases) {
        ManagerAtClub m;
        const CLeague& league = *g_manager.league;
        CTeam& club = *league.clubs[static_cast<size_t>(c.club)];
        club.clubConfidence = c.confidence;
        const int64_t matchDays = league.GetMatchDayCount(true, true, true);
        std::set<int32_t> years;
        std::set<int64_t> sums;
        std::vector<ManagerContract> offers;
        for (uint32_t seed = 0; seed < 200; ++seed) {
            // Seeds apart, so that the first draws after them differ too.
            SeedRandom(seed * 2654435761u);
            const ManagerContract terms = g_manager.ProposeContractTerms(league, club);
            offers.push_back(terms);
            years.insert(terms.years);
            EXPECT_EQ(terms.targetPlace, c.target) << int{c.confidence};
            const int64_t sum = int64_t{terms.salary} + terms.placingBonus;
            sums.insert(sum);
            bool shareFound = false;
            for (int64_t share = 15; share <= 29; ++share) {
                const int64_t title = terms.titleBonus;
                shareFound |= terms.placingBonus == sum * share / 100 &&
                              terms.pointBonus == sum * share / matchDays / 100 &&
                              title <= (share - 5) * sum / 100 && title >= (share - 9) * sum / 100;
            }
            EXPECT_TRUE(shareFound) << seed;
        }
        EXPECT_EQ(*years.begin(), 1) << int{c.confidence};
        EXPECT_EQ(*years.rbegin(), c.longest) << int{c.confidence};
        // Without options, with both (a tenth up, then a tenth down), and
        // with one of them.
        ASSERT_EQ(sums.size(), 4u) << int{c.confidence};
        const std::vector<int64_t> s(sums.begin(), sums.end());
        EXPECT_NEAR(s[2] * 11 / 10, s[3], 1);
        EXPECT_NEAR(s[2] * 9 / 10, s[0], 1);
        EXPECT_NEAR(s[3] * 9 / 10, s[1], 1);
        for (const ManagerContract& terms : offers) {
            const int64_t sum = int64_t{terms.salary} + terms.placingBonus;
            EXPECT_EQ(terms.clubOption == 1, sum == s[3] || sum == s[1]);
            EXPECT_EQ(terms.managerOption == 1, sum == s[0] || sum == s[1]);
        }
    }
}

}  // namespace
