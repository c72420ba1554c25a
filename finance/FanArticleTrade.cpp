// The fan articles a professional club sells beside its matches. A club
// whose season's trade reaches the weekly threshold sells every week, a
// smaller one every fourth week in larger lots; the user's club sells from
// the stock and at the prices he keeps.
#include <algorithm>
#include <cstdint>

#include "finance/ClubWeek.h"
#include "finance/IncomeFormulae.h"
#include "platform/Random.h"
#include "squad/Training.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

// A season's trade of exactly this size sells nothing at all.
constexpr uint32_t kWeeklyTradeFrom = 5200;
constexpr uint32_t kTradeWeeks = 52;
constexpr int kLotWeeks = 4;
constexpr uint32_t kLots = kTradeWeeks / kLotWeeks;
constexpr int kDemandSpreadPercent = 32;
// What the club pays for the articles it sells: 17 to 32 percent.
constexpr int kLeastCostPercent = 17;
constexpr int kCostSpreadPercent = 16;

uint32_t Percent(uint32_t amount, int percent) {
    return static_cast<uint32_t>(uint64_t{amount} * static_cast<uint64_t>(percent) / 100);
}

}  // namespace

// The week's sales are at most a thirteenth of a 32-bit season, well
// within what the manager's sale takes.
void TradeFanArticles(const ClubWeek& week) {
    CTeam& team = week.team;
    const int demand = team.GetSpectatorDemand(week.league.division);
    uint32_t sales = CalcScaledMeanAmount(static_cast<uint32_t>(std::max(demand, 0)),
                                          team.account.GetSeasonTicketsSold());
    if (sales == kWeeklyTradeFrom)
        return;
    if (sales > kWeeklyTradeFrom) {
        sales /= kTradeWeeks;
    } else {
        if (GetCurrentSeasonWeek() % kLotWeeks != 0)
            return;
        sales /= kLots;
    }
    sales += Percent(sales, RandBelow(kDemandSpreadPercent));

    uint32_t cost = 0;
    if (week.user) {
        auto buyers = static_cast<int32_t>(sales);
        g_manager.SellMerchandise(buyers, cost);
        sales = static_cast<uint32_t>(std::max(buyers, 0));
    } else {
        cost = Percent(sales, kLeastCostPercent + RandBelow(kCostSpreadPercent));
    }
    team.account.Book(kIncomeMerchandise, sales);
    team.account.Book(kCostMerchandise, cost);
}
