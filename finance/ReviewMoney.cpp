#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "finance/ComputerClub.h"
#include "finance/InterestRates.h"
#include "platform/Random.h"
#include "world/Finance.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

// The money decisions of a computer-run club's board in its review weeks.
// A club whose season is forecast to lose money puts up for sale the
// players who cost most for what they are worth; a club forecast to make
// money spends seven eighths of its means on its arena and its youth and
// amateur teams.

namespace {

constexpr int64_t kBreakEven = 100;  // health forecast
constexpr int64_t kNewCoachBelow = 75;
constexpr int kNewCoachOneIn = 3;
// Up to this income a share is taken of the whole income, above it of its
// hundredths.
constexpr int64_t kSmallIncome = 10000;

// A block is seated on one chance in two before it is enlarged.
constexpr int kSeatingOneIn = 2;
// The arena keeps this many places beyond the season tickets open.
constexpr int64_t kSpareCapacity = 50;
// The places it aims at: five quarters of the spectator demand.
constexpr int64_t kTargetQuarters = 5;
constexpr int kBelowScoreBoardLevel = 3;
constexpr int64_t kTicketSubsidy = 5;
constexpr int64_t kYouthBudgetShare = 25;
constexpr int64_t kAmateurBudgetShare = 35;
constexpr int kSquadRenewalMonth = 4;

int64_t PercentOfIncome(int64_t income, int64_t percent) {
    return income <= kSmallIncome ? income * percent / 100 : income / 100 * percent;
}

int64_t SeasonIncome(const ComputerClub& club) {
    return club.team.account.CalcSeasonIncome(club.league, club.team, g_interestRates.investmentBase);
}

// The squad's order by cost per value, dearest first; equal ones keep the
// squad's order.
std::vector<size_t> DearestFirst(const SquadValuation& valuation) {
    std::vector<size_t> order(valuation.costPerValue.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return valuation.costPerValue[a] > valuation.costPerValue[b]; });
    return order;
}

// The shortfall the forecast shows is made up by sales: first what the
// players already on their way out bring in, then new listings of the
// players who cost most for their worth, while their position keeps
// another player.
void SellToSave(const ComputerClub& club, const SquadValuation& valuation, int64_t health) {
    const int64_t income = SeasonIncome(club);
    int64_t shortfall = income - PercentOfIncome(income, health);
    std::array<int, kPositionCount> count = valuation.count;
    const PlayerList& squad = club.team.squad;
    for (size_t i = 0; i < squad.size(); ++i) {
        const CPlayer& player = *squad[i];
        if (player.IsOnTransferList(true) || club.nation.IsTransferAgreed(&player)) {
            shortfall -= int64_t{valuation.seasonCost[i]} + GetExpectedFee(club, player);
            --count[SquadPosition(player)];
        }
    }
    if (shortfall <= 0)
        return;
    const int permille = g_manager.GetInflationPermille();
    for (size_t i : DearestFirst(valuation)) {
        if (shortfall < 1)
            break;
        CPlayer& player = *squad[i];
        int& left = count[SquadPosition(player)];
        if (player.IsOnTransferList(false) || left <= 1)
            continue;
        // A player who cannot be listed stays and still counts.
        if (club.nation.AddToTransferList(&player, 0, false, false, true)) {
            --left;
            shortfall -= int64_t{valuation.seasonCost[i]} + player.GetTransferValue(permille);
        }
    }
}

// Places of both kinds, the blocks under construction too.
int64_t AllPlaces(const CArena& arena) {
    return int64_t{arena.CountPlaces(false, true)} + arena.CountPlaces(true, true);
}

void PayBuilding(CFinance& account, int64_t& budget, uint32_t price) {
    budget -= price;
    if (price != 0)
        account.Book(kCostStadium, price);
}

// Block after block is enlarged, some seated first, while the money lasts,
// the places stay short of the target, and the blocks closed for the works
// leave room for the season-ticket holders.
void EnlargeBlocks(CTeam& team, int64_t target, int64_t tickets, int64_t& budget, int permille) {
    CArena& arena = team.arena;
    if (AllPlaces(arena) >= target)
        return;
    const int columns = arena.GetColumnCount();
    const int blocks = columns * arena.GetRowCount();
    for (int k = 0; k < blocks; ++k) {
        const int column = k % columns;
        const int row = k / columns;
        uint32_t price = 0;
        if (RandBelow(kSeatingOneIn) == 0)
            price = arena.ConvertToSeats(column, row, permille);
        price += arena.UpgradeBlock(column, row, permille);
        PayBuilding(team.account, budget, price);
        if (budget < 1 || int64_t{arena.GetCapacity()} < tickets + kSpareCapacity || AllPlaces(arena) > target)
            return;
    }
}

// One side of the arena grid, for the two orders the arena takes them in.
struct GridSide {
    bool top, bottom, left, right;
};
constexpr GridSide kGridSides[] = {
    {true, false, false, false}, {false, true, false, false}, {false, false, true, false}, {false, false, false, true}};

// When even the largest blocks all round would not hold the target, the
// grid grows by one line of empty blocks, closed while it is built.
void AddGridLine(CTeam& team, int64_t target, int64_t& budget, int permille) {
    CArena& arena = team.arena;
    const int64_t standBlocks =
        int64_t{arena.GetColumnCount()} * arena.GetRowCount() - CArena::kFieldColumns * CArena::kFieldRows;
    if (standBlocks * PlacesOfBlockKind(kStandingLarge) >= target)
        return;
    for (const GridSide& s : kGridSides) {
        const uint32_t price = arena.GetGridLineCost(s.top, s.bottom, s.left, s.right, false, permille);
        if (price >= budget || !arena.AddGridLine(s.top, s.left, s.bottom, s.right, kBlockEmpty))
            continue;
        PayBuilding(team.account, budget, price);
        arena.GetGridLineCost(s.top, s.bottom, s.left, s.right, true, permille);
        return;
    }
}

void BuildArena(const ComputerClub& club, int64_t tickets, int64_t& budget) {
    CTeam& team = club.team;
    const int permille = g_manager.GetInflationPermille();
    const int64_t target = int64_t{team.GetSpectatorDemand(club.league.division)} * kTargetQuarters >> 2;
    EnlargeBlocks(team, target, tickets, budget, permille);
    if (budget > 0)
        AddGridLine(team, target, budget, permille);
    if (budget > 0 && club.league.division < kBelowScoreBoardLevel)
        PayBuilding(team.account, budget, team.arena.UpgradeScoreBoard(permille));
}

// A subsidy is paid only while it leaves some of the budget.
void Subsidise(CFinance& account, uint32_t category, int64_t subsidy, int64_t& budget) {
    if (budget <= 0 || subsidy >= budget)
        return;
    account.Book(category, static_cast<uint32_t>(subsidy));
    budget -= subsidy;
}

void SpendSurplus(const ComputerClub& club, int64_t health) {
    CTeam& team = club.team;
    CFinance& account = team.account;
    const int64_t tickets = account.GetSeasonTicketsSold();
    const int64_t surplus = PercentOfIncome(SeasonIncome(club), health - kBreakEven);
    int64_t budget = ((account.GetNetAssets(team.capital) + surplus) >> 3) * 7;
    if (budget > 0)
        BuildArena(club, tickets, budget);
    const int64_t level = std::max<int>(club.league.division, 1);
    Subsidise(account, kCostYouthTeam, tickets * kTicketSubsidy / level + budget / kYouthBudgetShare, budget);
    Subsidise(account, kCostAmateurTeam, tickets * kTicketSubsidy / level + budget / kAmateurBudgetShare, budget);
    // Money left in spring goes into the squad of the coming season.
    if (budget > 0 && g_gameDate.Month() == kSquadRenewalMonth)
        team.MarkLeagueChanged();
}

}  // namespace

void ReviewFinances(const ComputerClub& club, const SquadValuation& valuation) {
    const int64_t health = club.team.account.CalcHealthForecast(club.league, club.team);
    if (health < kNewCoachBelow && RandBelow(kNewCoachOneIn) == 0)
        club.nation.AppointStaffFromPool(club.team, StaffPost::kCoach);
    if (health < kBreakEven)
        SellToSave(club, valuation, health);
    else
        SpendSurplus(club, health);
}
