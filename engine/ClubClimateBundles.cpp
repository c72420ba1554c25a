#include <algorithm>

#include "platform/Random.h"
#include "world/Team.h"

// Fixed sequences of climate steps for the club's big moments. The order of
// the steps matters: each one draws from the game's random generator.

namespace {

constexpr int kNationalCupGain = 4;
constexpr int kOtherCupGain = 7;
constexpr int kCupTeamExtraGain = 2;
constexpr int kNewManagerConfidence = 70;
constexpr int kNewManagerReputation = 70;
constexpr int kMaxConfidence = 100;
constexpr int kSuccessBonusPercent = 5;
constexpr int kPromotionDemandLevel = 2;
constexpr int kRichestBuildingEnvironment = 6;

// A sponsor contract ends at once; term 0 marks it ended.
void EndContract(CFinance& account, uint32_t record) {
    ContractRecord contract = account.GetContract(record);
    contract.term = 0;
    account.SetContract(record, contract);
}

// A promoted club whose arena cannot hold the crowds of the second league
// gets one more line of blocks on a random side, of a kind its money allows.
void EnlargeArenaForPromotion(CTeam& team) {
    if (team.GetSpectatorDemand(kPromotionDemandLevel) <= static_cast<int>(team.arena.GetCapacity()))
        return;
    const int e = std::min(team.GetFinancialEnvironment(), kRichestBuildingEnvironment);
    const int side = RandBelow(4);
    const uint8_t kind = static_cast<uint8_t>((e + 1) / 2 + (e / 4) * 3);
    team.arena.AddGridLine(side == 0, side == 1, side == 2, side == 3, kind);
}

}  // namespace

void CTeam::ApplyPromotion() {
    if (account.IsProfessional()) {
        const ContractRecord sponsor = account.GetContract(kContractMainSponsor);
        const uint32_t bonusShare = uint32_t{sponsor.secondFlag} + 2 * uint32_t{sponsor.firstFlag};
        account.Book(kIncomeSponsors, bonusShare * kSuccessBonusPercent * sponsor.amount / 100);
        EndContract(account, kContractMainSponsor);
        EndContract(account, kContractArenaSponsor);
        account.Book(kCostEmployees, account.GetContract(kContractCoach).continentalOrTitleBonus);
        account.Book(kCostEmployees, account.GetContract(kContractManager).continentalOrTitleBonus);
    }
    ChangeClubConfidence(10);
    ChangeFanReputation(15);
    ChangeTeamSpirit(10);
    ChangeFightingSpirit(10);
    ChangeMediaAttention(50);
    SetFanMood(kMoodEuphorical, 75);
    ChangeBoardAttitude(50);
    ChangeFinancialEnvironment(50);
    if (!ChangeFanCount(-50))
        ChangeFanCount(20);
    EnlargeArenaForPromotion(*this);
    MarkLeagueChanged();
}

void CTeam::ApplyRelegation() {
    if (account.IsProfessional()) {
        EndContract(account, kContractMainSponsor);
        EndContract(account, kContractArenaSponsor);
    }
    ChangeClubConfidence(-10);
    ChangeFanReputation(-15);
    ChangeTeamSpirit(-10);
    ChangeFightingSpirit(-10);
    ChangeMediaAttention(-50);
    SetFanMood(kMoodFrustrated, 75);
    ChangeBoardAttitude(-50);
    ChangeFinancialEnvironment(-50);
    if (!ChangeFanCount(50))
        ChangeFanCount(-20);
    MarkLeagueChanged();
}

void CTeam::ApplyCupProgress(bool national, bool /*continental*/) {
    int gain = national ? kNationalCupGain : kOtherCupGain;
    if (flags & kTeamCupTeam)
        gain += kCupTeamExtraGain;
    ChangeFanReputation(gain);
    SetFanMood(kMoodSuccessSpoiled, 4 * gain);
    SetFanMood(kMoodFastidiously, 3 * gain);
    SetFanMood(kMoodSuccessAddicted, 2 * gain);
    ChangeMediaAttention(2 * gain);
    ChangeFightingSpirit(gain);
    ChangeTeamSpirit(gain);
    ChangeClubConfidence(gain);
}

void CTeam::ResetClimateForNewManager() {
    const int board = GetBoardAttitude();
    clubConfidence = static_cast<uint8_t>(
        std::min(kNewManagerConfidence + RandBelow((board + 1) * 3), kMaxConfidence));
    fanReputation = static_cast<uint8_t>(kNewManagerReputation - fanReputation / 5);
    SetFanMood(kMoodNormal, 80);
    ChangeMediaAttention(40);
    ChangeFightingSpirit(10);
    ChangeTeamSpirit(10);
    ChangeBoardAttitude(50);
    flags &= static_cast<uint8_t>(~kTeamJobSafetyCounter);
}
