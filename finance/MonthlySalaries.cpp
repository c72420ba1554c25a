// A club's monthly pay: a twelfth of every squad player's yearly salary,
// each cut to whole euros on its own, and a twelfth of each staff
// contract. The user, as the manager of a professional club, draws the
// manager's twelfth into his own money.
#include <algorithm>
#include <cstdint>

#include "finance/ClubWeek.h"
#include "world/Finance.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr uint32_t kMonths = 12;

uint32_t Monthly(const CFinance& account, uint32_t record) { return account.GetContract(record).amount / kMonths; }

}  // namespace

void PayMonthlySalaries(const ClubWeek& week) {
    CFinance& account = week.team.account;
    uint64_t players = 0;
    for (const auto& player : week.team.squad)
        players += player->GetSalary() / kMonths;
    account.Book(kCostPlayer, static_cast<uint32_t>(std::min<uint64_t>(players, UINT32_MAX)));

    account.Book(kCostEmployees, Monthly(account, kContractCoach));
    const uint32_t manager = Monthly(account, kContractManager);
    if (account.IsProfessional() && week.user)
        g_manager.balance += static_cast<int32_t>(manager);
    account.Book(kCostEmployees, manager);
    account.Book(kCostEmployees, Monthly(account, kContractKeeperCoach));
}
