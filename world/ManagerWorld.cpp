#include "world/GameDate.h"
#include "world/Inflation.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/PriceRise.h"
#include "world/World.h"
#include "world/WorldWalk.h"

WorldRef CManager::GetTeamRef(const CTeam* team) const { return world ? world->GetTeamRef(team) : kRefNotFound; }

WorldRef CManager::GetPlayerRef(const CPlayer* player, uint8_t& squadIndex, const CNation* likelyNation) const {
    squadIndex = 0;
    return world ? world->GetPlayerRef(player, squadIndex, likelyNation) : kRefNotFound;
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

void CManager::CollectSearchedPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& scope) const {
    if (world)
        world->CollectSearchedPlayers(result, scope);
}

bool CManager::GetAgreedTransfersToTeam(const CTeam* team, std::vector<CPlayer*>& players) const {
    return world && world->GetAgreedTransfersToTeam(team, players);
}

void CManager::DropTeamFromTransferDeals(const CTeam* team) {
    if (world)
        world->DropTeamFromTransferDeals(team);
}

namespace {

size_t CountClubsThatPlay(const CNation& nation) {
    size_t count = 0;
    for (const auto& league : nation.leagues)
        if (!league->IsPassive())
            count += league->clubs.size();
    return count;
}

}  // namespace

bool CManager::PlaceWithoutClub() {
    if (!world)
        return false;
    club = &g_noClubTeam;
    CContinent* bestContinent = nullptr;
    CNation* bestNation = nullptr;
    size_t most = 0;
    for (const auto& c : world->continents)
        for (const auto& n : c->nations)
            if (const size_t count = CountClubsThatPlay(*n); count > most) {
                most = count;
                bestContinent = c.get();
                bestNation = n.get();
            }
    if (bestNation) {
        continent = bestContinent;
        nation = bestNation;
        league = bestNation->leagues.front().get();
        return true;
    }
    bool anyLeague = false;
    for (const auto& c : world->continents)
        for (const auto& n : c->nations)
            for (const auto& l : n->leagues) {
                continent = c.get();
                nation = n.get();
                league = l.get();
                anyLeague = true;
                if (!l->IsPassive())
                    return true;
            }
    return anyLeague;
}

int CManager::GetInflationPermille() const {
    return world ? InflationPermilleAfter(SeasonsSinceStart(g_gameDate, world->startYear)) : 0;
}

uint32_t CManager::ApplyInflation(uint32_t& amount) const { return amount = RaiseByPriceRise(amount, GetInflationPermille()); }

uint32_t CManager::GetMonthlyLivingCosts() const {
    return MonthlyLivingCosts(coachingLevel, salary, GetInflationPermille());
}
