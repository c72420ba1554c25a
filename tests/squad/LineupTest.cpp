#include <gtest/gtest.h>

#include "squad/LineupSlots.h"
#include "tests/squad/SquadFixture.h"
#include "world/Manager.h"

namespace {

constexpr uint8_t kNeverNominate = 0x02;
constexpr uint8_t kAlwaysNominate = 0x04;
constexpr uint8_t kCaptain = 0x10;

bool IsCaptain(const CTeam& team, int i) { return team.squad[i]->handAndSlot & kCaptain; }

// A full lineup of seven starters (squad 0-6) in both formations.
void FieldSevenStarters(CTeam& team) {
    PutInSlot(team, kSlotGoalkeeper, 0);
    for (int pos = 1; pos < kPositionCount; ++pos) {
        PutInSlot(team, pos, pos);
        PutInSlot(team, pos + kOffenceSlotOffset, pos);
    }
}

}  // namespace

TEST(ValidateLineup, DropsSlotsPastTheSquadAndReportsTheGaps) {
    SheetSizeGuard size(12);
    CTeam team;
    AddSevenStarters(team, 5);
    AddPlayer(team, kLeftBack, 4);
    FieldSevenStarters(team);
    team.lineup[3] = 9;   // one past the squad
    team.lineup[14] = 8;  // the last player: stays
    team.lineup[19] = 10; // not in use with 12 on the sheet: never read
    const uint32_t gaps = team.ValidateLineup();
    EXPECT_EQ(team.lineup[3], 0);
    EXPECT_EQ(team.lineup[14], 8);
    EXPECT_EQ(team.lineup[19], 10);
    const uint32_t expected = 1u << 3 | 1u << 13 | 1u << 15 | 1u << 16 | 1u << 17;
    EXPECT_EQ(gaps, expected);
}

TEST(ValidateLineup, KeepsThePlayerOnceFromTheOffenceOn) {
    SheetSizeGuard size(12);
    CTeam team;
    AddSevenStarters(team, 5);
    FieldSevenStarters(team);
    PutInSlot(team, 15, 3);  // the centre back again, as a substitute
    team.ValidateLineup();
    EXPECT_EQ(team.lineup[15], 0);
    EXPECT_EQ(SlotIndex(team, 9), 3);
    // In defence slot 2 and offence slot 8 he plays both, with his offence position.
    EXPECT_EQ(SlotIndex(team, 2), 2);
    EXPECT_EQ(SlotIndex(team, 8), 2);
    EXPECT_EQ(team.squad[2]->GetSlot(), 2);
}

TEST(ValidateLineup, MarksLineupPositionsFromTheSlots) {
    SheetSizeGuard size(12);
    CTeam team;
    AddSevenStarters(team, 5);
    AddPlayer(team, kLinePlayer, 4);  // 7: defence only
    AddPlayer(team, kLeftWing, 4);    // 8: substitute
    AddPlayer(team, kLeftBack, 4);    // 9: not fielded
    FieldSevenStarters(team);
    PutInSlot(team, 6, 7);
    PutInSlot(team, 14, 8);
    team.squad[9]->handAndSlot = 3 << CPlayer::kSlotShift | kCaptain;
    team.ValidateLineup();
    EXPECT_EQ(team.squad[0]->GetSlot(), 0);
    for (int pos = 1; pos < kPositionCount; ++pos)
        EXPECT_EQ(team.squad[pos]->GetSlot(), pos);
    EXPECT_EQ(team.squad[7]->GetSlot(), kNoLineupPosition);
    EXPECT_EQ(team.squad[8]->GetSlot(), kNoLineupPosition);
    EXPECT_EQ(team.squad[9]->GetSlot(), kNoLineupPosition);
    EXPECT_FALSE(IsCaptain(team, 9));
}

TEST(ValidateLineup, CaptainIsTheFirstOfHisListOnTheSheet) {
    SheetSizeGuard size(12);
    CTeam team;
    AddSevenStarters(team, 5);
    AddPlayer(team, kLeftWing, 4);  // 7: ranked first, not fielded
    FieldSevenStarters(team);
    team.captains = {7, 4, 2};
    team.ValidateLineup();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(IsCaptain(team, i), i == 4) << i;
}

// With nobody on the sheet nobody leads; squad index 0 is not marked for want of a captain.
TEST(ValidateLineup, EmptySheetHasNoCaptain) {
    CTeam team;
    AddSevenStarters(team, 5);
    team.captains = {0, 1};
    EXPECT_EQ(team.ValidateLineup(), (1u << SlotsInUse(g_matchSheetSize)) - 1);
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(IsCaptain(team, i));
}

// The user's lineup loses an injured player before the marks are set, so
// neither the captain's mark nor an offence position is left on him.
TEST(ValidateLineup, UserTeamLosesUnavailablePlayersBeforeTheMarks) {
    SheetSizeGuard size(12);
    CTeam user, computer;
    CTeam* const savedClub = g_manager.club;
    g_manager.club = &user;
    for (CTeam* team : {&user, &computer}) {
        AddSevenStarters(*team, 5);
        FieldSevenStarters(*team);
        team->squad[4]->status = kInjuredStatus;
        team->captains = {4, 2};
        team->ValidateLineup();
    }
    g_manager.club = savedClub;
    EXPECT_EQ(user.lineup[4], 0);
    EXPECT_EQ(user.lineup[10], 0);
    EXPECT_FALSE(IsCaptain(user, 4));
    EXPECT_EQ(user.squad[4]->GetSlot(), kNoLineupPosition);
    EXPECT_TRUE(IsCaptain(user, 2));
    // A computer-run team keeps what its automatic lineup made.
    EXPECT_EQ(SlotIndex(computer, 10), 4);
    EXPECT_TRUE(IsCaptain(computer, 4));
}

TEST(IsPlayerFielded, ReportsTheFormationsOfEverySlot) {
    SheetSizeGuard size(12);
    CTeam team;
    AddSevenStarters(team, 5);
    AddPlayer(team, kLeftBack, 4);  // 7
    FieldSevenStarters(team);
    PutInSlot(team, 9, 7);   // 7 in the offence, 3 in the defence only
    PutInSlot(team, 13, 7);  // and once more on the bench
    PutInSlot(team, 16, 5);  // a defender also on the bench
    struct Case {
        int index;
        int sheet;
        bool fielded;
        bool offence;
        bool defence;
    };
    const Case cases[] = {
        {0, 12, true, true, true},    // goalkeeper
        {3, 12, true, false, true},   // defence only
        {7, 12, true, true, false},   // offence and bench
        {5, 12, true, true, true},    // both formations and the bench
        {8, 12, false, false, false}, // not in the squad
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        bool offence = true, defence = true;
        EXPECT_EQ(team.IsPlayerFielded(c.index, c.sheet, offence, defence), c.fielded);
        EXPECT_EQ(offence, c.offence);
        EXPECT_EQ(defence, c.defence);
    }
    // A substitute beyond the sheet in use is not on it.
    team.ClearLineup();
    PutInSlot(team, 18, 2);
    bool offence, defence;
    EXPECT_FALSE(team.IsPlayerFielded(2, 12, offence, defence));
    EXPECT_TRUE(team.IsPlayerFielded(2, 13, offence, defence));
    EXPECT_FALSE(offence || defence);
}

TEST(CountAvailableStarters, CountsFilledSlotsOfPlayersStillInTheMatch) {
    CTeam team;
    EXPECT_EQ(team.CountAvailableStarters(), 0u);
    AddSevenStarters(team, 5);
    FieldSevenStarters(team);
    EXPECT_EQ(team.CountAvailableStarters(), 7u);
    team.squad[4]->matchMarks |= 0x100;
    team.lineup[2] = 0;
    EXPECT_EQ(team.CountAvailableStarters(), 5u);
}

TEST(FillLineupByCriterion, UsesOnlyTheSlotsOfTheSheet) {
    for (int sheet : {12, 14}) {
        SheetSizeGuard size(sheet);
        CTeam team;
        for (int i = 0; i < 3; ++i)
            AddSevenStarters(team, 5);
        team.FillLineupByCriterion(kByStrength);
        for (int s = 0; s < kLineupSlotCount; ++s)
            EXPECT_EQ(team.lineup[s] != 0, s < sheet + 6) << sheet << " slot " << s;
    }
}

TEST(FillLineupByCriterion, EqualValuesGiveTheSlotToTheEarlierPlayer) {
    CTeam team;
    AddPlayer(team, kGoalkeeper, 5);
    AddPlayer(team, kGoalkeeper, 5);
    team.FillLineupByCriterion(kByStrength);
    EXPECT_EQ(SlotIndex(team, kSlotGoalkeeper), 0);
    EXPECT_EQ(SlotIndex(team, kSlotSubstituteGoalkeeper), 1);
}

TEST(FillLineupByCriterion, RanksByEachCriterion) {
    struct Case {
        unsigned criterion;
        void (*makeSecondBetter)(CPlayer&);
    };
    const Case cases[] = {
        {kByStrength, [](CPlayer& p) { p.strengthTalent = 0x62; }},
        {kByFitness, [](CPlayer& p) { p.fitness = 51; }},
        {kByFreshness, [](CPlayer& p) { p.freshness = 51; }},
        {kByYouth, [](CPlayer& p) { p.birthday += 0x10000; }},
        {kByExperience, [](CPlayer& p) { p.allMatches = 30; }},
        {kByHeight, [](CPlayer& p) { p.height = 181; }},
        {kByFewMatches, [](CPlayer& p) { p.leagueMatches = 0; }},
        {kByBestForm, [](CPlayer& p) { p.formByte = 11; }},
        {kByWorstForm, [](CPlayer& p) { p.formByte = 9; }},
        {kByBestMotivation, [](CPlayer& p) { p.motivation = 101; }},
        {kByWorstMotivation, [](CPlayer& p) { p.motivation = 99; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.criterion);
        CTeam team;
        AddPlayer(team, kLeftBack, 5).leagueMatches = 1;
        c.makeSecondBetter(AddPlayer(team, kLeftBack, 5));
        team.FillLineupByCriterion(c.criterion);
        EXPECT_EQ(SlotIndex(team, 4), 1);
    }
}

TEST(FillLineupByCriterion, HonoursTheNominationMarks) {
    CTeam team;
    AddPlayer(team, kCentreBack, 9);
    AddPlayer(team, kCentreBack, 2).handAndSlot = kAlwaysNominate;
    AddPlayer(team, kLeftBack, 9).handAndSlot = kNeverNominate;
    AddPlayer(team, kLeftBack, 3).status = kInjuredStatus;
    team.FillLineupByCriterion(kByStrength);
    EXPECT_EQ(SlotIndex(team, 3), 1);  // before the stronger centre back
    EXPECT_EQ(SlotIndex(team, 9), 1);
    EXPECT_EQ(team.lineup[4], 0);      // never nominated, injured
    EXPECT_EQ(SlotIndex(team, 14), 0); // the other centre back on the bench
    EXPECT_EQ(team.lineup[15], 0);
}

// A defender whose offence slot is taken goes to the first free slot from
// the last offence slot on; with no room he is not fielded at all.
TEST(FillLineupByCriterion, DefenderWithoutHisOffenceSlotMovesOnTheSheet) {
    SheetSizeGuard size(12);
    CTeam team;
    AddPlayer(team, kRightBack, 5);  // 0
    AddPlayer(team, kLeftBack, 5);   // 1
    PutInSlot(team, 8, 1);           // the left back plays right back in the offence
    team.FillLineupByCriterion(kByStrength);
    EXPECT_EQ(SlotIndex(team, 2), 0);
    EXPECT_EQ(SlotIndex(team, 12), 0);

    team.ClearLineup();
    PutInSlot(team, 8, 1);
    for (int s = 12; s < 18; ++s)
        PutInSlot(team, s, 1);  // repeated on purpose: the sheet is full
    team.FillLineupByCriterion(kByStrength);
    EXPECT_EQ(team.lineup[2], 0);
}
