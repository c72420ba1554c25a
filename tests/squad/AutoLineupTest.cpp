#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "platform/Random.h"
#include "tests/squad/SquadFixture.h"

namespace {

constexpr uint8_t kAlwaysNominate = 0x04;

// A squad drawn from the game's generator: per position a count of fit
// players and a count of injured ones, with random class, condition and height.
struct SquadPlan {
    const char* what;
    std::array<int, kPositionCount> fit;
    std::array<int, kPositionCount> injured;
    int sheetSize;
};

void AddDrawnPlayers(CTeam& team, const SquadPlan& plan) {
    for (int pos = 0; pos < kPositionCount; ++pos) {
        for (int n = 0; n < plan.fit[pos] + plan.injured[pos]; ++n) {
            CPlayer& p = AddPlayer(team, pos, 2 + RandBelow(12));
            p.fitness = static_cast<uint8_t>(20 + RandBelow(81));
            p.freshness = static_cast<uint8_t>(20 + RandBelow(81));
            p.formByte = static_cast<uint8_t>(4 + RandBelow(13));
            p.height = static_cast<uint8_t>(170 + RandBelow(35));
            p.strengthOffset = static_cast<int8_t>(RandBelow(31) - 20);
            if (n >= plan.fit[pos])
                p.status = kInjuredStatus;
        }
    }
}

bool StandsOnSheet(const CTeam& team, int squadIndex, int used) {
    for (int s = 0; s < used; ++s)
        if (team.lineup[s] == squadIndex + 1)
            return true;
    return false;
}

// Every slot left empty is one that no available player off the sheet could fill.
void ExpectNobodyLeftOut(const CTeam& team, uint32_t gaps, int used) {
    for (size_t i = 0; i < team.squad.size(); ++i) {
        const CPlayer& p = *team.squad[i];
        if (p.status != 0 || StandsOnSheet(team, static_cast<int>(i), used))
            continue;
        for (int s = 0; s < used; ++s) {
            const int wanted = WantedPosition(s);
            if (gaps & 1u << s) {
                EXPECT_TRUE(wanted != kNoLineupPosition && wanted != p.GetPosition())
                    << "player " << i << " left out of slot " << s;
            }
        }
    }
}

// The sheet's players, each once: the goalkeeper and everyone from the
// offence formation on; defenders are on it through their other slot.
std::vector<int> SheetPlayers(const CTeam& team, int used) {
    std::vector<int> sheet;
    for (int s = 0; s < used; ++s)
        if (team.lineup[s] && (s == kSlotGoalkeeper || s >= kSlotFirstOffence))
            sheet.push_back(team.lineup[s] - 1);
    return sheet;
}

void ExpectSoundSheet(const CTeam& team, int used) {
    const std::vector<int> sheet = SheetPlayers(team, used);
    EXPECT_EQ(std::set<int>(sheet.begin(), sheet.end()).size(), sheet.size()) << "a player twice on the sheet";
    std::set<int> defenders;
    for (int d = kSlotFirstDefence; d <= kSlotLastDefence; ++d) {
        if (!team.lineup[d])
            continue;
        const int i = team.lineup[d] - 1;
        EXPECT_TRUE(defenders.insert(i).second) << "a player twice in the defence";
        EXPECT_NE(team.lineup[d], team.lineup[kSlotGoalkeeper]) << "the goalkeeper in the defence";
        EXPECT_NE(std::find(sheet.begin(), sheet.end(), i), sheet.end()) << "a defender off the sheet";
    }
    for (int s = 0; s < used; ++s) {
        if (team.lineup[s]) {
            EXPECT_EQ(team.squad[team.lineup[s] - 1]->status, 0) << "an unavailable player in slot " << s;
        }
    }
}

}  // namespace

TEST(AutoLineup, FillsASoundSheetForEverySquad) {
    using P = std::array<int, kPositionCount>;
    const SquadPlan plans[] = {
        {"full squad", P{2, 2, 2, 3, 2, 2, 3}, P{}, 12},
        {"full squad, sheet of 14", P{2, 2, 3, 3, 3, 2, 3}, P{}, 14},
        {"no goalkeeper", P{0, 2, 2, 3, 3, 2, 2}, P{}, 12},
        {"only goalkeeper injured", P{0, 2, 2, 3, 3, 2, 2}, P{1, 0, 0, 0, 0, 0, 0}, 12},
        {"only injured wings", P{2, 0, 2, 2, 2, 0, 2}, P{0, 2, 0, 0, 0, 2, 0}, 12},
        {"fewer than the sheet", P{1, 1, 1, 2, 1, 1, 2}, P{}, 12},
        {"injuries everywhere", P{1, 1, 1, 1, 1, 1, 1}, P{1, 1, 1, 1, 1, 1, 1}, 12},
    };
    SeedRandom(2024);
    for (const SquadPlan& plan : plans) {
        for (int draw = 0; draw < 20; ++draw) {
            SCOPED_TRACE(std::string(plan.what) + ", draw " + std::to_string(draw));
            SheetSizeGuard size(plan.sheetSize);
            const int used = SlotsInUse(plan.sheetSize);
            CTeam team;
            AddDrawnPlayers(team, plan);
            team.AutoLineup(true);
            const auto made = team.lineup;
            const uint32_t gaps = team.ValidateLineup();
            EXPECT_EQ(team.lineup, made) << "the check changed the lineup";
            ExpectSoundSheet(team, used);
            ExpectNobodyLeftOut(team, gaps, used);
            EXPECT_LE(SheetPlayers(team, used).size(), static_cast<size_t>(plan.sheetSize));
            // Seven available players or more: every starting slot is filled.
            EXPECT_EQ(gaps & ((1u << kSlotFirstOffence) - 1), 0u);
            EXPECT_EQ(team.CountAvailableStarters(), 7u);
        }
    }
}

TEST(AutoLineup, ShortSquadReportsTheMissingSlots) {
    CTeam team;
    for (int pos = 0; pos <= kLeftBack; ++pos)
        AddPlayer(team, pos, 5);
    team.AutoLineup(false);
    uint32_t missing = 1u << kLeftWing | 1u << kLinePlayer | 1u << (kLeftWing + kOffenceSlotOffset) |
                       1u << (kLinePlayer + kOffenceSlotOffset);
    for (int s = kSlotSubstituteGoalkeeper; s < SlotsInUse(g_matchSheetSize); ++s)
        missing |= 1u << s;
    EXPECT_EQ(team.ValidateLineup(), missing);
    EXPECT_EQ(team.CountAvailableStarters(), 5u);
}

TEST(AutoLineup, SevenFitPlayersAreAllFielded) {
    CTeam team;
    AddSevenStarters(team, 5);
    AddPlayer(team, kCentreBack, 9).status = kInjuredStatus;
    team.AutoLineup(true);
    for (int pos = 0; pos < kPositionCount; ++pos) {
        EXPECT_EQ(SlotIndex(team, pos), pos);
        if (pos > 0) {
            EXPECT_EQ(SlotIndex(team, pos + kOffenceSlotOffset), pos);
        }
    }
    for (int s = kSlotSubstituteGoalkeeper; s < kLineupSlotCount; ++s)
        EXPECT_EQ(team.lineup[s], 0) << s;
}

// Off his position a field player keeps a fifth of his strength in goal;
// the strongest spare player goes in, the next is the substitute goalkeeper.
TEST(AutoLineup, InjuredGoalkeeperIsReplacedByTheStrongestSparePlayer) {
    CTeam team;
    AddPlayer(team, kGoalkeeper, 8).status = kInjuredStatus;
    for (int pos = 1; pos < kPositionCount; ++pos)
        AddPlayer(team, pos, 5);
    AddPlayer(team, kLeftWing, 3);    // 7
    AddPlayer(team, kCentreBack, 4);  // 8
    team.AutoLineup(false);
    EXPECT_EQ(SlotIndex(team, kSlotGoalkeeper), 8);
    EXPECT_EQ(SlotIndex(team, kSlotSubstituteGoalkeeper), 7);
    for (int s = kSlotFirstSubstitute; s < SlotsInUse(g_matchSheetSize); ++s)
        EXPECT_EQ(team.lineup[s], 0) << s;
}

TEST(AutoLineup, AlwaysNominatedPlayerKeepsHisSlot) {
    CTeam team;
    AddSevenStarters(team, 3);
    team.squad[4]->handAndSlot = kAlwaysNominate;
    CPlayer& star = AddPlayer(team, kLeftBack, 15);
    star.formByte = 20;
    star.motivation = 120;
    team.AutoLineup(false);
    EXPECT_EQ(SlotIndex(team, 4), 4);
    EXPECT_EQ(SlotIndex(team, 10), 4);
}

// A substitute who defends clearly better takes a defender's defence slot
// and keeps his bench slot; the defender keeps his offence slot.
TEST(AutoLineup, DefenceSpecialistReplacesAWeakDefender) {
    struct Case {
        int8_t centreBackOffset;
        int duelling, blocking;
        int replacedSlot;  // 0: none
    };
    // The specialist's defence value: 5 + (duelling + blocking - 2) / 2.
    const Case cases[] = {
        {-10, 4, 3, kCentreBack},  // 4.5 + 1 < 7.5 and the offset is negative
        {0, 4, 3, 0},              // 5 + 1 < 7.5, but 5 x 1.5 is not below it
        {0, 4, 4, kRightWing},     // 5 x 1.5 < 8: the first defender goes
        {-10, 3, 0, 0},            // 4.5 + 1 is not below 5.5
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << int{c.centreBackOffset} << " " << c.duelling << " " << c.blocking);
        CTeam team;
        AddSevenStarters(team, 5);
        team.squad[kCentreBack]->strengthOffset = c.centreBackOffset;
        AddPlayer(team, kGoalkeeper, 5);  // 7: keeps slot 13 from the specialist
        CPlayer& specialist = AddPlayer(team, kCentreBack, 5);  // 8
        specialist.SetSkillLevel(kSkillDuelling, c.duelling);
        specialist.SetSkillLevel(kSkillBlocking, c.blocking);
        team.AutoLineup(false);
        for (int pos = 1; pos < kPositionCount; ++pos) {
            EXPECT_EQ(SlotIndex(team, pos), pos == c.replacedSlot ? 8 : pos);
            EXPECT_EQ(SlotIndex(team, pos + kOffenceSlotOffset), pos);
        }
        EXPECT_EQ(SlotIndex(team, kSlotFirstSubstitute), 8);
    }
}

TEST(AutoLineup, ChoosesTheDefenceSystemFromQuicknessAndBlocking) {
    struct Case {
        int height;
        int acceleration;
        uint8_t system;
    };
    // One player of class 1, fitness 50, other levels normal:
    // quick = accel + 2 + (185 - h) / 5 + 2, block = 3 + (h - 185) / 5 + 5 - 2.
    const Case cases[] = {
        {155, 1, 4},  // 11 against 0
        {180, 1, 3},  // 6 against 5
        {185, 1, 2},  // 5 against 6
        {215, 1, 1},  // -1 against 12
        {185, 2, 6},  // 6 against 6: the system stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        CTeam team;
        CPlayer& p = AddPlayer(team, kCentreBack, 1);
        p.height = static_cast<uint8_t>(c.height);
        p.SetSkillLevel(kSkillAcceleration, c.acceleration);
        team.defenceSystem = 6;
        team.markingAssignments = 0x11;
        team.AutoLineup(true);
        EXPECT_EQ(team.defenceSystem, c.system);
        EXPECT_EQ(team.markingAssignments, 0u);
    }
}

TEST(AutoLineup, WithoutChoosingKeepsSystemAndMarking) {
    CTeam team;
    AddSevenStarters(team, 5);
    team.defenceSystem = 5;
    team.markingAssignments = 0x40;
    team.AutoLineup(false);
    EXPECT_EQ(team.defenceSystem, 5);
    EXPECT_EQ(team.markingAssignments, 0x40u);
}
