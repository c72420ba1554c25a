#include <gtest/gtest.h>

#include "tests/career/ManagerFixture.h"
#include "world/League.h"
#include "world/Player.h"
#include "world/World.h"

namespace {

using Scores = std::array<int16_t, kWorkAreaCount + 2>;
using Weights = std::array<int16_t, kWorkAreaCount>;

struct SquadPlayer {
    int age;
    bool goalkeeper;
    std::array<int, kAttributeCount> attributes;
    int motivation;
    float averageGrade;  // with age 22 a grade of 5 keeps his trend at 0
};

// Six players of the strongest class and talent 3, unpaid, none of them
// improving or declining: the keeper's last five attributes must not count.
const SquadPlayer kSquad[] = {
    {26, true, {10, 12, 8, 10, 10, 1, 1, 1, 1, 1}, 100, 0},
    {25, false, {10, 10, 10, 10, 10, 10, 10, 10, 10, 11}, 90, 0},
    {26, false, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 80, 0},
    {27, false, {14, 6, 10, 10, 10, 10, 10, 10, 10, 10}, 100, 0},
    {25, false, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 100, 0},
    {22, false, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 110, 5},
};

constexpr uint8_t kStrongestTalentThree = 0xF3;
constexpr uint8_t kGoalkeeperPosition = 0;
constexpr uint8_t kBackPosition = 3;

void SetCareer(CManager& m) {
    m.promotions = 2;
    m.championships = 1;
    m.seasonsAtClub = 3;
    m.pointsWon = 20;
    m.placingBonusCount = 1;
    m.nationalCupTitles = 1;
    m.markedMatches = 2;  // 1400 points, whose root the game takes as 38
    m.continentalChampionshipTitles = m.otherContinentalCupTitles = m.firstContinentalCupTitles = 0;
    m.olympicTitles = m.superCupTitles = m.worldCupTitles = 0;
    // Two status items in his use add 3 tenths; one he does not use adds nothing.
    for (const auto& [kind, used] : {std::pair{10, 1}, std::pair{15, 0}, std::pair{20, 1}}) {
        auto item = std::make_unique<CProperty>();
        item->kind = static_cast<uint8_t>(kind);
        item->used = static_cast<uint8_t>(used);
        m.usedProperty.push_back(std::move(item));
    }
}

// A club whose every area is worked out by hand in the test below.
void SetClub(ManagerAtClub& fixture) {
    fixture.fixture.world.startYear = 2000;  // three years run: successes weigh 230
    g_manager.league->flags |= kLeagueProfessional;
    g_manager.skillGroupPoints = {3, 1, 2, 0, 4, 2};
    g_manager.weeklyStrength = {};
    g_manager.weeklyStrength[1] = 60;
    g_manager.weeklyStrength[2] = 70;
    g_manager.weeklyStrength[4] = 80;
    CTeam& club = fixture.Club();
    club.squad.clear();
    for (const SquadPlayer& s : kSquad) {
        auto p = std::make_unique<CPlayer>();
        p->birthday = PackDate(Date(2003 - s.age, 1, 1));
        p->positions = s.goalkeeper ? kGoalkeeperPosition : kBackPosition;
        for (int i = 0; i < kAttributeCount; ++i)
            p->SetAttribute(i, s.attributes[static_cast<size_t>(i)]);
        p->motivation = static_cast<uint8_t>(s.motivation);
        p->averageForm = 10;
        p->averageGrade = s.averageGrade;
        p->strengthTalent = kStrongestTalentThree;
        p->salaryHundreds = 0;
        p->bonusTens = 0;
        club.AddPlayer(std::move(p));
    }
    club.teamSpirit = 120;
    club.fightingSpirit = 90;
    club.clubConfidence = 60;
    club.fanReputation = 80;
    club.boardAndMedia = 0x43;  // media attention 4
    club.capital = 0;
    club.account.Book(kCostMiscellaneous, 1000000000);  // deep in debt: health 0, assets -200 %
}

// Roots are the game's own (IntRoot), which may lie one above the true root.
// Team: strength 70 on average gives 54, the squad's wages reach the limit
// of 100: 77. Successes 38. Training: mean 100 (tenths), deviation 130 / 55
// = 2: 96. Attitude: (120 + 88 + 90) / 6 = 49. Youth: 270 - 251 + 0 + 3 = 22.
// Contracts: nobody is paid anything: 100. Image: root 70 + 40 - 30 = 80.
// Finances: (0 + 0) / 2 - 100 = -100. Team and successes earn
// (77 x 470 + 38 x 230) / 700 / 2 + 50 = 82 % of the last six scores.
// The total 55080 / 1000 and 3 tenths of property make 58: level 6.
TEST(WorkEvaluation, AClubsEightAreasWeightedByTheYearsAndTheSkillGroups) {
    ManagerAtClub fixture;
    SetCareer(g_manager);
    SetClub(fixture);
    ASSERT_GE(fixture.Club().SumWageDemands(true, g_manager.league->division, g_manager.GetInflationPermille()),
              50000u);
    ASSERT_EQ(fixture.Club().GetAverageTrend(), 0);

    WorkEvaluation e;
    EXPECT_EQ(g_manager.EvaluateWork(&e), 6);
    EXPECT_EQ(e.scores, (Scores{77, 38, 78, 40, 18, 82, 65, -82, 3, 58}));
    EXPECT_EQ(e.weights, (Weights{470, 230, 75, 25, 50, 0, 100, 50}));
    EXPECT_EQ(g_manager.EvaluateWork(), 6);
}

// Without a club only his successes count, with his property.
TEST(WorkEvaluation, WithoutAClubOnlyTheSuccessesCount) {
    ManagerAtClub fixture;
    SetCareer(g_manager);
    g_manager.club = &g_noClubTeam;
    WorkEvaluation e;
    EXPECT_EQ(g_manager.EvaluateWork(&e), (38 + 3) / 10 + 1);
    EXPECT_EQ(e.scores, (Scores{0, 38, 0, 0, 0, 0, 0, 0, 3, 41}));
    EXPECT_EQ(e.weights, (Weights{0, 1000, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
