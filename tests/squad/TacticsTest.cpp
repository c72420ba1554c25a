#include <gtest/gtest.h>

#include "squad/LineupRules.h"
#include "squad/Tactics.h"
#include "tests/squad/SquadFixture.h"

namespace {

int Setting(uint16_t word, int group) { return (word >> 3 * group) & 7; }

// Six defenders (squad 0-5) in slots 1-6, each playing his own position,
// with the same condition and class; the opponent's offence slots 7-12
// hold six players of the given class in normal condition, whose strength
// is their class. The strengths cached in the players say nothing: the
// tactics rate every player afresh.
struct DefenceMatch {
    CTeam team;
    CTeam opponent;

    DefenceMatch(int fitness, int freshness, int ownClass, int opponentClass) {
        for (int d = 1; d <= 6; ++d) {
            CPlayer& p = AddPlayer(team, d, ownClass);
            p.fitness = static_cast<uint8_t>(fitness);
            p.freshness = static_cast<uint8_t>(freshness);
            SetLineupPosition(p, d);
            p.playingStrength = 0.2f;
            PutInSlot(team, d, d - 1);
            CPlayer& q = AddPlayer(opponent, d, opponentClass);
            SetLineupPosition(q, d);
            q.playingStrength = 0.2f;
            PutInSlot(opponent, d + kOffenceSlotOffset, d - 1);
        }
        team.nextOpponent = &opponent;
    }
};

}  // namespace

TEST(DefenceTactics, EffortRoughnessAndFastbreakFollowTheFormation) {
    struct Case {
        const char* what;
        int fitness, freshness;
        int ownClass, opponentClass;
        int spirit, fighters, acceleration;
        int effort, roughness, fastbreak;
    };
    // A defender's strength is his class + (fitness + freshness) / 100 - 1.
    const Case cases[] = {
        {"even", 50, 50, 5, 5, 100, 0, 1, 2, 2, 2},
        {"tired", 25, 35, 5, 5, 100, 0, 1, 1, 2, 1},
        {"exhausted", 15, 25, 5, 5, 100, 0, 1, 0, 2, 0},
        // Friendly play is always overridden by the reserved rule.
        {"far stronger, rough", 70, 60, 5, 2, 120, 4, 1, 0, 1, 3},
        {"weaker and fresh", 70, 60, 3, 5, 100, 0, 1, 4, 2, 3},
        {"weaker and tired", 35, 60, 1, 5, 100, 0, 1, 2, 4, 1},
        {"quick", 55, 55, 5, 5, 100, 0, 3, 2, 2, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DefenceMatch m(c.fitness, c.freshness, c.ownClass, c.opponentClass);
        m.team.fightingSpirit = static_cast<uint8_t>(c.spirit);
        for (int i = 0; i < 6; ++i) {
            if (i < c.fighters)
                m.team.squad[i]->styleTraits = CPlayer::TraitBit(kFighter);
            m.team.squad[i]->SetSkillLevel(kSkillAcceleration, c.acceleration);
        }
        m.team.defenceTactics = 0xFE00;
        m.team.ChooseDefenceTactics();
        EXPECT_EQ(Setting(m.team.defenceTactics, 0), c.effort);
        EXPECT_EQ(Setting(m.team.defenceTactics, 1), c.roughness);
        EXPECT_EQ(Setting(m.team.defenceTactics, 2), c.fastbreak);
        EXPECT_EQ(m.team.defenceTactics & 0xFE00, 0xFE00);
    }
}

// The formulas give effort 0 for an empty defence (no endurance, no freshness).
TEST(DefenceTactics, EmptyDefenceAgainstNoClub) {
    CTeam team;
    CTeam noClub;
    team.nextOpponent = &noClub;
    team.markingAssignments = 0x12345678;
    team.ChooseDefenceTactics();
    EXPECT_EQ(team.defenceTactics & 0x1FF, 0 | 2 << 3 | 0 << 6);
    EXPECT_EQ(team.markingAssignments, 0u);
}

TEST(DefenceTactics, MarksAStrongOpponentWhereTheSystemAllows) {
    struct Case {
        uint8_t system;
        int strongOffenceSlot;
        uint32_t marking;
    };
    const Case cases[] = {
        {3, 10, 4u << 4},   // "4 : 2": the right back marks the left back
        {1, 10, 0},         // "6 : 0": nobody marks
        {0, 10, 0},         // no system chosen
        {2, 9, 3u << 20},   // "5 : 1": the line player's defender marks the centre back
        {4, 9, 3u << 20},
        {3, 9, 0},          // the centre back's defender may not mark in "4 : 2"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.system});
        DefenceMatch m(50, 50, 5, 3);
        m.team.defenceSystem = c.system;
        // Class 9: above 7.5 and the mean 4.
        m.opponent.squad[c.strongOffenceSlot - kSlotFirstOffence]->strengthTalent = 9 << 4 | 2;
        m.team.ChooseDefenceTactics();
        EXPECT_EQ(m.team.markingAssignments, c.marking);
    }
}

TEST(OffenceTactics, EmptyOffenceIsNormal) {
    CTeam team;
    team.offenceWeights = 0xFE00;
    team.ChooseOffenceTactics();
    EXPECT_EQ(team.offenceWeights, 0xFE00 | kNormalTactics);
}

TEST(OffenceTactics, SettingsFollowTheFormationAndTheCoach) {
    struct Case {
        const char* what;
        int height;
        uint8_t coachCode;
        int duels, combinations, distance;
    };
    // One player, class 5, skill levels normal, values 8: duels 25 + 16 +
    // 5 x (185 - height) / 10, combinations 31, distance 21 + 16 - 5 x ... .
    const Case cases[] = {
        {"average height", 185, 0x05, 2, 2, 2},
        {"small", 165, 0x05, 3, 2, 1},
        {"small, tactician", 165, 0x1A, 4, 2, 0},
        {"small, top tactician", 165, 0x1F, 4, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTeam team;
        AddPlayer(team, kCentreBack, 5).height = static_cast<uint8_t>(c.height);
        PutInSlot(team, 9, 0);
        team.coachCode = c.coachCode;
        team.ChooseOffenceTactics();
        EXPECT_EQ(Setting(team.offenceWeights, 0), c.duels);
        EXPECT_EQ(Setting(team.offenceWeights, 1), c.combinations);
        EXPECT_EQ(Setting(team.offenceWeights, 2), c.distance);
    }
}

// All three equal to what the coach takes off: nothing is left to spread.
TEST(OffenceTactics, NothingLeftGivesAllZero) {
    CTeam team;
    CPlayer& p = AddPlayer(team, kCentreBack, 4);
    p.SetAttribute(kSkillDuelling, 9);
    p.SetAttribute(kSkillCreativity, 9);
    p.SetAttribute(kSkillTechnique, 9);
    p.SetAttribute(kSkillShotPower, 9);
    p.SetAttribute(kSkillJumping, 9);
    PutInSlot(team, 7, 0);
    team.coachCode = 0x0F;
    team.ChooseOffenceTactics();
    EXPECT_EQ(team.offenceWeights & 0x1FF, 0);
}
