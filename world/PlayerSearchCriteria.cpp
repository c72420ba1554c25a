#include "world/PlayerSearchCriteria.h"

#include <algorithm>

namespace {

constexpr uint16_t kAllBits16 = 0xFFFF;
constexpr uint16_t kTopStrengthBit = 1u << 10;
constexpr uint16_t kStrengthAboveTop = 0xF800;  // classes 11-15 go with class 10
constexpr uint8_t kTopTalentBit = 1u << 3;
constexpr uint8_t kHighestTalentBit = 1u << 4;
constexpr int kSkillsPerWord = 5;
constexpr int kSkillBitsWidth = 3;
constexpr int kFirstSkillShift = 12;
constexpr uint16_t kSkillAtLeastTwo = 6;  // a level of 2, 3 or 4 has one of these bits
constexpr int kYoungestAgeBit = 17;
constexpr int kAgeBits = 32;

// Requested skills of one group of five as the bits of a skill word they
// test.
uint16_t SkillTestMask(uint16_t skillMask, int firstSkill) {
    uint16_t test = 0;
    for (int i = 0; i < kSkillsPerWord; ++i)
        if (skillMask & (1u << (firstSkill + i)))
            test |= kSkillAtLeastTwo << (kFirstSkillShift - kSkillBitsWidth * i);
    return test;
}

uint16_t TraitTestMask(uint16_t listMask, int traitCount) {
    uint16_t test = 0;
    for (int i = 0; i < traitCount; ++i)
        if (listMask & (1u << i))
            test |= CPlayer::TraitBit(i);
    return test;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return start.empty() || (text.compare(0, start.size(), start) == 0 && text.size() >= start.size());
}

}  // namespace

PlayerSearchCriteria::PlayerSearchCriteria(const PlayerSearchFilter& f)
    : listedOnly_(f.listedOnly),
      fixedFeeOnly_(f.fixedFeeOnly),
      contractEndsOnly_(f.contractEndsOnly),
      strength_(f.strengthMask ? f.strengthMask : kAllBits16),
      position_(f.positionMask ? f.positionMask : 0xFF),
      talent_(f.talentMask ? f.talentMask : 0xFF),
      age_(f.ageMask ? f.ageMask : 0xFFFFFFFF),
      firstWord_(f.skillMask ? SkillTestMask(f.skillMask, 0) : kAllBits16),
      secondWord_(f.skillMask ? SkillTestMask(f.skillMask, kSkillsPerWord) : kAllBits16),
      keeper_(f.skillMask ? SkillTestMask(f.skillMask, 2 * kSkillsPerWord) : kAllBits16),
      style_(TraitTestMask(f.styleTraitMask, kStyleTraitCount)),
      character_(TraitTestMask(f.characterTraitMask, kCharacterTraitCount)) {
    if (strength_ & kTopStrengthBit)
        strength_ |= kStrengthAboveTop;
    if (talent_ & kTopTalentBit)
        talent_ |= kHighestTalentBit;
    const size_t blank = f.name.find(' ');
    if (blank == std::string::npos || blank == 0) {
        lastName_ = f.name;
    } else {
        firstName_ = f.name.substr(0, blank);
        lastName_ = f.name.substr(blank + 1);
    }
}


// Ages outside 17-48 count in the first or the last age bit.
bool PlayerSearchCriteria::RestPasses(const CPlayer& p) const {
    if (fixedFeeOnly_ && p.GetFixedTransferFee() == 0)
        return false;
    if (contractEndsOnly_ && p.contractYears > 1 && p.IsProfessional())
        return false;
    if (!StartsWith(p.lastName, lastName_) || !StartsWith(p.firstName, firstName_))
        return false;
    const int bit = std::clamp(p.GetAge() - kYoungestAgeBit, 0, kAgeBits - 1);
    return age_ & (1u << bit);
}
