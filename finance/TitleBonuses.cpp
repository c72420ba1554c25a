#include "world/Finance.h"
#include "world/Team.h"

// What a cup round or a title brings a club: the main sponsor's bonuses,
// the staff's title bonuses and the lift of the club's climate.

namespace {

constexpr uint32_t kTitleBonusPercentStep = 5;

}  // namespace

void CFinance::BookSponsorCupBonus(bool continental, bool national) {
    const ContractRecord sponsor = GetContract(kContractMainSponsor);
    if (continental)
        Book(kIncomeSponsors, sponsor.continentalOrTitleBonus);
    if (national)
        Book(kIncomeSponsors, sponsor.nationalCupOrPointBonus);
}

void CFinance::BookSponsorTitleBonus() {
    const ContractRecord sponsor = GetContract(kContractMainSponsor);
    const uint32_t percent = (2 * uint32_t{sponsor.firstFlag} + uint32_t{sponsor.secondFlag}) * kTitleBonusPercentStep;
    Book(kIncomeSponsors, static_cast<uint32_t>(uint64_t{sponsor.amount} * percent / 100));
}

void CFinance::BookTitleBonuses(CTeam& team) {
    Book(kCostEmployees, GetContract(kContractCoach).continentalOrTitleBonus);
    Book(kCostEmployees, GetContract(kContractManager).continentalOrTitleBonus);
    team.ChangeClubConfidence(10);
    team.ChangeFanReputation(15);
    team.ChangeFanCount(20);
    team.SetFanMood(kMoodSuccessSpoiled, 50);
    team.ChangeMediaAttention(50);
    team.ChangeBoardAttitude(20);
    team.ChangeFightingSpirit(-5);
    team.ChangeTeamSpirit(10);
    team.ChangeFinancialEnvironment(20);
}
