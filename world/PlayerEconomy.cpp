// A player in money: wage demand, transfer value, contract and negotiation
// figures, and the development outlook that moves them.
#include <algorithm>
#include <cstdlib>

#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Player.h"
#include "world/PlayerMath.h"
#include "world/PriceRise.h"

namespace {

constexpr uint32_t g_playerWageByStrength[16] = {
    1000,   3500,   7000,   12000,  20000,  30000,  50000,   70000,
    120000, 200000, 380000, 540000, 710000, 800000, 1000000, 1200000,
};
// Per mille; strength classes above 10 use entry 10.
constexpr int g_developmentByStrength[11] = {1400, 1500, 1300, 1200, 1100, 1000, 950, 900, 850, 700, 650};
constexpr int g_developmentByTalent[4] = {700, 850, 1000, 1200};

constexpr int kMaxStrengthClass = 15;
constexpr int kMaxTalent = 3;
constexpr uint32_t kMinWageDemand = 200;
constexpr int kUnhappyGreedPenalty = 10;

// w ± p %, each share rounded down.
uint32_t AddPercent(uint32_t w, int p) {
    const uint64_t share = static_cast<uint64_t>(std::abs(p)) * w / 100;
    return static_cast<uint32_t>(p >= 0 ? w + share : w - share);
}

// Scales d by a per-mille factor: up when positive, down when not.
int ScaleTrend(int d, int permille) { return d > 0 ? d * permille / 1000 : d * 1000 / permille; }

// Months of the season passed: July 0 ... December 5, January 7 ... June 12
// (the turn of the year counts one month more).
int SeasonMonth(int month) {
    return month >= kSeasonStartMonth ? month - kSeasonStartMonth : month + kSeasonEndMonth;
}

}  // namespace

uint32_t CPlayer::GetWageDemand(bool professional, int leagueLevel, bool skipMotivationAndAge,
                                bool skipDevelopment, int inflationPermille) const {
    const int strength = GetStrengthClass();
    uint32_t w = g_playerWageByStrength[std::min(strength, kMaxStrengthClass)];

    const int d = skipDevelopment ? 0 : GetDevelopmentTrend();
    if (d != 0) {
        const int size = std::abs(d);
        w = static_cast<uint32_t>(1000 - size) * (w / 10) / 100;
        const int next = strength + (d > 0 ? 1 : -1);
        if (next >= 0 && next <= kMaxStrengthClass) {
            w += static_cast<uint32_t>(size) * g_playerWageByStrength[next] / 1000;
            const int64_t e = static_cast<int64_t>(d) * size / 1000;
            w = static_cast<uint32_t>(w + static_cast<int64_t>(w) * e / 1000);
        }
    }
    for (int t = GetTalent(); t < kMaxTalent; ++t)
        w = w * 75 / 100;
    if (!professional) {
        w = w * 100 / 150;
        if (leagueLevel > 3)
            w = w * 100 / static_cast<uint32_t>(strength * 5 + (leagueLevel - 3) * 15 + 100);
    }
    if (!skipMotivationAndAge)
        w = AddPercent(w, -FloorDiv(100 - motivation, 2));

    int traits = 0;
    traits += HasCharacterTrait(kLeader) ? 5 : 0;
    traits -= HasCharacterTrait(kModelPlayer) ? 5 : 0;
    traits += HasCharacterTrait(kGreedyForMoney) ? 8 : 0;
    traits -= HasCharacterTrait(kClubPlayer) ? 5 : 0;
    traits -= HasCharacterTrait(kApathy) ? 10 : 0;
    traits += HasStyleTrait(kFighter) ? 3 : 0;
    traits += HasStyleTrait(kAllrounder) ? 6 : 0;
    traits += HasStyleTrait(kFlexible) ? 3 : 0;
    traits += HasStyleTrait(kEgoist) ? 3 : 0;
    traits += ThrowsLeft() ? 10 : 0;
    w = AddPercent(w, traits);

    int skills = 0;
    for (int s = 0; s < kSkillCount; ++s)
        skills += 2 * (GetSkillLevel(s) - kNormalSkill);
    w = AddPercent(w, skills);

    if (GetAltPosition() >= 0)
        w += w * 8 / 100;
    if (!skipMotivationAndAge) {
        const int age = GetAge();
        int a = (age - 18) * 3 - 18;
        if (a > 12)
            a -= (age - 28) * 5;
        w = AddPercent(w, std::max(a, -40));
    }
    w = AddPercent(w, FloorDiv(strengthOffset, 4));
    w = RaiseByPriceRise(w, inflationPermille);
    return std::max(w, kMinWageDemand);
}

int CountedContractMonths(int monthsLeft) {
    int q = monthsLeft;
    if (q >= 36)
        q = (q - 36) / 4 + 36;
    if (q >= 16)
        q = (q - 16) / 2 + 16;
    return q;
}

uint32_t CPlayer::GetTransferValue(int inflationPermille) const {
    if (styleTraits & kNoTransferValue)
        return 0;
    uint32_t v = GetWageDemand(true, 1, false, false, inflationPermille) / 4;
    // Every player is born before the game date; a birthday set in the
    // future must not divide by zero.
    const int age = std::max(GetAge(), 1);
    v = v * static_cast<uint32_t>((GetTalent() + 1) * 85 / age) / 10;
    // A contract that has run out is worth nothing, not a wrapped-around fortune.
    const int months = CountedContractMonths(contractYears * 12 - SeasonMonth(g_gameDate.Month()));
    v = months > 0 ? static_cast<uint32_t>(static_cast<uint64_t>(v) * months / 12) : 0;
    return v > 10000 ? v / 1000 * 1000 : v / 100 * 100;
}

uint32_t CPlayer::GetContractValuePerYear(int inflationPermille) const {
    // A contract run down to 0 years is valued as its last year.
    uint32_t v = GetTransferValue(inflationPermille) / std::max<uint32_t>(contractYears, 1);
    for (int t = 0; t < GetTalent(); ++t)
        v = v * 3 / 4;
    return v;
}

ContractDemand CPlayer::ComputeContractDemand(bool professional, int leagueLevel, int matchesPerSeason,
                                              int inflationPermille) const {
    const uint32_t w = GetWageDemand(professional, leagueLevel, false, false, inflationPermille);
    int share = (GetAge() - 16) * 3 + 30;
    share += HasCharacterTrait(kNervous) ? 10 : 0;
    share += HasStyleTrait(kLazyPlayer) ? 6 : 0;
    share -= HasStyleTrait(kDiligentPlayer) ? 6 : 0;
    share += HasStyleTrait(kHomeMatchesOnly) ? 5 : 0;
    share = std::clamp(share, 30, 70);

    ContractDemand demand;
    demand.salary = w * static_cast<uint32_t>(share) / 100;
    demand.bonus = w * static_cast<uint32_t>(100 - share) / 100 / static_cast<uint32_t>(std::max(matchesPerSeason, 1));
    demand.years = std::min((share - 30) / 18 + 1, 3) + (HasCharacterTrait(kClubPlayer) ? 1 : 0);
    if (!professional)
        demand.years = 1;
    return demand;
}

int CPlayer::GetContractSatisfaction(bool professional, int leagueLevel, int expectedMatches,
                                     int inflationPermille) const {
    const uint64_t paid = GetSalary() + static_cast<uint64_t>(GetBonus()) * std::max(expectedMatches, 0);
    const uint32_t demand = GetWageDemand(professional, leagueLevel, false, false, inflationPermille);
    int percent = static_cast<int>(std::min<uint64_t>(paid * 100 / demand, INT32_MAX));
    if (HasCharacterTrait(kGreedyForMoney))
        percent -= kUnhappyGreedPenalty;
    return std::max(percent, 0);
}

uint32_t CPlayer::GetTrainingCompensation() const {
    const int age = GetAge();
    if (age > 22)
        return 0;
    const int counted = std::clamp(age, 17, 21);
    return static_cast<uint32_t>((counted - 16) * 500 * (GetTalent() * 45 + GetStrengthClass() * 20) / 1000 * 10);
}

NegotiationParams CPlayer::GetNegotiationParams() const {
    const int s = GetStrengthClass();
    const int age = GetAge();
    // A strength class of 0 does not exist; it must not divide by zero.
    const int r = std::max(IntRoot(s * s * s * 100, 2) / 10, 1);
    NegotiationParams params;
    params[1] = age * 2 - 26;
    params[0] = 1000 - params[1];
    params[2] = r * 120;
    params[3] = (age > 25 ? 200 - (age - 25) * 10 : -200 - (age - 17) * 12) / r + 1;
    params[4] = params[5] = params[6] = 80 / r + 1;
    params[7] = 400 / r + 1;
    return params;
}

uint32_t CPlayer::GetNegotiationScale(bool professional, int leagueLevel, int inflationPermille) const {
    const uint32_t demand = GetWageDemand(professional, leagueLevel, false, false, inflationPermille);
    return static_cast<uint32_t>(IntRoot(static_cast<int>(demand), 2)) * 10 * GetStrengthClass();
}

PlayerContract CPlayer::GetContract() const {
    PlayerContract c;
    c.salary = GetSalary();
    c.bonus = GetBonus();
    c.professional = IsProfessional();
    if (c.professional) {
        c.playerOption = contractFlags & kPlayerOption;
        c.clubOption = contractFlags & kClubOption;
        c.clause = GetContractClause();
        c.years = contractYears;
        c.fixedFee = GetFixedTransferFee();
    }
    return c;
}

void CPlayer::SetContract(PlayerContract& c) {
    if (!c.professional) {
        c.playerOption = c.clubOption = false;
        c.clause = 0;
    }
    // Amounts beyond the stored widths are kept at the largest, not wrapped.
    salaryHundreds = static_cast<uint16_t>(std::min<uint64_t>((c.salary + 50ull) / 100, UINT16_MAX));
    bonusTens = static_cast<uint16_t>(std::min<uint64_t>((c.bonus + 5ull) / 10, UINT16_MAX));
    contractFlags = static_cast<uint8_t>((c.professional ? kProfessional : 0) | (c.playerOption ? kPlayerOption : 0) |
                                         (c.clubOption ? kClubOption : 0) | (c.clause & kClauseMask));
    contractYears = static_cast<uint8_t>(c.professional ? c.years : 1);
    fixedFeeHundreds = static_cast<uint16_t>(c.professional ? std::min<uint32_t>(c.fixedFee / 100, UINT16_MAX) : 0);
}

int CPlayer::GetDevelopmentTrend() const {
    const int age = GetAge();
    const int strength = GetStrengthClass();
    const int talent = std::min(GetTalent(), kMaxTalent);
    int d = 0;
    if (age < 25)
        d = (25 - age) * 80;
    else if (age > 32)
        d = (32 - age) * 80;
    d += static_cast<int>((static_cast<double>(averageForm) - 10) * 70);
    if (averageGrade != 0)
        d += static_cast<int>(-(static_cast<double>(averageGrade) - 3) * 120);
    if (IsProfessional() && leagueMatches > 10 * strength)
        d += 400;
    if (IsProfessional() && strength < 3 && age >= 26 && age <= 31)
        d += 300;
    if (!IsProfessional() && d > 0)
        d = d * 4 / 5;

    const int s = std::min(strength, 10);
    d = ScaleTrend(d, g_developmentByStrength[s]);
    d = ScaleTrend(d, g_developmentByTalent[talent]);
    while (d > 800 || d < -700)
        d = d * 9 / 10;
    const int cap = talent * 2 + 4;
    if (s == cap && d > 0)
        d = 0;
    if (s >= cap && d >= 0 && averageForm > 13.0f)
        d = 5;
    return d;
}

void CPlayer::ChangeStrength(int delta, bool capByTalent) {
    const int old = GetStrengthClass();
    const int next = std::clamp(old + delta, 1, kMaxStrengthClass);
    if (capByTalent && next > GetTalent() * 2 + 4)
        return;
    int o = strengthOffset;
    if (delta != 0 && old > 0) {
        if (o < 0) {
            o = o * next / old;
        } else if (o > 0) {
            const int t = o * old / next;
            o = t + FloorDiv(o - t, 2);
        }
    }
    strengthTalent = static_cast<uint8_t>(next << 4 | GetTalent());
    strengthOffset = static_cast<int8_t>(o);
}

float CPlayer::BaseStrength() const {
    float a = (freshness + fitness) / 100.0f;
    a = static_cast<float>(GetStrengthClass() - 1) + a;
    a = (GetForm() / 10.0f - 1.0f) + a;
    a = motivation / 100.0f * a;
    return std::max(a, 0.2f);
}

void CPlayer::ComputeBaseStrength() { playingStrength = BaseStrength(); }

float CPlayer::StrengthFor(bool inSlot) const {
    if (inSlot)
        return StrengthInSlot(GetSlot());
    const float base = BaseStrength();
    const int regular = GetPosition();
    if (regular != kGoalkeeper && GetSlot() == kGoalkeeper)
        return base * 0.2f;
    if (regular != kGoalkeeper && strengthOffset != 0)
        return (strengthOffset + 100) / 100.0f * base;
    return base;
}

// Times 1 leaves the strength as it is.
float CPlayer::StrengthInSlot(int slot) const { return BaseStrength() * SlotFactor(slot); }

float CPlayer::SlotFactor(int slot) const {
    if (slot == kNoSlot)
        return 1.0f;
    const int regular = GetPosition();
    const int alt = GetAltPosition();
    float factor = 0.5f;
    if (slot == kGoalkeeper || regular == kGoalkeeper)
        factor = 0.2f;
    else if (HasStyleTrait(kSpecialist))
        factor = 0.3f;
    if (HasStyleTrait(kAllrounder) && slot != kGoalkeeper)
        factor = 0.7f;
    if (alt >= 0 && HasMirrorPosition(alt) && slot == MirrorPosition(alt))
        factor = 0.7f;
    if (slot == alt)
        factor = 0.8f;
    if (HasMirrorPosition(regular) && slot == MirrorPosition(regular))
        factor = 0.8f;
    if (slot == regular)
        factor = 1.0f;
    return factor;
}

void CPlayer::UpdatePlayingStrength(bool inSlot) { playingStrength = StrengthFor(inSlot); }
