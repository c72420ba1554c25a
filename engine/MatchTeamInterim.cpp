#include "engine/MatchTeam.h"

#include "platform/Random.h"
#include "world/Player.h"
#include "world/Team.h"

// INTERIM: the lineup operations of CTeam and the manager's world
// references are being built on their own branches. Until they land, the
// engine reaches them through these bodies; each is replaced by a call of
// the real operation (CTeam::IsPlayerFielded, PickPenaltyTaker,
// PickPenaltyGoalkeeper, PickCaptain, CountAvailableStarters,
// ValidateLineup, IsUserTeam; CManager::GetTeamRef, ResolveRef,
// GetPlayerRef, AddHomeMatchValue and the season counters).

namespace match_team {

namespace {

constexpr uint32_t kNotFound = 0xFF000000;

bool OnSheetAndFree(CTeam& team, int player, int sheetSize) {
    return player >= 0 && player < SquadSize(team) && GetFielding(team, player, sheetSize).onSheet &&
           !match_player::IsOutOfPlay(PlayerAt(team, player));
}

int FirstFreeOnSheet(CTeam& team, int sheetSize) {
    for (int slot = 0; slot < sheetSize + kFormationOnlySlots; ++slot) {
        const int player = SlotPlayer(team, slot);
        if (player >= 0 && !match_player::IsOutOfPlay(PlayerAt(team, player)))
            return player;
    }
    return 0;
}

int PickFromList(CTeam& team, const std::vector<uint8_t>& list, int sheetSize) {
    for (uint8_t player : list)
        if (OnSheetAndFree(team, player, sheetSize))
            return player;
    return FirstFreeOnSheet(team, sheetSize);
}

}  // namespace

Fielding GetFielding(CTeam& team, int player, int sheetSize) {
    Fielding at;
    for (int slot = 0; slot < sheetSize + kFormationOnlySlots; ++slot) {
        if (SlotPlayer(team, slot) != player)
            continue;
        at.onSheet = true;
        at.inDefence = slot <= kLastDefenceSlot;
        at.inOffence = slot == kGoalkeeperSlot || (slot >= kFirstOffenceSlot && slot <= kLastOffenceSlot);
    }
    return at;
}

int PickPenaltyTaker(CTeam& team, int sheetSize) {
    for (size_t i = 0; i < team.penaltyTakers.size(); ++i) {
        const int r = RandBelow(100);
        if (r > 30 / static_cast<int>((i + 1) * (i + 1)) && OnSheetAndFree(team, team.penaltyTakers[i], sheetSize))
            return team.penaltyTakers[i];
    }
    return FirstFreeOnSheet(team, sheetSize);
}

int PickPenaltyGoalkeeper(CTeam& team, int sheetSize) { return PickFromList(team, team.penaltyKeepers, sheetSize); }
int PickCaptain(CTeam& team, int sheetSize) { return PickFromList(team, team.captains, sheetSize); }

int CountAvailableStarters(CTeam& team) {
    int n = 7;
    for (int slot = 0; slot <= kLastDefenceSlot; ++slot) {
        const int player = SlotPlayer(team, slot);
        if (player < 0 || match_player::IsOutOfPlay(PlayerAt(team, player)))
            --n;
    }
    return n;
}

void ValidateLineup(CTeam&) {}
bool IsUsersTeam(const CTeam&) { return false; }

uint32_t TeamRef(const CTeam*) { return kNotFound; }
CTeam* ResolveTeamRef(uint32_t) { return &g_noClubTeam; }
void RecordUserMatchResult(const CTeam&, int, bool) {}
void RecordUserCountedMatch(const CTeam&) {}
void RecordUserHomeCrowd(const CTeam&, uint32_t) {}
void ReturnInjuriesToClubs(CTeam&) {}

}  // namespace match_team
