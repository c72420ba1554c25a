#include <vector>

#include "finance/ComputerClub.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

// The contract weeks of a computer-run club: the players it rates well and
// whose contracts run out get new ones.

namespace {

constexpr int kRenewedBelowYears = 2;
constexpr int kRenewedAboveRating = 800;
// A player less content than this with his contract is held to the club's
// option rather than asked what he wants.
constexpr int kOptionBelowSatisfaction = 100;

void RenewContract(const ComputerClub& club, CPlayer& player) {
    const CLeague& league = club.league;
    const int permille = g_manager.GetInflationPermille();
    const int matchDays = league.GetMatchDayCount(true, true, true);
    PlayerContract contract = player.GetContract();
    const bool useOption =
        player.HasExtensionOption(false) &&
        player.GetContractSatisfaction(league.IsProfessional(), league.division, matchDays, permille) <
            kOptionBelowSatisfaction;
    if (useOption) {
        contract.years = 1;
        contract.clubOption = false;
    } else {
        const ContractDemand demand = player.ComputeContractDemand(league.IsProfessional(), league.division,
                                                                   matchDays, permille);
        contract.salary = demand.salary;
        contract.bonus = demand.bonus;
        contract.years = demand.years;
    }
    if (contract.fixedFee != 0)
        contract.fixedFee = player.GetTransferValue(permille);
    // The running season still counts as a year of the contract.
    ++contract.years;
    player.SetContract(contract);
    if (player.IsOnTransferList(true))
        club.nation.RemoveFromTransferList(&player);
}

}  // namespace

void RenewContracts(const ComputerClub& club) {
    const std::vector<uint16_t> ratings = club.team.RateSquadPlayers(club.league);
    for (size_t i = 0; i < club.team.squad.size(); ++i) {
        CPlayer& player = *club.team.squad[i];
        if (player.contractYears < kRenewedBelowYears && ratings[i] > kRenewedAboveRating &&
            !club.nation.IsTransferAgreed(&player))
            RenewContract(club, player);
    }
}
