#include <gtest/gtest.h>

#include <set>

#include "engine/GeneratedPeople.h"
#include "engine/NameTables.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "tests/world/NationSamples.h"
#include "world/GameDate.h"

namespace {

constexpr uint32_t kSeeds = 400;

class NationPeople : public ::testing::Test {
protected:
    void SetUp() override { g_gameDate = Date(2010, 3, 15); }
};

TEST_F(NationPeople, NamesAreBorrowedFromTheNationsPlayers) {
    CNation n;
    n.nationNumber = 42;
    n.leagues.push_back(SampleLeague(1, 2));
    n.leagues[0]->clubs[0]->squad[0]->lastName.clear();  // never borrowed
    SeedRandom(1);
    for (uint32_t i = 0; i < 50; ++i) {
        const PersonName name = n.DrawNameFromPlayers(false);
        EXPECT_EQ(name.nationality, 42);
        EXPECT_TRUE(name.firstName == "FirstC0" || name.firstName == "FirstC1") << name.firstName;
        EXPECT_TRUE(name.surname == "LastC0" || name.surname == "LastC1") << name.surname;
    }
}

// Without players, or when asked, the name tables make a name up.
TEST_F(NationPeople, NamesAreMadeUpWithoutPlayers) {
    CNation empty;
    CNation withPlayers;
    withPlayers.leagues.push_back(SampleLeague(1, 2));
    const std::set<std::string> men(g_firstNames, g_firstNames + kFirstNamesPerBlock);
    for (CNation* n : {&empty, &withPlayers}) {
        SeedRandom(5);
        const PersonName name = n->DrawNameFromPlayers(n == &withPlayers);
        EXPECT_TRUE(men.count(name.firstName)) << name.firstName;
        EXPECT_GE(name.surname.size(), 3u);
        EXPECT_TRUE(name.nickname.empty());
    }
}

TEST_F(NationPeople, RandomPersonWithinItsRanges) {
    CNation n;
    bool sawAttitude = false;
    SeedRandom(1);
    for (uint32_t i = 0; i < kSeeds; ++i) {
        const float base = static_cast<float>(i % 12);
        const StaffPerson p = n.CreateRandomPerson(base, i % 2 == 0);
        const int competence = p.GetCompetence();
        EXPECT_GE(competence, std::max(1, static_cast<int>(base) - 2));
        EXPECT_LE(competence, std::min(10, static_cast<int>(base) + 2));
        if (i % 2) {
            EXPECT_EQ(p.code >> 4, 0);
        }
        sawAttitude |= (p.code >> 4) != 0;
        const int age = AgeFromPackedDate(p.birthday);
        EXPECT_GE(age, 24);  // 25-64 by the year; the birthday may be still to come
        EXPECT_LE(age, 64);
        EXPECT_EQ(PackDate(UnpackDate(p.birthday)), p.birthday);
    }
    EXPECT_TRUE(sawAttitude);
}

struct YouthSummary {
    double meanTalent = 0;
    double meanStrength = 0;
};

// Creates many youth players at one spending and checks each against the
// rules that hold for every one of them.
YouthSummary CheckYouthPlayers(uint32_t spending) {
    CNation n;
    n.nationNumber = 17;
    CTeam club;
    YouthSummary summary;
    SeedRandom(1);
    for (uint32_t i = 0; i < kSeeds; ++i) {
        EXPECT_TRUE(n.CreateYouthPlayer(club, spending));
        const CPlayer& p = *club.youth.back();
        const int age = p.GetAge();
        EXPECT_GE(age, 13);
        EXPECT_LE(age, 17);
        EXPECT_EQ(PackDate(UnpackDate(p.birthday)), p.birthday);
        const int talent = p.GetTalent();
        const int strength = p.GetStrengthClass();
        EXPECT_LE(talent, 3);  // the record's talent runs 0-3
        EXPECT_GE(strength, 1);
        EXPECT_LE(strength, talent * 2 + 4);
        EXPECT_FALSE(p.IsProfessional());
        EXPECT_EQ(p.nationality, 17);
        const int position = p.GetPosition();
        EXPECT_LT(position, kPositionCount);
        if (position == kRightWing || position == kRightBack) {
            EXPECT_TRUE(p.ThrowsLeft());
        }
        if (position == kGoalkeeper) {
            EXPECT_EQ(p.GetAltPosition(), -1);
        }
        EXPECT_NE(p.GetAltPosition(), position);
        const bool back = position >= kRightBack && position <= kLeftBack;
        const int middle = 170 + (back ? 10 : 0) + 4 * std::min(talent, 3);
        EXPECT_GE(p.height, middle - 20);
        EXPECT_LE(p.height, middle + 20);
        EXPECT_GE(p.strengthOffset, 0);
        EXPECT_LE(p.strengthOffset, 25);
        int special = 0;
        for (int s = 0; s < kSkillCount; ++s) {
            const int level = p.GetSkillLevel(s);
            EXPECT_NE(level, kSkillDeficit);
            special += level > kNormalSkill;
            if (talent == 0) {
                EXPECT_EQ(level, kNormalSkill);
            }
        }
        EXPECT_LE(special, 2);
        summary.meanTalent += talent;
        summary.meanStrength += strength;
    }
    EXPECT_EQ(club.youth.size(), kSeeds);
    summary.meanTalent /= kSeeds;
    summary.meanStrength /= kSeeds;
    return summary;
}

TEST_F(NationPeople, YouthPlayersWithinTheirRanges) {
    const YouthSummary none = CheckYouthPlayers(0);
    const YouthSummary modest = CheckYouthPlayers(60000);
    const YouthSummary rich = CheckYouthPlayers(2000000);
    // Nothing spent: the talent draws never hit.
    EXPECT_EQ(none.meanTalent, 0);
    EXPECT_LT(modest.meanTalent, rich.meanTalent);
    EXPECT_LT(none.meanStrength, rich.meanStrength);
}

// Women's first names and heights 10 cm lower.
TEST_F(NationPeople, WomensGame) {
    const uint32_t options = kOptWomensGame;
    g_pOptions = &options;
    const std::set<std::string> women(g_firstNames + kWomensFirstNames, g_firstNames + kFirstNameCount);
    CNation n;
    CTeam club;
    SeedRandom(1);
    for (int i = 0; i < 100; ++i) {
        n.CreateYouthPlayer(club, 0);
        const CPlayer& p = *club.youth.back();
        EXPECT_TRUE(women.count(p.firstName)) << p.firstName;
        const bool back = p.GetPosition() >= kRightBack && p.GetPosition() <= kLeftBack;
        EXPECT_LE(p.height, 160 + (back ? 10 : 0) + 20);
    }
    g_pOptions = nullptr;
}

// Born this year but after the game date: one year older by the calendar.
TEST_F(NationPeople, YouthBirthdayIsNeverInTheFuture) {
    CNation n;
    CTeam club;
    SeedRandom(1);
    for (uint32_t i = 0; i < kSeeds; ++i) {
        n.CreateYouthPlayer(club, 100000);
        EXPECT_LE(UnpackDate(club.youth.back()->birthday), g_gameDate);
    }
}

}  // namespace
