#include <algorithm>

#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

// The world-wide player search. Only players of league clubs are found;
// extra teams, national squads and free players are not searched.

namespace {

constexpr uint16_t kAllBits16 = 0xFFFF;
constexpr uint16_t kTopStrengthBit = 1u << 10;
constexpr uint16_t kStrengthAboveTop = 0xF800;  // classes 11-15 go with class 10
constexpr uint8_t kTopTalentBit = 1u << 3;
constexpr uint8_t kHighestTalentBit = 1u << 4;
constexpr int kYoungestAgeBit = 17;
constexpr int kAgeBits = 32;
constexpr int kSkillsPerWord = 5;
constexpr int kSkillBitsWidth = 3;
constexpr int kFirstSkillShift = 12;
constexpr uint16_t kSkillAtLeastTwo = 6;  // a level of 2, 3 or 4 has one of these bits
constexpr uint16_t kTransferHidden = CPlayer::kTransferMarked | CPlayer::kStrengthHidden;

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

// The filters turned into the tests they make on a player's record.
struct SearchTests {
    explicit SearchTests(const PlayerSearchFilter& f) : filter(f) {
        strength = f.strengthMask ? f.strengthMask : kAllBits16;
        if (strength & kTopStrengthBit)
            strength |= kStrengthAboveTop;
        position = f.positionMask ? f.positionMask : 0xFF;
        talent = f.talentMask ? f.talentMask : 0xFF;
        if (talent & kTopTalentBit)
            talent |= kHighestTalentBit;
        age = f.ageMask ? f.ageMask : 0xFFFFFFFF;
        if (f.skillMask) {
            firstWord = SkillTestMask(f.skillMask, 0);
            secondWord = SkillTestMask(f.skillMask, kSkillsPerWord);
            keeper = SkillTestMask(f.skillMask, 2 * kSkillsPerWord);
        }
        style = TraitTestMask(f.styleTraitMask, kStyleTraitCount);
        character = TraitTestMask(f.characterTraitMask, kCharacterTraitCount);
        const size_t blank = f.name.find(' ');
        if (blank == std::string::npos || blank == 0) {
            lastName = f.name;
        } else {
            firstName = f.name.substr(0, blank);
            lastName = f.name.substr(blank + 1);
        }
    }

    // Ages outside 17-48 count in the first or the last age bit.
    bool AgePasses(int years) const {
        const int bit = std::clamp(years - kYoungestAgeBit, 0, kAgeBits - 1);
        return age & (1u << bit);
    }

    bool SkillsPass(const CPlayer& p) const {
        if (p.IsGoalkeeper())
            return p.skillWords[0] & keeper;
        return (p.skillWords[0] & firstWord) || (p.skillWords[1] & secondWord);
    }

    // Every test must pass; the cheap ones on the record's bits go first,
    // the age, which needs the date worked out, last.
    bool Passes(const CPlayer& p) const {
        if (p.styleTraits & kTransferHidden)
            return false;
        if (filter.listedOnly && !p.IsOnTransferList(false))
            return false;
        if (!(strength & (1u << p.GetStrengthClass())))
            return false;
        const int alt = p.GetAltPosition();
        if (!(position & (1u << p.GetPosition())) && !(alt >= 0 && (position & (1u << alt))))
            return false;
        if (!(talent & (1u << p.GetTalent())) || !SkillsPass(p))
            return false;
        if (style && !(p.styleTraits & style))
            return false;
        if (character && !(p.characterTraits & character))
            return false;
        if (filter.fixedFeeOnly && p.GetFixedTransferFee() == 0)
            return false;
        if (filter.contractEndsOnly && p.contractYears > 1 && p.IsProfessional())
            return false;
        if (!StartsWith(p.lastName, lastName) || !StartsWith(p.firstName, firstName))
            return false;
        return AgePasses(p.GetAge());
    }

    const PlayerSearchFilter& filter;
    uint16_t strength;
    uint8_t position;
    uint8_t talent;
    uint32_t age;
    uint16_t firstWord = kAllBits16;
    uint16_t secondWord = kAllBits16;
    uint16_t keeper = kAllBits16;
    uint16_t style;
    uint16_t character;
    std::string firstName;
    std::string lastName;
};

}  // namespace

void CWorld::SearchPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& filter) const {
    const SearchTests tests(filter);
    size_t found = 0;
    for (const auto& continent : continents)
        for (const auto& nation : continent->nations) {
            if (filter.oneNation && nation->nationNumber != filter.nationNumber)
                continue;
            for (const auto& league : nation->leagues)
                for (const auto& club : league->clubs)
                    for (const auto& player : club->squad) {
                        if (!tests.Passes(*player))
                            continue;
                        result.push_back(player.get());
                        if (++found == filter.maxResults)
                            return;
                    }
        }
}
