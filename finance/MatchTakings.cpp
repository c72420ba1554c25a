#include "finance/MatchTakings.h"

#include <cstdint>

#include "engine/MatchTeam.h"
#include "world/Arena.h"
#include "world/Finance.h"
#include "world/Match.h"
#include "world/Player.h"

using namespace match_team;

namespace {

// Match bonuses of the players of one side who took part.
uint32_t SumPlayerBonuses(CTeam& team, int sheetSize) {
    uint32_t sum = 0;
    const SquadFielding fielding(team, sheetSize);
    for (int i = 0; i < SquadSize(team); ++i)
        if (fielding.Of(i).onSheet)
            sum += PlayerAt(team, i).GetBonus();
    return sum;
}

// The coach's bonus per point; only professional accounts pay one.
uint32_t CoachBonus(const CFinance& account) {
    return account.IsProfessional() ? account.GetContract(kContractCoach).nationalCupOrPointBonus : 0;
}

// Gate money of the home club in euros: paying spectators at the arena's
// mean admission fee (cents).
int64_t ComputeTakings(const CMatch& match, const CTeam& homeTeam, bool league) {
    const CArena& arena = TeamArena(homeTeam);
    const CFinance& account = TeamAccount(homeTeam);
    const CArena::OpenPlaces open = arena.CountOpenPlaces();
    const int64_t capacity = open.capacity;
    // An arena without places takes no money rather than dividing by zero.
    if (capacity == 0)
        return 0;
    const int64_t seats = open.seats;
    const int64_t bench = open.standing;
    const int64_t meanFee = (seats * account.GetAdmissionFee(kSeatAdmission) +
                             bench * account.GetAdmissionFee(kBenchAdmission)) / capacity;
    int64_t paying = match.spectators;
    if (league)
        paying -= account.GetSeasonTicketsSold();
    const int64_t takings = paying * meanFee / 100;
    return takings < 0 ? 0 : takings;
}

}  // namespace

void BookMatchFinances(const CMatch& match, bool league, bool /*continental*/, bool /*nationalCup*/, bool counted) {
    CTeam& homeTeam = *match.home.team;
    CTeam& awayTeam = *match.away.team;
    CFinance& homeAccount = TeamAccount(homeTeam);
    CFinance& awayAccount = TeamAccount(awayTeam);

    const uint32_t takings = static_cast<uint32_t>(ComputeTakings(match, homeTeam, league));
    if (match.neutralVenue == 1) {
        homeAccount.Book(kIncomeSpectators, takings >> 1);
        awayAccount.Book(kIncomeSpectators, takings >> 1);
    } else {
        homeAccount.Book(kIncomeSpectators, takings);
    }
    homeAccount.Book(kCostPlayer, SumPlayerBonuses(homeTeam, match.sheetSize));
    awayAccount.Book(kCostPlayer, SumPlayerBonuses(awayTeam, match.sheetSize));

    const int h = match.home.goals, a = match.away.goals;
    if (homeAccount.IsProfessional() || awayAccount.IsProfessional()) {
        const uint32_t homeCoach = CoachBonus(homeAccount);
        const uint32_t awayCoach = CoachBonus(awayAccount);
        if (h > a) {
            homeAccount.Book(kCostEmployees, 2 * homeCoach);
        } else if (h == a) {
            homeAccount.Book(kCostEmployees, homeCoach);
            awayAccount.Book(kCostEmployees, awayCoach);
        } else {
            awayAccount.Book(kCostEmployees, 2 * awayCoach);
        }
        RecordUserMatchResult(homeTeam, h > a ? 2 : h == a ? 1 : 0, counted);
        RecordUserMatchResult(awayTeam, a > h ? 2 : h == a ? 1 : 0, counted);
    } else if (counted) {
        RecordUserCountedMatch(homeTeam);
        RecordUserCountedMatch(awayTeam);
    }

    if (match.prize != 0)
        homeAccount.Book(kIncomeMedia, match.prize);
}
