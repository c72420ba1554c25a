#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "squad/SlotMembership.h"

class CTeam;

// A team's lineup while it is made or repaired: every slot is written
// through it, so it knows the slots each player stands in and whether the
// lineup has been repaired since its last change. A player's base strength
// is worked out once: nothing about him changes while his lineup is made.
class LineupDraft {
public:
    explicit LineupDraft(CTeam& team);

    CTeam& Team() const { return team_; }
    const SlotMembership& Slots() const { return slots_; }
    void Set(int slot, uint8_t value);
    // The empty slots of the first `used`, a bit per slot.
    uint32_t EmptySlots(int used) const { return slots_.SlotsHolding(0) & SlotRange(0, used); }
    // His strength before the position counts: at no position is he
    // stronger (CPlayer::SlotFactor).
    float BaseStrengthOf(int squadIndex) {
        const size_t i = static_cast<size_t>(squadIndex);
        return i < baseStrengths_.size() && !std::isnan(baseStrengths_[i]) ? baseStrengths_[i]
                                                                          : WorkOutBaseStrength(squadIndex);
    }
    // His strength at the lineup position (kNoLineupPosition: none),
    // off-position reductions included.
    float StrengthAt(int squadIndex, int position);

    // Gives each empty slot in use the best free player by the criterion
    // (LineupCriterion), then repairs the lineup.
    void Fill(unsigned criterion);
    // Repairs the slots and the players' lineup marks; gives the slots in
    // use that stay empty, a bit per slot.
    uint32_t Repair();

private:
    float WorkOutBaseStrength(int squadIndex);

    CTeam& team_;
    SlotMembership slots_;
    // Per squad player, NaN until asked for.
    std::vector<float> baseStrengths_;
    // A fill's free players; the next fill reuses the storage.
    std::vector<int> free_;
    bool repaired_ = false;
};
