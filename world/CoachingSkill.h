#pragma once

#include <array>
#include <cstdint>

class BinaryFile;

// One coaching skill of the manager: a card he can play once, with up to
// two benefits and at most one downside, acting on one player of his club
// or on the club as a whole. The manager's list owns the skills.
class CCoachingSkill {
public:
    static constexpr int kEffectSlots = 3;  // slots 0 and 1 benefits, 2 the downside of a new skill
    static constexpr int kMaxBenefitKind = 60;
    static constexpr int kMaxDownsideKind = 45;
    static constexpr uint8_t kMaxSelectionRule = 7;

    // Its 13 bytes in the manager's share of the save game. A skill whose
    // group, rule or effect kinds the skill tables do not know is refused;
    // a failed read leaves the skill as it was.
    bool Write(BinaryFile& f) const;
    bool Read(BinaryFile& f);

    bool operator==(const CCoachingSkill&) const = default;

    uint8_t fromEngagement = 0;  // 1: earned by a work engagement of the diary
    uint8_t level = 0;           // the level the skill was made for
    uint8_t group = 0;           // skill group 0-5
    uint8_t isBrightSpot = 0;    // 1: one special effect of the club
    uint8_t ruleParam = 0;       // parameter of the player-selection rule
    uint8_t selectionRule = 0;   // 0 none, 1-7 which players it may act on
    uint8_t isOnePlayer = 0;     // 1: acts on one player, 0: on the club
    std::array<uint8_t, kEffectSlots> amounts{};
    // 1-60 a benefit, -1..-45 a downside of that kind, 0 an empty slot:
    // the sign, not the slot, tells them apart.
    std::array<int8_t, kEffectSlots> kinds{};
};
