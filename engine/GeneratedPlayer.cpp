#include <algorithm>

#include "engine/GeneratedPeople.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Player.h"

namespace {

// Talents are drawn in tenths, 0.0-3.9.
constexpr int kTalentTenths = 10;
constexpr int kMaxTalentTenths = (kMaxGeneratedTalent + 1) * kTalentTenths - 1;

constexpr int kMinAge = 17;
constexpr int kMaxAgeCentre = 99;
constexpr int kMaxDrawnAge = 67;
constexpr int kYoungUntil = 23;  // below it a player may still be better than his class
constexpr int kOldFrom = 30;     // above it he may be worse

constexpr int kAltPositionChanceInTen = 2;
constexpr int kLeftHandedOutOfEleven = 3;  // draws 8-10 of 0-10
constexpr int kSkillTries = 2;
constexpr int kSkillDeficitAbove = 90;

constexpr int kBaseHeight = 175;
constexpr int kWomensHeightCut = 10;
constexpr int kBackHeightBonus = 10;
constexpr int kHeightPerTalent = 4;
constexpr int kHeightSpreadRange = 40;

constexpr int kCharacterTraitFirstBit = 5;
constexpr int kStyleTraitFirstBit = 6;
constexpr int kHealthTypeShift = 2;

constexpr uint8_t kGoalkeeperNumber = 1;
constexpr uint8_t kFieldPlayerNumber = 2;  // the club makes numbers unique
constexpr int kContractMatches = 14;
// Without a club the demand is reckoned as for the top league.
constexpr int kContractLeagueLevel = 1;

bool OneInFour() { return RandBelow(4) == 0; }
bool ChancePercent(int percent) { return RandBelow(100) < percent; }

// lo + a value up to hi; a range turned upside down gives lo = hi.
int DrawBetween(int lo, int hi) {
    lo = std::min(lo, hi);
    return lo + RandBelow(hi - lo + 1);
}

int DrawTalent(const PlayerRecipe& r) {
    int lo = static_cast<int>((r.talentCentre - r.talentSpread) * kTalentTenths);
    if (lo < 0 || lo > kMaxTalentTenths)
        lo = 0;
    int hi = static_cast<int>((r.talentCentre + r.talentSpread) * kTalentTenths);
    if (hi < 0 || hi > kMaxTalentTenths)
        hi = kMaxTalentTenths;
    hi = std::min(hi, r.talentLimit * kTalentTenths + kTalentTenths - 1);
    return std::clamp(DrawBetween(lo, hi) / kTalentTenths, 0, kMaxGeneratedTalent);
}

int DrawStrength(const PlayerRecipe& r, int talent) {
    const int cap = 2 * talent + 4;
    int lo = static_cast<int>(r.strengthCentre - static_cast<float>(r.strengthSpread));
    if (lo < 1 || lo > cap)
        lo = 1;
    int hi = static_cast<int>(r.strengthCentre + static_cast<float>(r.strengthSpread));
    if (hi < 1 || hi > cap)
        hi = cap;
    return DrawBetween(lo, hi);
}

int DrawAge(const PlayerRecipe& r) {
    int lo = r.ageCentre - r.ageSpread;
    if (lo < kMinAge || lo > kMaxAgeCentre)
        lo = kMinAge;
    int hi = r.ageCentre + r.ageSpread;
    if (hi < kMinAge || hi > kMaxAgeCentre)
        hi = kMaxDrawnAge;
    return DrawBetween(lo, hi);
}

int DrawStrengthOffset(int age, int strength, int talent) {
    if (age < kYoungUntil) {
        if (ChancePercent(RandBelow(talent * 5 + 10)))
            return RandBelow(25 - 2 * strength);
    } else if (age > kOldFrom) {
        if (ChancePercent(RandBelow(30 - 5 * talent)))
            return -RandBelow(2 * strength + 5);
    }
    return 0;
}

bool DrawLeftHand(int position) {
    if (position == kRightWing || position == kRightBack)
        return true;
    if (position == kLeftBack || position == kLeftWing)
        return false;
    return RandBelow(11) >= 11 - kLeftHandedOutOfEleven;
}

// The alternative position of a field player, -1 for none.
int DrawAltPosition(int position, bool leftHand) {
    if (position == kGoalkeeper || RandBelow(10) >= kAltPositionChanceInTen)
        return -1;
    const int r = RandBelow(5);
    if (r == 0 && position != kCentreBack)
        return kCentreBack;
    if (r == 1 && position != kLinePlayer)
        return kLinePlayer;
    const int oppositeBack = leftHand ? kRightBack : kLeftBack;
    return oppositeBack == position ? kCentreBack : oppositeBack;
}

void DrawSpecialSkills(CPlayer& p, int age, int talent) {
    const int c = 15 + 5 * talent + age;
    for (int i = 0; i < kSkillTries; ++i) {
        if (!ChancePercent(c))
            continue;
        int level = 2;
        level += ChancePercent(c) ? 1 : 0;
        level += ChancePercent(c) ? 1 : 0;
        if (RandBelow(100) > kSkillDeficitAbove)
            level = kSkillDeficit;
        level = std::min(level, talent + 1);
        int skill = RandBelow(kKeeperSkillCount);
        if (!p.IsGoalkeeper())
            skill += (Rand() >> 14) * kKeeperSkillCount;  // the first or the second skill word
        p.SetSkillLevel(skill, level);
    }
}

int DrawHeight(int position, int talent) {
    int height = kBaseHeight - (IsWomensGame() ? kWomensHeightCut : 0);
    if (position == kRightBack || position == kCentreBack || position == kLeftBack)
        height += kBackHeightBonus;
    height += kHeightPerTalent * talent;
    const int k = RandBelow(kHeightSpreadRange);
    return height + RandBelow(k) - k / 2;
}

void DrawTraits(CPlayer& p) {
    if (OneInFour())
        p.characterTraits |= static_cast<uint16_t>(1u << (kCharacterTraitFirstBit + RandBelow(kCharacterTraitCount)));
    if (OneInFour())
        p.styleTraits |= static_cast<uint16_t>(1u << (kStyleTraitFirstBit + RandBelow(kStyleTraitCount)));
    if (OneInFour())
        p.popularityHealth |= static_cast<uint8_t>((1 + (Rand() >> 13)) << kHealthTypeShift);
}

void SetStartingContract(CPlayer& p, const PlayerRecipe& r) {
    const ContractDemand demand =
        p.ComputeContractDemand(r.professional, kContractLeagueLevel, kContractMatches, r.inflationPermille);
    PlayerContract contract;
    contract.salary = demand.salary * 9 / 10;
    contract.bonus = demand.bonus * 9 / 10;
    contract.professional = r.professional;
    contract.years = demand.years;
    p.SetContract(contract);
}

}  // namespace

void DrawPlayerValues(CPlayer& p, const PlayerRecipe& r) {
    const int talent = DrawTalent(r);
    const int strength = DrawStrength(r, talent);
    p.strengthTalent = static_cast<uint8_t>(strength << 4 | talent);

    const int age = DrawAge(r);
    p.birthday = DrawBirthdayInYear(g_gameDate.Year() - age);
    p.strengthOffset = static_cast<int8_t>(DrawStrengthOffset(age, strength, talent));

    const bool leftHand = DrawLeftHand(r.position);
    p.handAndSlot = leftHand ? CPlayer::kLeftHand : 0;
    const int alt = DrawAltPosition(r.position, leftHand);
    p.positions = static_cast<uint8_t>((alt + 1) << 4 | r.position);

    DrawSpecialSkills(p, age, talent);
    p.height = static_cast<uint8_t>(DrawHeight(r.position, talent));
    DrawTraits(p);

    p.contractFlags = r.professional ? CPlayer::kProfessional : 0;
    p.number = p.IsGoalkeeper() ? kGoalkeeperNumber : kFieldPlayerNumber;
    SetStartingContract(p, r);
}
