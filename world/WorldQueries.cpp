#include <algorithm>

#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

// Questions about the whole world, walked in its fixed order: continents,
// nations, leagues, teams, squad positions.

namespace {

bool InSquad(const CTeam& team, const CPlayer* player) {
    size_t index = 0;
    return team.FindPlayer(player, index);
}

bool InAnySquad(const std::vector<std::unique_ptr<CTeam>>& teams, const CPlayer* player) {
    return std::any_of(teams.begin(), teams.end(), [&](const auto& team) { return InSquad(*team, player); });
}

}  // namespace

bool CWorld::ContainsPlayer(const CPlayer* player, bool extraTeams, bool freePlayers) const {
    for (const auto& continent : continents)
        for (const auto& nation : continent->nations) {
            for (const auto& league : nation->leagues)
                if (InAnySquad(league->clubs, player))
                    return true;
            if (extraTeams && InAnySquad(nation->extraTeams, player))
                return true;
            if (freePlayers && std::any_of(nation->freePlayers.begin(), nation->freePlayers.end(),
                                           [&](const auto& free) { return free.get() == player; }))
                return true;
        }
    return false;
}

std::unordered_set<const CPlayer*> CWorld::CollectClubPlayers(bool extraTeams) const {
    std::unordered_set<const CPlayer*> players;
    const auto collect = [&](const std::vector<std::unique_ptr<CTeam>>& teams) {
        for (const auto& team : teams)
            for (const auto& player : team->squad)
                players.insert(player.get());
    };
    for (const auto& continent : continents)
        for (const auto& nation : continent->nations) {
            for (const auto& league : nation->leagues)
                collect(league->clubs);
            if (extraTeams)
                collect(nation->extraTeams);
        }
    return players;
}

bool CWorld::IsNationalPlayer(const CPlayer* player) const {
    for (const auto& continent : continents)
        for (const auto& nation : continent->nations)
            if (InSquad(nation->nationalTeam, player))
                return true;
    return false;
}

bool CWorld::GetAgreedTransfersToTeam(const CTeam* team, std::vector<CPlayer*>& players) const {
    std::vector<CPlayer*> scratch;
    for (const auto& continent : continents)
        for (const auto& nation : continent->nations)
            if (nation->GetAgreedTransfersToTeam(team, scratch))
                players.insert(players.end(), scratch.begin(), scratch.end());
    return !players.empty();
}

void CWorld::DropTeamFromTransferDeals(const CTeam* team) {
    for (const auto& continent : continents)
        for (const auto& nation : continent->nations)
            nation->DropTeamFromTransferDeals(team);
}
