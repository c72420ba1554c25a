#include <algorithm>
#include <cstdlib>
#include <limits>

#include "career/ManagerPosts.h"
#include "finance/FormatMoney.h"
#include "finance/MoneyEvents.h"
#include "finance/SeasonForecast.h"
#include "platform/Random.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Team.h"

// A club's account at the season end: the sponsor's and the manager's
// bonuses, the tax on a profit, the contracts' terms, the club's climate by
// its final place, what the user's next forecast starts from, and the
// balance handed to the capital.

namespace {

constexpr int kEnvironmentSteps = 10;
constexpr int kCrampedArenaMoodChance = 75;
constexpr int kClimbingSpiritBase = 70;
constexpr int kFightingSpiritBase = 130;
constexpr int kAmateurSpiritBase = 80;
constexpr int kAmateurSpiritSpread = 40;

// One year less on a contract; true when it has just run out.
bool RunDownTerm(CFinance& account, uint32_t record) {
    ContractRecord c = account.GetContract(record);
    if (c.term == 0)
        return false;
    --c.term;
    account.SetContract(record, c);
    return c.term == 0;
}

void EndUserCoachContract(CFinance& account, CTeam& team, CNation& nation) {
    if (!team.HasCoach())
        return;
    SendCoachToPool(team, nation);
    team.coachFirstName.clear();
    team.coachSurname.clear();
    ContractRecord c = account.GetContract(kContractCoach);
    c.amount = 0;
    account.SetContract(kContractCoach, c);
}

void EndUserKeeperCoachContract(CTeam& team, CNation& nation) {
    if (team.keeperCoach.empty())
        return;
    nation.keeperCoachPool.push_back({team.keeperCoach, team.keeperCoachCompetence});
    team.keeperCoach.clear();
}

// Fans, media and money follow the final place: the top half gains, the
// bottom half loses; the spirits start the new season by it.
void ApplyFinalPlace(CTeam& team, const CLeague& league) {
    const int teams = static_cast<int>(league.clubs.size());
    if (teams <= 0)
        return;
    int p = (teams - league.GetTablePosition(&team) + 1) * 100 / teams;
    const int q = (p - 50) >> 1;
    team.ChangeFanCount(q);
    team.ChangeMediaAttention(2 * q);
    team.ChangeFinancialEnvironment(q);
    team.SetFanMood(kMoodFaithful, std::abs(2 * q));
    p /= 3;
    team.teamSpirit = static_cast<uint8_t>(std::clamp(kClimbingSpiritBase + p + RandBelow(p), 0, 200));
    team.fightingSpirit = static_cast<uint8_t>(std::clamp(kFightingSpiritBase - p - RandBelow(p), 0, 200));
}

void RunDownContracts(CFinance& account, CTeam& team, CNation& nation, bool user) {
    RunDownTerm(account, kContractMainSponsor);
    RunDownTerm(account, kContractArenaSponsor);
    if (RunDownTerm(account, kContractCoach) && user)
        EndUserCoachContract(account, team, nation);
    if (RunDownTerm(account, kContractKeeperCoach) && user)
        EndUserKeeperCoachContract(team, nation);
    RunDownTerm(account, kContractManager);
}

int32_t AddSaturated(int32_t a, int32_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{a} + b, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

void CFinance::PayTax(CTeam& team, const CLeague& league, CNation& nation) {
    const bool user = IsUserTeam(&team);
    const ContractRecord sponsor = GetContract(kContractMainSponsor);
    if (!user || g_manager.averageHomeSpectators >= static_cast<int64_t>(sponsor.target) * 100)
        Book(kIncomeSponsors, sponsor.targetBonus);

    if (GetBalance() > 0)
        Book(kCostEmployees, GetContract(kContractManager).targetBonus);
    const int32_t profit = GetBalance();
    if (profit > 0) {
        const uint32_t tax = static_cast<uint32_t>(profit >> 2);
        if (user)
            g_manager.AddNews("The club has to pay " + FormatMoney(tax) + " for tax", CManager::kNewsRed);
        Book(kCostMiscellaneous, tax);
        if (MoneyEventListener* listener = GetMoneyEventListener())
            listener->TaxPaid(team, league, tax);
        team.ChangeFinancialEnvironment(kEnvironmentSteps);
    } else {
        team.ChangeFinancialEnvironment(-kEnvironmentSteps);
    }

    if (IsProfessional()) {
        RunDownContracts(*this, team, nation, user);
        ApplyFinalPlace(team, league);
        if (static_cast<int64_t>(team.arena.GetCapacity()) < team.GetSpectatorDemand(league.division)) {
            team.SetFanMood(kMoodLoud, kCrampedArenaMoodChance);
            team.ChangeFinancialEnvironment(-kEnvironmentSteps);
        } else {
            team.ChangeFinancialEnvironment(kEnvironmentSteps);
        }
    } else {
        team.fightingSpirit = static_cast<uint8_t>(kAmateurSpiritBase + RandBelow(kAmateurSpiritSpread));
        team.teamSpirit = static_cast<uint8_t>(kAmateurSpiritBase + RandBelow(kAmateurSpiritSpread));
    }

    if (user)
        KeepSeasonForForecast(g_manager, *this);
    // A capital at its limit keeps the limit rather than wrap around.
    team.capital = AddSaturated(team.capital, GetBalance());
    ClearSeasonFigures();
    SetWord(kSeasonTicketsWord, GetSeasonTicketPrice());
}
