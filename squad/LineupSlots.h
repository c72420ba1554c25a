#pragma once

#include <algorithm>
#include <cstdint>

#include "world/Team.h"

// Beside the slot numbers of world/Team.h: slot 0 is the goalkeeper (he
// plays in both formations), 1-6 the defence and 7-12 the offence
// formation, one slot per position in position order, 13 the substitute
// goalkeeper, 14-19 the substitutes.
constexpr int kSlotLastDefence = 6;
constexpr int kSlotLastOffence = 12;
// Offence slot of a position = its defence slot + this.
constexpr int kOffenceSlotOffset = 6;
constexpr int kStarterSlotCount = 7;

// Lineup position of a player who plays no offence position (defence only,
// substitute, not fielded); also "any position" for a substitute slot.
constexpr int kNoLineupPosition = 7;

// Players on a match sheet, 12 to 14; the lineup uses that many + 6 slots.
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

inline int SlotsInUse(int sheetSize) { return std::clamp(sheetSize + 6, 0, kLineupSlotCount); }

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
