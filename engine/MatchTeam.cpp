#include "engine/MatchTeam.h"

#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

namespace match_team {

void SetSlot(CTeam& team, int slot, int player) {
    if (slot >= 0 && slot < kLineupSlotCount)
        team.lineup[static_cast<size_t>(slot)] = static_cast<uint8_t>(player + 1);
}

std::vector<uint16_t>& Injuries(CTeam& team) { return team.injuries; }
int FansMood(const CTeam& team) { return team.GetFanMood(); }

bool IsAdvancedDefenceSlot(int system, int slot) {
    switch (system) {
    case 2: return slot == 6;
    case 3: return slot == 2 || slot == 4;
    case 4: return slot == 2 || slot == 4 || slot == 6;
    default: return false;
    }
}

CArena& TeamArena(CTeam& team) { return team.arena; }
const CArena& TeamArena(const CTeam& team) { return team.arena; }
CFinance& TeamAccount(CTeam& team) { return team.account; }
const CFinance& TeamAccount(const CTeam& team) { return team.account; }

Fielding GetFielding(CTeam& team, int player, int sheetSize) {
    Fielding at;
    at.onSheet = team.IsPlayerFielded(player, sheetSize, at.inOffence, at.inDefence);
    return at;
}

SquadFielding::SquadFielding(const CTeam& team, int sheetSize)
    : slots_(team), slotsInUse_(SlotRange(0, SlotsInUse(sheetSize))) {}

Fielding SquadFielding::Of(int player) const {
    const uint32_t slots = slots_.SlotsOf(player) & slotsInUse_;
    Fielding at;
    at.onSheet = slots != 0;
    at.inOffence = (slots & kOffenceFormationSlots) != 0;
    at.inDefence = (slots & kDefenceFormationSlots) != 0;
    return at;
}

int PickPenaltyTaker(CTeam& team, int sheetSize) { return team.PickPenaltyTaker(sheetSize); }
int PickPenaltyGoalkeeper(CTeam& team, int sheetSize) { return team.PickPenaltyGoalkeeper(sheetSize); }
int PickCaptain(CTeam& team, int sheetSize) { return team.PickCaptain(sheetSize); }
int CountAvailableStarters(CTeam& team) { return static_cast<int>(team.CountAvailableStarters()); }
void ValidateLineup(CTeam& team) { team.ValidateLineup(); }
bool IsUsersTeam(const CTeam& team) { return IsUserTeam(&team); }

}  // namespace match_team

namespace match_player {

int CardCount(const CPlayer& p) {
    using namespace MatchMarks;
    return ((p.matchMarks & kYellow) != 0) + ((p.matchMarks & kFirstSuspension) != 0) +
           ((p.matchMarks & kSecondSuspension) != 0);
}

}  // namespace match_player

// Slot queries of the match that read the lineup directly.
int CMatch::LastSheetSlot() const { return sheetSize + kFormationOnlySlots - 1; }

int CMatch::SlotPlayer(const CTeam& team, int slot) const { return match_team::SlotPlayer(team, slot); }

bool CMatch::HasRole(const CTeam& team, int player, int firstSlot, int lastSlot) const {
    return FirstSlotOf(team, player, firstSlot, lastSlot) >= 0;
}

int CMatch::FirstSlotOf(const CTeam& team, int player, int firstSlot, int lastSlot) const {
    for (int slot = firstSlot; slot <= lastSlot; ++slot)
        if (match_team::SlotPlayer(team, slot) == player)
            return slot;
    return -1;
}
