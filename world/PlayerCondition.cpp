// A player's condition moving by chance, his availability, and the pull of
// each new season back towards the means.
#include <algorithm>
#include <cstdlib>

#include "platform/Random.h"
#include "world/Player.h"
#include "world/PlayerMath.h"

namespace {

constexpr int kMaxForm = 20;
constexpr int kNeutralForm = 10;
constexpr int kMaxMotivation = 120;
constexpr int kNeutralMotivation = 100;
constexpr int kMaxAbsenceDays = 255;
constexpr int kMaxPositionCount = 31;

// Day-code bits of the competitions each half of the status word bars from.
constexpr uint16_t kInternationalCompetitions = 0xF800;
constexpr uint16_t kNationalCompetitions = 0x07C0;

struct InjuryRisk {
    int chancePerMille;
    int healthType;
};

InjuryRisk RiskOfInjury(int kind) {
    switch (kind) {
        case 0: case 13: case 16:
            return {250, kWeakHealth};
        case 2:
            return {350, kWeakHealth};
        case 4: case 9: case 20:
            return {750, kWeakHealth};
        case 1: case 3: case 5: case 6: case 7: case 10: case 12: case 14: case 15: case 18: case 23:
            return {5, kSelfPitying};
        case 8: case 11: case 17: case 19:
            return {10, kSelfPitying};
        case 21: case 22: case 24: case 25: case 26:
            return {10, kOftenInjured};
        default:
            return {0, kHealthNormal};
    }
}

}  // namespace

void CPlayer::ChangeForm(int steps) {
    if (steps == 0)
        return;
    const int chance = 20 + 2 * std::abs(kNeutralForm - GetForm());
    for (int i = 0; i < std::abs(steps); ++i) {
        if (!ChancePerMille(chance))
            continue;
        const int form = std::clamp(GetForm() + (steps > 0 ? 1 : -1), 0, kMaxForm);
        const uint8_t direction = steps > 0 ? kFormWentUp : kFormWentDown;
        formByte = static_cast<uint8_t>((formByte & ~(kFormMask | kFormWentUp | kFormWentDown)) | form | direction);
    }
}

void CPlayer::ChangeMotivation(int steps) {
    int q = std::abs(25 - std::abs(kNeutralMotivation - motivation));
    if (HasCharacterTrait(kCheerfulPlayer) && steps > 0)
        q += 5;
    if (HasCharacterTrait(kTroubleSpot) && steps < 0)
        q += 5;
    if (HasCharacterTrait(kHothead) && q < 10)
        q += 5;
    const bool towardsNeutral =
        (motivation > kNeutralMotivation && steps < 0) || (motivation < kNeutralMotivation && steps > 0);
    if (q < 15 && towardsNeutral)
        q = 15;
    if (motivation > 110)
        q /= 2;
    for (int i = 0; i < std::abs(steps); ++i)
        if (RandBelow(100) < q)
            motivation = static_cast<uint8_t>(std::clamp(motivation + (steps > 0 ? 1 : -1), 0, kMaxMotivation));
}

bool CPlayer::ChangePopularity(int eventStrength) {
    const int popularity = GetPopularity();
    if ((eventStrength >= 1 && popularity == kIdol) || (eventStrength < 0 && popularity == kUnpopular))
        return false;
    if (RandBelow(popularity == kPopularityNormal ? 2000 : 1000) >= std::abs(eventStrength))
        return false;
    int next = kPopularityNormal;
    if (popularity == kPopularityNormal)
        next = eventStrength >= 1 ? kIdol : kUnpopular;
    popularityHealth = static_cast<uint8_t>((popularityHealth & ~0x03) | next);
    return true;
}

void CPlayer::UpdateHealthAfterInjury(int injuryKind) {
    const int health = GetHealthType();
    InjuryRisk risk = health == kWeakHealth ? InjuryRisk{0, kHealthNormal} : RiskOfInjury(injuryKind);
    if (health == kStrong)
        risk.chancePerMille /= 2;
    int next = health;
    if (ChancePerMille(risk.chancePerMille)) {
        next = risk.healthType;
    } else if (health != kStrong) {
        const int draw = RandBelow(1000);
        if (draw < 4)
            next = kStrong;
        else if (draw < 10)
            next = kHealthNormal;
    }
    popularityHealth = static_cast<uint8_t>((popularityHealth & ~0x1C) | next << 2);
}

bool CPlayer::IsAvailable(uint16_t competitionMask) const {
    if (status == 0)
        return true;
    if (status & kInjured)
        return false;
    if ((competitionMask & kInternationalCompetitions) && (status & kInternationalBan))
        return false;
    if ((competitionMask & kNationalCompetitions) && (status >> kDaysOutShift))
        return false;
    return !(status & kAbsent);
}

void CPlayer::SetAbsence(int days) {
    const int n = std::clamp(days, 0, kMaxAbsenceDays);
    if (n < (status >> kDaysOutShift))
        return;
    status = static_cast<uint16_t>((status & (kInternationalBan | kSuspended)) | kAbsent | n << kDaysOutShift);
}

void CPlayer::CountMatchOnPosition(int position) {
    int gain = position == GetPosition() || position == GetAltPosition() ? 1 : 3;
    gain += HasStyleTrait(kFlexible) ? 1 : 0;
    gain -= HasStyleTrait(kSpecialist) ? 1 : 0;
    const int start = (positionExperience >> 5) == position ? (positionExperience & 0x1F) : 0;
    const int count = std::clamp(start + gain, 0, kMaxPositionCount);
    positionExperience = static_cast<uint8_t>((position & 7) << 5 | count);
}

void CPlayer::RandomizeCondition() {
    formByte = static_cast<uint8_t>(7 + RandBelow(5));
    averageForm = formByte;
    fitness = static_cast<uint8_t>(25 + RandBelow(20));
    freshness = static_cast<uint8_t>(55 + RandBelow(20));
    motivation = static_cast<uint8_t>(97 + RandBelow(7));
    for (int i = 0; i < kAttributeCount; ++i)
        SetAttribute(i, 2 + RandBelow(4));
}

void CPlayer::StartNewSeason() {
    suspensions = league7mGoals = leagueMatches = intlClubMatches = intlGoals = 0;

    const int form = kNeutralForm + FloorDiv(GetForm() - kNeutralForm, 2);
    formByte = static_cast<uint8_t>((formByte & ~(kFormMask | kFormWentUp | kFormWentDown)) | form);
    averageForm = static_cast<float>(form);
    freshness = static_cast<uint8_t>(50 + FloorDiv(freshness - 50, 2));
    if (GetAge() < 19)
        height = static_cast<uint8_t>(height + std::max(0, RandBelow(8) - 5));
    fitness = static_cast<uint8_t>(30 + FloorDiv(fitness - 30, 2));
    // Above the mean motivation falls back harder than it climbs from below.
    const int d = motivation - kNeutralMotivation;
    motivation = static_cast<uint8_t>(kNeutralMotivation + (d > 0 ? d / 3 : FloorDiv(d, 2)));

    averageGrade = 0;
    cupGoals = cards = 0;
    leagueGoals = 0;
    for (int i = 0; i < kAttributeCount; ++i)
        SetAttribute(i, GetAttribute(i) / 2);
    contractYears = IsProfessional() ? static_cast<uint8_t>(std::max(contractYears - 1, 0)) : 1;
    styleTraits &= static_cast<uint16_t>(~kChangedTeam);
}
