#include <gtest/gtest.h>

#include "squad/SlotMembership.h"
#include "tests/squad/SquadFixture.h"

namespace {

// Four players: 0 in goal, 1 in defence slot 1 and offence slot 7, 2 as a
// substitute; 3 nowhere. Slot 16 names a fifth player the squad lacks.
void SetUpTeam(CTeam& team) {
    for (int pos : {kGoalkeeper, kLeftWing, kCentreBack, kLinePlayer})
        AddPlayer(team, pos, 5);
    PutInSlot(team, kSlotGoalkeeper, 0);
    PutInSlot(team, 1, 1);
    PutInSlot(team, 7, 1);
    PutInSlot(team, kSlotFirstSubstitute, 2);
    PutInSlot(team, 16, 4);
}

}  // namespace

TEST(SlotMembership, AnswersWhoStandsInARangeOfSlots) {
    CTeam team;
    SetUpTeam(team);
    const SlotMembership slots(team);
    struct Case {
        int squadIndex, first, end;
        bool stands;
    };
    const Case cases[] = {
        {0, 0, 1, true},    {0, 1, kLineupSlotCount, false},
        {1, 1, 2, true},    {1, 2, 7, false},
        {1, 7, 8, true},    {1, 8, kLineupSlotCount, false},
        {2, 0, kSlotFirstSubstitute, false},
        {2, kSlotFirstSubstitute, kSlotFirstSubstitute + 1, true},
        {3, 0, kLineupSlotCount, false},
        {4, 0, kLineupSlotCount, false},   // past the squad
        {-1, 0, kLineupSlotCount, false},  // nobody: not the empty slots
        {0, 5, 5, false},                  // an empty range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.squadIndex << " in " << c.first << "-" << c.end);
        EXPECT_EQ(slots.StandsIn(c.squadIndex, c.first, c.end), c.stands);
    }
}

TEST(SlotMembership, SettingSlotsKeepsItInStepWithTheLineup) {
    CTeam team;
    SetUpTeam(team);
    SlotMembership slots(team);
    // Slot values are squad index + 1.
    slots.Set(team, 7, 3);                     // 1 loses offence slot 7 to 2
    slots.Set(team, kSlotFirstSubstitute, 0);  // and 2 leaves the bench
    slots.Set(team, kSlotFirstSubstitute + 1, 2);  // where 1 sits down
    EXPECT_EQ(team.lineup[7], 3);
    EXPECT_EQ(team.lineup[kSlotFirstSubstitute], 0);
    EXPECT_EQ(team.lineup[kSlotFirstSubstitute + 1], 2);

    const SlotMembership reread(team);
    for (int i = 0; i < 4; ++i)
        for (int s = 0; s < kLineupSlotCount; ++s) {
            SCOPED_TRACE(::testing::Message() << "player " << i << ", slot " << s);
            EXPECT_EQ(slots.StandsIn(i, s, s + 1), reread.StandsIn(i, s, s + 1));
        }
    EXPECT_EQ(slots.SlotsHolding(0), reread.SlotsHolding(0));
    EXPECT_EQ(slots.SlotsHolding(2), 1u << 1 | 1u << (kSlotFirstSubstitute + 1));
}

TEST(SlotMembership, TheEmptySlotsHoldValueZero) {
    CTeam team;
    SetUpTeam(team);
    const SlotMembership slots(team);
    const uint32_t taken = 1u << kSlotGoalkeeper | 1u << 1 | 1u << 7 | 1u << kSlotFirstSubstitute | 1u << 16;
    EXPECT_EQ(slots.SlotsHolding(0), SlotRange(0, kLineupSlotCount) & ~taken);
    EXPECT_EQ(SlotRange(3, 3), 0u);
    EXPECT_EQ(SlotRange(2, 5), 0x1Cu);
}
