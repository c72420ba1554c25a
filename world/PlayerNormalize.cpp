// The repair of a player's record before a new game starts: every field
// brought into the range the game relies on.
#include <algorithm>

#include "world/Player.h"
#include "world/Vocabulary.h"

namespace {

constexpr int kMinHeight = 150;
constexpr int kMaxHeight = 236;
constexpr int kMaxTalent = 3;
constexpr int kMinStrengthClass = 1;

// The lowest bit of each trait list that names a trait.
constexpr int kFirstCharacterTraitBit = 16 - kCharacterTraitCount;
constexpr int kFirstStyleTraitBit = 16 - kStyleTraitCount;

// Right wings and right backs throw with the left hand, their mirrors with the right.
bool FitsHand(int position, bool left) {
    if (position == kRightWing || position == kRightBack)
        return left;
    if (position == kLeftBack || position == kLeftWing)
        return !left;
    return true;
}

// Keeps the two set bits highest in the word that are at or above firstBit.
uint16_t KeepLatestTwo(uint16_t word, int firstBit) {
    int found = 0;
    for (int bit = firstBit; bit < 16; ++bit) {
        const uint16_t mask = static_cast<uint16_t>(1u << bit);
        if ((word & mask) && ++found > kMaxChosen)
            word &= static_cast<uint16_t>(~mask);
    }
    return word;
}

}  // namespace

void CPlayer::Normalize() {
    AddStrengthOffset(0);
    NormalizeTraits();
    handAndSlot &= static_cast<uint8_t>(~0x1E);
    height = static_cast<uint8_t>(std::clamp<int>(height, kMinHeight, kMaxHeight));
    if (GetPopularity() > kUnpopular)
        popularityHealth &= static_cast<uint8_t>(~0x03);
    if (GetHealthType() > kSelfPitying)
        popularityHealth &= static_cast<uint8_t>(~0x1C);
    NormalizePositions();
    NormalizeSkills();

    const int talent = std::min(GetTalent(), kMaxTalent);
    const int strength = std::clamp(GetStrengthClass(), kMinStrengthClass, 2 * talent + 4);
    strengthTalent = static_cast<uint8_t>(strength << 4 | talent);
}

void CPlayer::NormalizeTraits() {
    // Here the two traits latest in each list stay; the low bits are cleared.
    characterTraits = KeepLatestTwo(characterTraits & ~0x001F, kFirstCharacterTraitBit);
    styleTraits = KeepLatestTwo(styleTraits & ~0x003F, kFirstStyleTraitBit);
}

void CPlayer::NormalizePositions() {
    const bool left = ThrowsLeft();
    int regular = GetPosition();
    int altNibble = positions >> 4;
    if (regular >= kPositionCount || !FitsHand(regular, left))
        regular = kCentreBack;
    if (altNibble > kPositionCount || !FitsHand(altNibble - 1, left) || altNibble - 1 == regular)
        altNibble = 0;
    positions = static_cast<uint8_t>(altNibble << 4 | regular);
}

void CPlayer::NormalizeSkills() {
    int offLevel = 0;
    for (int skill = 0; skill < kSkillCount; ++skill) {
        const int level = std::min(GetSkillLevel(skill), kTopSkillLevel);
        if (level != kNormalSkill && ++offLevel > kMaxChosen)
            SetSkillLevel(skill, kNormalSkill);
        else
            SetSkillLevel(skill, level);
    }
}
