#pragma once

#include <cstdint>

#include "world/Player.h"
#include "world/Team.h"

class SlotMembership;

// What the lineup code reads and marks on players and teams; shared by the
// files of squad/ and not meant for other callers.

// Marks in the player's hand-and-slot byte: the user's nomination marks and
// the captain of the current lineup.
constexpr uint8_t kNeverNominate = 0x02;
constexpr uint8_t kAlwaysNominate = 0x04;
constexpr uint8_t kCaptainMark = 0x10;

// The lineup asks these for every player many times: they are inline.
inline bool IsBarred(const CPlayer& p) { return p.matchMarks & MatchMarks::kOutOfPlay; }
inline bool IsNeverNominated(const CPlayer& p) { return p.handAndSlot & kNeverNominate; }
inline bool IsAlwaysNominated(const CPlayer& p) { return p.handAndSlot & kAlwaysNominate; }
inline void SetLineupPosition(CPlayer& p, int position) {
    const uint8_t keep = p.handAndSlot & ((1u << CPlayer::kSlotShift) - 1);
    p.handAndSlot = static_cast<uint8_t>(keep | position << CPlayer::kSlotShift);
}

// Squad index in a slot, -1 when it is empty or points past the squad.
inline int SlotSquadIndex(const CTeam& team, int slot) {
    const int value = team.lineup[slot];
    if (value == 0 || value > static_cast<int>(team.squad.size()))
        return -1;
    return value - 1;
}
// The player in a slot, or null when the slot is empty or points past the squad.
inline CPlayer* SlotPlayer(const CTeam& team, int slot) {
    const int i = SlotSquadIndex(team, slot);
    return i < 0 ? nullptr : team.squad[i].get();
}
// The captain of the current sheet, -1 when nobody on it can lead.
int FindCaptainOnSheet(const CTeam& team, const SlotMembership& slots, int sheetSize);

// The competitions a team is lined up for: the user's next match for his
// teams, today's matches for the others.
uint16_t LineupAvailabilityMask(const CTeam& team);
// Players are measured against this height: 185 cm, 175 cm in the women's game.
int ReferenceHeight();
