#pragma once

#include <algorithm>
#include <cstdint>

#include "world/Player.h"
#include "world/Team.h"

// What the slot numbers of world/Team.h (LineupSlot) make of a lineup.

// Offence slot of a position = its defence slot + this.
constexpr int kOffenceSlotOffset = kSlotFirstOffence - kSlotFirstDefence;
// The slots of the goalkeeper and the defence formation, from slot 0.
constexpr int kStarterSlotCount = kSlotLastDefence - kSlotGoalkeeper + 1;
// The defence formation's slots, which only repeat players of the match
// sheet: the lineup uses that many slots more than the sheet has players.
constexpr int kFormationOnlySlots = kSlotLastDefence - kSlotFirstDefence + 1;

// Bits firstSlot to endSlot - 1.
constexpr uint32_t SlotRange(int firstSlot, int endSlot) {
    return firstSlot >= endSlot ? 0u : ((1u << (endSlot - firstSlot)) - 1u) << firstSlot;
}
// The slots in which a player plays the defence formation, and those in
// which he plays the offence: the goalkeeper's slot is in both.
constexpr uint32_t kDefenceFormationSlots = SlotRange(kSlotGoalkeeper, kSlotLastDefence + 1);
constexpr uint32_t kOffenceFormationSlots =
    1u << kSlotGoalkeeper | SlotRange(kSlotFirstOffence, kSlotLastOffence + 1);

// The defence slot of a field position is its number.
constexpr int DefenceSlotOf(int position) { return position; }
constexpr int OffenceSlotOf(int position) { return position + kOffenceSlotOffset; }

// Lineup position of a player who plays no offence position (defence only,
// substitute, not fielded); also "any position" for a substitute slot.
constexpr int kNoLineupPosition = CPlayer::kNoSlot;

// Players on a match sheet, 12 to 14; the lineup uses that many +
// kFormationOnlySlots slots.
// Leagues and cups set it while they line teams up.
extern int g_matchSheetSize;
// The competitions of the user's next match: the user's teams are lined up
// with the players available for it.
extern uint16_t g_userMatchMask;
// Today's competitions (the main window's day mask): the other teams are
// lined up with the players available for them. The day step sets it.
extern uint16_t g_dayMatchMask;
// Back to the sheet size and masks the program starts with.
void ResetMatchSheet();

inline int SlotsInUse(int sheetSize) { return std::clamp(sheetSize + kFormationOnlySlots, 0, kLineupSlotCount); }

// The position a slot asks for: its own for 0-6, slot - 6 for 7-12, the
// goalkeeper for 13 and any position for the substitutes.
int WantedPosition(int slot);

// What FillLineupByCriterion ranks the free players by; larger is better.
enum LineupCriterion : unsigned {
    kByStrength,  // playing strength at the slot's position
    kByFitness,
    kByFreshness,
    kByYouth,
    kByExperience,
    kByHeight,
    kByFewMatches,
    kByBestForm,
    kByWorstForm,
    kByBestMotivation,
    kByWorstMotivation,
    kLineupCriterionCount
};
