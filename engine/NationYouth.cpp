// Youth players that a club's youth team brings forth; the more the club
// spends on it, the better they are.
#include <algorithm>
#include <memory>

#include "engine/GeneratedPeople.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Nation.h"
#include "world/Player.h"

namespace {

constexpr uint32_t kSpendingPerLevelStep = 50;
constexpr int kMaxYouthLevel = 100;
// Clubs below this level get half their way up to it.
constexpr int kYouthLevelFloor = 40;
constexpr int kMinYouthAge = 13;
constexpr int kYouthAgeSpread = 5;  // 13-17
constexpr int kMaxStrength = 10;
constexpr int kTalentStrengthSteps = 2;  // strength at most talent * 2 + 4
constexpr int kStrengthCapBase = 4;
constexpr int kFieldSkillChoice = 6;
constexpr int kKeeperSkillChoice = 5;
constexpr int kSpecialSkillBase = 2;  // level L + 2 for a hit at L
constexpr int kBaseHeight = 170;
constexpr int kWomensHeightLess = 10;
constexpr int kBackHeightBonus = 10;
constexpr int kHeightPerTalent = 4;
constexpr int kHeightSpread = 40;
constexpr int kHealthTypes = 4;

bool ChancePercent(int percent) { return RandBelow(100) < percent; }

bool IsBack(int position) { return position >= kRightBack && position <= kLeftBack; }

// The youth team's level 0-100 from a season's spending.
int YouthLevel(uint32_t spending) {
    int x = std::min(IntRoot(static_cast<int>(std::min<uint32_t>(spending / kSpendingPerLevelStep, INT32_MAX)), 2),
                     kMaxYouthLevel);
    if (x < kYouthLevelFloor)
        x += std::min(x / 2, (kYouthLevelFloor - x) / 2);
    return x;
}

// A wing or back takes his mirror's neighbour on the same side; a centre
// back or line player may learn any field position. Returns the position
// that decides his throwing hand.
int DrawSecondPosition(CPlayer& p, int position, int level) {
    if (position == kGoalkeeper || !ChancePercent(2 * level))
        return position;
    int second = position;
    if (position == kRightWing || position == kRightBack)
        second = 3 - position;
    else if (position == kLeftBack || position == kLeftWing)
        second = 9 - position;
    else
        second = 1 + RandBelow(6);
    if (second != position)
        p.positions = static_cast<uint8_t>(position | (second + 1) << 4);
    return position == kCentreBack || position == kLinePlayer ? second : position;
}

bool DrawLeftHand(int position) {
    if (position == kRightWing || position == kRightBack)
        return true;
    if (position == kLeftBack || position == kLeftWing)
        return false;
    return RandBelow(11) >= 8;
}

int DrawTalent(int youthLevel) {
    if (ChancePercent(youthLevel))
        return 3;
    if (ChancePercent(2 * youthLevel))
        return 2;
    if (ChancePercent(4 * youthLevel))
        return 1;
    return 0;
}

int DrawStrength(int level, int talent) {
    int strength = 1;
    for (int i = std::min(kMaxStrength, level); i >= 1; --i) {
        if (ChancePercent(1 << (level - i))) {
            strength = i;
            break;
        }
    }
    return std::min(strength, talent * kTalentStrengthSteps + kStrengthCapBase);
}

void TrySpecialSkill(CPlayer& p, int chancePercent, int youthLevel) {
    if (!ChancePercent(chancePercent))
        return;
    const int skill = RandBelow(p.IsGoalkeeper() ? kKeeperSkillChoice : kFieldSkillChoice);
    const int talent = p.GetTalent();
    for (int l = talent - 1; l >= 1; --l) {
        const int chance = l == 1 ? youthLevel : l == 2 ? youthLevel / 2 : 0;
        if (ChancePercent(chance)) {
            p.SetSkillLevel(skill, l + kSpecialSkillBase);
            return;
        }
    }
    if (talent >= 1)
        p.SetSkillLevel(skill, kSpecialSkillBase);
}

uint32_t DrawYouthBirthday(int age) {
    const int year = g_gameDate.Year() - age;
    uint32_t birthday = DrawBirthdayInYear(year);
    const int month = static_cast<int>(birthday >> 8 & 0xFF);
    const int day = static_cast<int>(birthday & 0xFF);
    // Not yet had his birthday this year: born a year earlier.
    if (std::pair(month, day) > std::pair(g_gameDate.Month(), g_gameDate.Day()))
        birthday -= 1u << 16;
    return birthday;
}

int DrawHeightSpread() {
    const int k = RandBelow(kHeightSpread);
    return Rand() * k / 32768 - k / 2;
}

void DrawTraits(CPlayer& p, int level) {
    if (RandBelow(4) == 0)
        p.SetTrait(true, RandBelow(kCharacterTraitCount), false);
    if (RandBelow(4) == 0)
        p.SetTrait(false, RandBelow(kStyleTraitCount), false);
    if (RandBelow(10) == 0)
        p.popularityHealth = static_cast<uint8_t>((p.popularityHealth & ~0x1C) | (1 + RandBelow(kHealthTypes)) << 2);
    if (RandBelow(40) < 6 * level)
        p.AddStrengthOffset(Rand() * 15 / 32768);
    if (RandBelow(40) < 3 * level)
        p.AddStrengthOffset(Rand() * 22 / 32768);
}

}  // namespace

bool CNation::CreateYouthPlayer(CTeam& club, uint32_t youthSpending) {
    auto p = std::make_unique<CPlayer>();
    const int x = YouthLevel(youthSpending);
    const int age = kMinYouthAge + RandBelow(kYouthAgeSpread);
    const int s = (IntRoot(x * 100, 2) / 10 + age - 10) / 2 + 1;

    const PersonName name = DrawNameFromPlayers(false);
    p->firstName = name.firstName;
    p->nickname = name.nickname;
    p->lastName = name.surname;
    p->nationality = name.nationality;
    const int position = DrawRandomPosition();
    p->positions = static_cast<uint8_t>(position);
    const int handPosition = DrawSecondPosition(*p, position, s);
    if (DrawLeftHand(handPosition))
        p->handAndSlot |= CPlayer::kLeftHand;

    const int talent = DrawTalent(x);
    const int strength = DrawStrength(s, talent);
    p->strengthTalent = static_cast<uint8_t>(strength << 4 | talent);
    TrySpecialSkill(*p, 6 * s, x);
    TrySpecialSkill(*p, 3 * s, x);
    p->birthday = DrawYouthBirthday(age);
    p->height = static_cast<uint8_t>(kBaseHeight - (IsWomensGame() ? kWomensHeightLess : 0) +
                                     (IsBack(position) ? kBackHeightBonus : 0) + kHeightPerTalent * talent +
                                     DrawHeightSpread());
    DrawTraits(*p, s);
    p->contractFlags &= static_cast<uint8_t>(~CPlayer::kProfessional);

    club.youth.push_back(std::move(p));
    return true;
}
