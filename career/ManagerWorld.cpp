#include "career/Inflation.h"
#include "career/Manager.h"
#include "world/GameDate.h"
#include "world/NoClubTeam.h"
#include "world/PriceRise.h"
#include "world/World.h"

WorldRef CManager::GetTeamRef(const CTeam* team) const { return world ? world->GetTeamRef(team) : kRefNotFound; }

WorldRef CManager::GetPlayerRef(const CPlayer* player, uint8_t& squadIndex) const {
    squadIndex = 0;
    return world ? world->GetPlayerRef(player, squadIndex) : kRefNotFound;
}

WorldObject CManager::ResolveRef(WorldRef ref, RefLevel stopAt) const {
    return world ? world->ResolveRef(ref, stopAt) : WorldObject(&g_noClubTeam);
}

CTeam* CManager::ResolveTeam(WorldRef ref) const { return world ? world->ResolveTeam(ref) : &g_noClubTeam; }

bool CManager::IsInNationalTeam(const CPlayer* player) const { return world && world->IsNationalPlayer(player); }

void CManager::SearchPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& filter) const {
    if (world)
        world->SearchPlayers(result, filter);
}

bool CManager::GetAgreedTransfersToTeam(const CTeam* team, std::vector<CPlayer*>& players) const {
    return world && world->GetAgreedTransfersToTeam(team, players);
}

void CManager::DropTeamFromTransferDeals(const CTeam* team) {
    if (world)
        world->DropTeamFromTransferDeals(team);
}

int CManager::GetInflationPermille() const {
    return world ? InflationPermilleAfter(SeasonsSinceStart(g_gameDate, world->startYear)) : 0;
}

uint32_t CManager::ApplyInflation(uint32_t& amount) const { return amount = RaiseByPriceRise(amount, GetInflationPermille()); }

uint32_t CManager::GetMonthlyLivingCosts() const {
    return MonthlyLivingCosts(coachingLevel, salary, GetInflationPermille());
}
