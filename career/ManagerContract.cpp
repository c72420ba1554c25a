// The terms a club offers the manager and the start of the contract he
// agreed for next season.
#include <algorithm>

#include "career/ManagerPosts.h"
#include "finance/IncomeFormulae.h"
#include "platform/Random.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

constexpr int64_t kBreakEvenHealth = 100;
// One chance in this many for each side's option to extend by a season;
// the club pays more for its own option and less for his.
constexpr int kOptionChance = 3;
constexpr int64_t kClubOptionTenths = 11;
constexpr int64_t kManagerOptionTenths = 9;
// The bonuses take this share of the salary: 15-29 percent.
constexpr int kLeastBonusPercent = 15;
constexpr int kBonusPercentSpread = 15;
// The title bonus is 5-9 points of that share below the placing bonus.
constexpr int kTitleBonusCut = 5;
constexpr int kTitleBonusCutSpread = 5;
constexpr int kBoardContentFrom = 50;  // club confidence
constexpr int kMaxContractYears = 3;

// A club whose finances are off in either direction offers half of that.
int64_t HalfwayToBreakEven(int64_t health) {
    return health <= kBreakEvenHealth ? health + (kBreakEvenHealth - health) / 2
                                      : health - (health - kBreakEvenHealth) / 2;
}

bool DrawOption() { return RandBelow(kOptionChance) == 0; }

}  // namespace

ManagerContract CManager::ProposeContractTerms(const CLeague& offering, const CTeam& team) const {
    int64_t sum = CalcStaffSalary(coachingLevel, offering.division, offering.IsProfessional());
    sum = sum * HalfwayToBreakEven(team.account.CalcHealthForecast(offering, team)) / 100;
    ManagerContract terms;
    if (DrawOption()) {
        terms.clubOption = 1;
        sum = sum * kClubOptionTenths / 10;
    }
    if (DrawOption()) {
        terms.managerOption = 1;
        sum = sum * kManagerOptionTenths / 10;
    }
    const int64_t share = kLeastBonusPercent + RandBelow(kBonusPercentSpread);
    terms.salary = static_cast<int32_t>(sum - share * sum / 100);
    terms.placingBonus = static_cast<int32_t>(sum * share / 100);
    terms.titleBonus =
        static_cast<int32_t>((share - kTitleBonusCut - RandBelow(kTitleBonusCutSpread)) * sum / 100);
    const int64_t matchDays = std::max(1, offering.GetMatchDayCount(true, true, true));
    terms.pointBonus = static_cast<int32_t>(sum * share / matchDays / 100);
    terms.targetPlace =
        std::min(offering.GetStrengthRank(&team), offering.GetTeamCount() - offering.relegatedPlaces);
    // A content board may bind him for longer.
    const int reach = (team.clubConfidence - kBoardContentFrom) / 10;
    terms.years = std::clamp(reach * Rand() / 32768 + 1, 1, kMaxContractYears);
    return terms;
}

void CManager::StartNextContract() {
    if (!hasNextContract)
        return;
    if (HasClub()) {
        RecordCareerStation(false, false, false);
        LeaveClubPosts(*this, *club);
    }
    ClubPlace place;
    if (!world || !FindClubPlace(*world, nextClub, place)) {
        PlaceWithoutClub();
        return;
    }
    continent = place.continent;
    nation = place.nation;
    league = place.league;
    club = nextClub;
    SetContract(GetNextContract());
    hasNextContract = 0;
    StartClubSeason(true);
}
