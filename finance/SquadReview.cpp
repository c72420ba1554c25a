#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "finance/ComputerClub.h"
#include "platform/Random.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

// The review weeks of a computer-run club: every player's cost is set
// against what he is worth to the club, and the outliers are listed.

namespace {

// Ratings of CTeam::RateSquadPlayers that decide how a player is listed.
constexpr int kGivenAwayBelow = 600;
constexpr int kPricedBelow = 800;
constexpr int kKeptListedAbove = 900;
constexpr int kSurplusBelow = 850;
constexpr int kPriceRandomDivisor = 16;
constexpr int kBasePricePercent = 40;
constexpr int kYoungSurplusAge = 25;
constexpr int kYoungSurplusCount = 2;
constexpr int kOldSurplusCount = 3;

void TallyPositions(const CTeam& team, SquadValuation& valuation) {
    for (const auto& player : team.squad) {
        const int p = SquadPosition(*player);
        ++valuation.count[p];
        valuation.strongest[p] = std::max(valuation.strongest[p], player->GetStrengthClass());
    }
}

// Season cost per thousandth of the wage demand that the player's rating
// earns him: high values pay for little.
void RateCosts(const CTeam& team, const CLeague& league, SquadValuation& valuation) {
    const int permille = g_manager.GetInflationPermille();
    for (size_t i = 0; i < team.squad.size(); ++i) {
        const CPlayer& player = *team.squad[i];
        const uint32_t wage = player.GetWageDemand(player.IsProfessional(), league.division, false, false, permille) / 100;
        const uint32_t base = std::max<uint32_t>(valuation.ratings[i] * wage / 1000, 1);
        const uint32_t cost = GetSeasonCost(player, league);
        valuation.seasonCost.push_back(cost);
        valuation.costPerValue.push_back(cost / base);
    }
}

SquadValuation ValueSquad(const ComputerClub& club) {
    SquadValuation valuation;
    valuation.ratings = club.team.RateSquadPlayers(club.league);
    TallyPositions(club.team, valuation);
    RateCosts(club.team, club.league, valuation);
    return valuation;
}

// The mean plus twice the mean deviation.
int64_t OutlierLimit(const std::vector<uint32_t>& v) {
    if (v.empty())
        return 0;
    const auto n = static_cast<int64_t>(v.size());
    int64_t sum = 0;
    for (uint32_t x : v)
        sum += x;
    const int64_t mean = sum / n;
    int64_t deviation = 0;
    for (uint32_t x : v)
        deviation += std::llabs(static_cast<int64_t>(x) - mean);
    return mean + 2 * (deviation / n);
}

void ListExpensivePlayer(CNation& nation, CPlayer& player, int rating) {
    if (rating < kGivenAwayBelow) {
        nation.AddToTransferList(&player, 0, false, true, true);
    } else if (rating < kPricedBelow) {
        const uint32_t value = player.GetTransferValue(g_manager.GetInflationPermille());
        const auto percent = static_cast<uint32_t>(kBasePricePercent + RandBelow(rating / kPriceRandomDivisor));
        nation.AddToTransferList(&player, value * percent / 100, false, false, true);
    } else {
        nation.AddToTransferList(&player, 0, false, false, true);
    }
}

// A weak player where the position has enough: the young are lent out,
// the others sold.
void ListSurplusPlayer(CNation& nation, CPlayer& player, const SquadValuation& valuation) {
    const int p = SquadPosition(player);
    if (player.GetStrengthClass() >= valuation.strongest[p])
        return;
    if (player.GetAge() < kYoungSurplusAge) {
        if (valuation.count[p] > kYoungSurplusCount)
            nation.AddToTransferList(&player, player.GetContractValuePerYear(g_manager.GetInflationPermille()), true,
                                     false, true);
    } else if (valuation.count[p] > kOldSurplusCount) {
        nation.AddToTransferList(&player, 0, false, false, true);
    }
}

}  // namespace

int SquadPosition(const CPlayer& player) { return std::min(player.GetPosition(), kPositionCount - 1); }

uint32_t GetSeasonCost(const CPlayer& player, const CLeague& league) {
    const int64_t matchDays = league.GetMatchDayCount(true, true, true);
    const int64_t played = league.currentMatchDay - 1;
    const int64_t expected = played <= 0 ? matchDays * 2 / 3 : int64_t{player.leagueMatches} * matchDays / played;
    return static_cast<uint32_t>(player.GetSalary() + player.GetBonus() * expected);
}

uint32_t GetExpectedFee(const ComputerClub& club, const CPlayer& player) {
    TransferEntry entry;
    if (!club.nation.GetTransferEntryOfPlayer(&player, entry) || entry.loan)
        return 0;
    return entry.price != 0 ? entry.price : player.GetTransferValue(g_manager.GetInflationPermille());
}

SquadValuation ReviewSquad(const ComputerClub& club) {
    CTeam& team = club.team;
    const SquadValuation valuation = ValueSquad(club);
    const std::vector<uint32_t>& v = valuation.costPerValue;
    const int64_t limit = OutlierLimit(v);

    for (size_t i = 0; i < team.squad.size(); ++i) {
        CPlayer& player = *team.squad[i];
        const int p = SquadPosition(player);
        if (v[i] > limit) {
            if (player.GetStrengthClass() < valuation.strongest[p] || valuation.count[p] > 1)
                ListExpensivePlayer(club.nation, player, valuation.ratings[i]);
        } else if (player.IsOnTransferList(true) && valuation.ratings[i] > kKeptListedAbove) {
            club.nation.RemoveFromTransferList(&player);
        }
    }
    for (size_t i = 0; i < team.squad.size(); ++i)
        if (valuation.ratings[i] < kSurplusBelow)
            ListSurplusPlayer(club.nation, *team.squad[i], valuation);
    return valuation;
}
