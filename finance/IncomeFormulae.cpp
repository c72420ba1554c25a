#include "finance/IncomeFormulae.h"

#include <algorithm>
#include <array>

#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/PriceRise.h"
#include "world/Team.h"

const char* const g_merchandiseNames[kFanArticleKinds] = {"jersey", "t-shirt", "flag", "scarf", "pennant"};

namespace {

constexpr int32_t kBaseBenchFee = 1200;
constexpr int32_t kBaseSeatFee = 1800;
constexpr int kNormalFanAmount = 4;
constexpr int kMaxLowerLeagueFeeCut = 75;
constexpr int kScoreBoardWithoutSurcharge = 2;

constexpr std::array<int32_t, kFanArticleKinds> kMerchandisePrices = {1500, 400, 320, 400, 150};
struct QuantityDiscount {
    int32_t fromCount;
    int32_t percent;
};
constexpr std::array<QuantityDiscount, 3> kQuantityDiscounts = {{{1000, 15}, {500, 10}, {100, 5}}};

// Costs of a youth or amateur team by the whole mean strength of its squad.
constexpr std::array<uint32_t, 14> kTeamCostCurve = {1000,   3500,   7000,   12000,  20000,  30000,  50000,
                                                     70000,  120000, 200000, 380000, 540000, 710000, 800000};
constexpr uint32_t kYouthCostShare = 6;
constexpr uint32_t kAmateurCostShare = 7;

constexpr uint32_t kTopStaffSalary = 100000;
constexpr int kTopCompetence = 10;
constexpr uint32_t kTopLeagueTvShare = 50000;

int32_t Permille() { return g_manager.GetInflationPermille(); }
uint32_t Inflated(uint32_t amount) { return RaiseByPriceRise(amount, Permille()); }

int32_t RoundDown(int32_t value, int32_t unit) { return value - value % unit; }

// The first of the table gets 1.3 (T - 1) / T of the amount, the last 0.9 (T - 1) / T.
uint32_t ScaleByPosition(uint32_t amount, int position, int teamCount) {
    if (teamCount <= 0)
        return amount;
    const int64_t factor = int64_t{teamCount - 1} * 13 - (int64_t{position} * 4 - 4);
    return static_cast<uint32_t>(std::max<int64_t>(0, amount * factor / (int64_t{teamCount} * 10)));
}

// Lower leagues pay less: by the level, and again below the second.
uint32_t ScaleByLevel(uint32_t amount, int leagueLevel) {
    if (leagueLevel > 0)
        amount /= static_cast<uint32_t>(leagueLevel);
    if (leagueLevel > 2)
        amount /= static_cast<uint32_t>(leagueLevel - 2);
    return amount;
}

uint32_t TeamCostCurve(float meanStrength) {
    const int last = static_cast<int>(kTeamCostCurve.size()) - 1;
    if (!(meanStrength > 0))
        return kTeamCostCurve[0];
    if (meanStrength >= last)
        return kTeamCostCurve[last];
    const int whole = static_cast<int>(meanStrength);
    const uint32_t tenths = static_cast<uint32_t>(static_cast<int>(meanStrength * 10) % 10);
    return (kTeamCostCurve[whole + 1] * tenths + kTeamCostCurve[whole] * (10 - tenths)) / 10;
}

uint32_t RoundTeamCosts(uint32_t v) {
    if (v > 10000)
        return v - v % 1000;
    if (v >= 1001)
        return v - v % 100;
    if (v > 100)
        return v - v % 10;
    return v;
}

}  // namespace

AdmissionFees CalcAdmissionFees(int leagueLevel, const CTeam& team) {
    const int32_t k = team.GetFanAmount() - kNormalFanAmount;
    AdmissionFees fees{kBaseBenchFee + ((kBaseBenchFee * k) >> 3), kBaseSeatFee + kBaseSeatFee * k / 10};
    if (leagueLevel > 1) {
        // From the fifth league on the cut stays at its limit.
        const int cut = leagueLevel >= 5 ? kMaxLowerLeagueFeeCut : (1 << (leagueLevel + 1)) + 20;
        fees.seat -= cut * fees.seat / 100;
        fees.bench -= cut * fees.bench / 100;
    }
    const int surcharge = (team.arena.GetScoreBoard() - kScoreBoardWithoutSurcharge) * 3;
    if (surcharge > 0) {
        fees.seat += fees.seat * surcharge / 100;
        fees.bench += fees.bench * surcharge / 100;
    }
    const int32_t p = Permille();
    fees.seat += fees.seat * p / 1000;
    fees.bench += fees.bench * p / 1000;
    return fees;
}

int CountTableTeams(const CFinance& account, const CLeague& league) {
    return account.IsProfessional() ? static_cast<int>(league.clubs.size()) : league.storedClubCount;
}

uint32_t CalcMainSponsorSum(int demand, int environment, int leagueLevel, int position, int teamCount) {
    uint32_t s = static_cast<uint32_t>(demand * 40 + environment * 45000);
    if (leagueLevel > 0)
        s /= static_cast<uint32_t>(leagueLevel);
    if (leagueLevel > 2)
        s = s * 100 / static_cast<uint32_t>((leagueLevel - 2) * 40 + 100);
    return Inflated(ScaleByPosition(s, position, teamCount));
}

uint32_t CalcArenaSponsorSum(int demand, uint32_t capacity, int scoreBoard, int leagueLevel, int position,
                             int teamCount) {
    uint32_t s = ((static_cast<uint32_t>(demand) + capacity) >> 1) * 50;
    s = Inflated(ScaleByPosition(ScaleByLevel(s, leagueLevel), position, teamCount));
    if (scoreBoard >= 3)
        s += s / 100 * static_cast<uint32_t>(2 * scoreBoard - 4);
    return s;
}

uint32_t CalcSponsorPool(int fanAmount, int environment, int leagueLevel, int position, int teamCount,
                         uint32_t& participants) {
    const uint32_t s = Inflated(ScaleByPosition(
        ScaleByLevel(static_cast<uint32_t>((fanAmount + environment) * 30000), leagueLevel), position, teamCount));
    participants = static_cast<uint32_t>((fanAmount + environment) * 5 + 1);
    if (s / participants < 400 && participants >= 2)
        participants >>= 1;
    return s;
}

int32_t CalcMerchandisePurchasePrice(int kind, int32_t count) {
    if (kind < 0 || kind >= kFanArticleKinds)
        return 0;
    int32_t price = static_cast<int32_t>(Inflated(static_cast<uint32_t>(kMerchandisePrices[kind])));
    for (const QuantityDiscount& d : kQuantityDiscounts)
        if (count >= d.fromCount) {
            price -= price * d.percent / 100;
            break;
        }
    return RoundDown(price, 10);
}

uint32_t CalcScaledMeanAmount(uint32_t a, uint32_t b) { return Inflated(((a + b) >> 1) * 50); }

uint32_t AdjustAmountByLevel(uint32_t amount, int leagueLevel, bool professional) {
    if (leagueLevel > 2 && professional)
        return amount + amount / 2;
    if (leagueLevel < 3 && !professional)
        return amount >> 1;
    return amount;
}

uint32_t CalcStaffSalary(int competence, int leagueLevel, bool professional) {
    uint32_t s = kTopStaffSalary;
    for (int c = kTopCompetence; c > competence && c > 0; --c)
        s = s * 100 / 120;
    for (int level = 2; level <= leagueLevel && s > 0; ++level)
        s = s * 100 / 160;
    if (!professional)
        s /= 2;
    return Inflated(s);
}

uint32_t GetTeamCostCurveValue(int wholeStrength) {
    return Inflated(TeamCostCurve(static_cast<float>(wholeStrength)));
}

uint32_t CalcYouthTeamCosts(float meanStrength) {
    return RoundTeamCosts(Inflated(TeamCostCurve(meanStrength) / kYouthCostShare));
}

uint32_t CalcAmateurTeamCosts(float meanStrength, int environment) {
    uint32_t v = TeamCostCurve(meanStrength) / kAmateurCostShare;
    v += v * 7 * static_cast<uint32_t>(std::max(environment, 0)) / 100;
    return RoundTeamCosts(Inflated(v));
}

uint32_t CalcLeagueTvShare(int leagueLevel) { return Inflated(leagueLevel < 2 ? kTopLeagueTvShare : 0); }

void RoundContractAmounts(ContractRecord& contract) {
    contract.amount -= contract.amount % 100;
    contract.targetBonus -= contract.targetBonus % 10;
    contract.continentalOrTitleBonus -= contract.continentalOrTitleBonus % 100;
    contract.nationalCupOrPointBonus -= contract.nationalCupOrPointBonus % 10;
}
