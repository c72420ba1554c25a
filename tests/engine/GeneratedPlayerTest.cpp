#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "engine/GeneratedPeople.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

struct RecipeCase {
    const char* name;
    PlayerRecipe recipe;
};

// From a youth intake to a star search, and recipes beyond every range.
const RecipeCase kRecipes[] = {
    {"amateur", {.position = kCentreBack, .strengthCentre = 2.0f, .strengthSpread = 2, .ageCentre = 25,
                 .ageSpread = 7, .talentCentre = 0.8f, .talentSpread = 1.3f, .talentLimit = 3}},
    {"new club", {.position = kLinePlayer, .strengthCentre = 6.5f, .strengthSpread = 3, .ageCentre = 26,
                  .ageSpread = 8, .talentCentre = 2.0f, .talentSpread = 1.0f, .talentLimit = 3, .professional = true}},
    {"goalkeeper", {.position = kGoalkeeper, .strengthCentre = 5.0f, .strengthSpread = 2, .ageCentre = 30,
                    .ageSpread = 4, .talentCentre = 1.5f, .talentSpread = 1.5f, .talentLimit = 3}},
    {"beyond every range", {.position = kLeftWing, .strengthCentre = 30.0f, .strengthSpread = 20, .ageCentre = 90,
                            .ageSpread = 40, .talentCentre = 6.0f, .talentSpread = 3.0f, .talentLimit = 9}},
    {"below every range", {.position = kRightBack, .strengthCentre = -4.0f, .strengthSpread = 1, .ageCentre = 5,
                           .ageSpread = 2, .talentCentre = -2.0f, .talentSpread = 0.5f, .talentLimit = 0}},
};

int CountSkillsOffNormal(const CPlayer& p) {
    int off = 0;
    for (int s = 0; s < kSkillCount; ++s)
        off += p.GetSkillLevel(s) != kNormalSkill ? 1 : 0;
    return off;
}

class GeneratedPlayer : public ::testing::Test {
protected:
    void SetUp() override { g_gameDate = Date(2006, 7, 3); }
    void TearDown() override { g_gameDate = saved_; }

private:
    Date saved_ = g_gameDate;
};

}  // namespace

TEST_F(GeneratedPlayer, ValuesStayInsideTheRecordsRanges) {
    SeedRandom(21);
    for (const RecipeCase& c : kRecipes) {
        const PlayerRecipe& r = c.recipe;
        for (int i = 0; i < 500; ++i) {
            CPlayer p;
            DrawPlayerValues(p, r);
            SCOPED_TRACE(c.name);
            const int talent = p.GetTalent();
            ASSERT_GE(talent, 0);
            ASSERT_LE(talent, std::min(kMaxGeneratedTalent, std::max(r.talentLimit, 0)));
            ASSERT_GE(p.GetStrengthClass(), 1);
            ASSERT_LE(p.GetStrengthClass(), 2 * talent + 4);
            ASSERT_GE(p.GetAge(), 16);
            ASSERT_LE(p.GetAge(), 99);
            ASSERT_GE(p.strengthOffset, CPlayer::kMinStrengthOffset);
            ASSERT_LE(p.strengthOffset, CPlayer::kMaxStrengthOffset);
            ASSERT_EQ(p.GetPosition(), r.position);
            ASSERT_NE(p.GetAltPosition(), r.position);
            if (r.position == kGoalkeeper) {
                ASSERT_EQ(p.GetAltPosition(), -1);
            }
            for (int s = 0; s < kSkillCount; ++s)
                ASSERT_LE(p.GetSkillLevel(s), talent + 1);
            ASSERT_LE(CountSkillsOffNormal(p), 2);
            ASSERT_EQ(p.number, r.position == kGoalkeeper ? 1 : 2);
            ASSERT_EQ(p.IsProfessional(), r.professional);
            ASSERT_GT(p.GetSalary(), 0u);
        }
    }
}

TEST_F(GeneratedPlayer, AgesAndTalentsFollowTheRecipe) {
    PlayerRecipe r{.position = kCentreBack, .strengthCentre = 4.0f, .strengthSpread = 1, .ageCentre = 22,
                   .ageSpread = 2, .talentCentre = 2.5f, .talentSpread = 0.5f, .talentLimit = 2};
    SeedRandom(23);
    for (int i = 0; i < 500; ++i) {
        CPlayer p;
        DrawPlayerValues(p, r);
        EXPECT_GE(p.GetAge(), 19);  // born in the year of 20, perhaps after today
        EXPECT_LE(p.GetAge(), 24);
        EXPECT_EQ(p.GetTalent(), 2) << "2.0-3.0 capped by the limit 2";
        EXPECT_GE(p.GetStrengthClass(), 3);
        EXPECT_LE(p.GetStrengthClass(), 5);
    }
}

TEST_F(GeneratedPlayer, WingsAndBacksThrowWithTheOuterHand) {
    SeedRandom(25);
    for (int position : {kRightWing, kRightBack, kLeftBack, kLeftWing}) {
        for (int i = 0; i < 50; ++i) {
            CPlayer p;
            DrawPlayerValues(p, PlayerRecipe{.position = position, .strengthCentre = 4.0f, .ageCentre = 25});
            EXPECT_EQ(p.ThrowsLeft(), position <= kRightBack) << position;
        }
    }
}

TEST_F(GeneratedPlayer, WomenAreTenCentimetresSmaller) {
    const PlayerRecipe r{.position = kCentreBack, .strengthCentre = 4.0f, .ageCentre = 25, .talentCentre = 1.5f};
    auto meanHeight = [&](bool womensGame) {
        uint32_t options = womensGame ? kOptWomensGame : 0;
        g_pOptions = &options;
        SeedRandom(27);
        int sum = 0;
        for (int i = 0; i < 400; ++i) {
            CPlayer p;
            DrawPlayerValues(p, r);
            sum += p.height;
        }
        g_pOptions = nullptr;
        return sum / 400.0;
    };
    EXPECT_NEAR(meanHeight(false) - meanHeight(true), 10.0, 0.01);
    EXPECT_NEAR(meanHeight(false), 175 + 10 + 4 * 1, 2.0);
}

// A new club as the nation makes it: the squad, then sorted and prepared
// for its first season.
TEST_F(GeneratedPlayer, NewClubsGetTwelveToSeventeenSortedPlayersWithDistinctNumbers) {
    SeedRandom(29);
    std::set<size_t> sizes;
    for (int run = 0; run < 100; ++run) {
        CTeam club;
        AddGeneratedSquad(club, [](int position) {
            auto p = std::make_unique<CPlayer>();
            DrawPlayerValues(*p, PlayerRecipe{.position = position, .strengthCentre = 5.0f, .strengthSpread = 3,
                                             .ageCentre = 26, .ageSpread = 8, .talentCentre = 1.5f,
                                             .talentSpread = 1.0f});
            return p;
        });
        club.SortSquad();
        club.PrepareNewSeason();

        ASSERT_GE(club.squad.size(), 12u);
        ASSERT_LE(club.squad.size(), 17u);
        sizes.insert(club.squad.size());
        std::set<int> numbers;
        for (size_t i = 0; i < club.squad.size(); ++i) {
            EXPECT_TRUE(numbers.insert(club.squad[i]->number).second) << "number " << int(club.squad[i]->number);
            if (i > 0) {
                EXPECT_LE(club.squad[i - 1]->GetPosition(), club.squad[i]->GetPosition());
            }
        }
        for (int position : {kGoalkeeper, kCentreBack, kLeftBack, kLeftWing, kLinePlayer})
            EXPECT_TRUE(std::any_of(club.squad.begin(), club.squad.end(),
                                    [&](const auto& p) { return p->GetPosition() == position; }));
    }
    EXPECT_EQ(sizes.size(), 6u) << "every size from 12 to 17 occurs";
}
