#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "squad/LineupSlots.h"
#include "squad/SlotMembership.h"

class CTeam;

// A team's lineup while it is made or repaired: every slot is written
// through it, so it knows the slots each player stands in and whether the
// lineup has been repaired since its last change. A player's strength at a
// position is worked out once: nothing about him changes while his
// lineup is made.
class LineupDraft {
public:
    explicit LineupDraft(CTeam& team);

    CTeam& Team() const { return team_; }
    const SlotMembership& Slots() const { return slots_; }
    void Set(int slot, uint8_t value);
    // The empty slots of the first `used`, a bit per slot.
    uint32_t EmptySlots(int used) const { return slots_.SlotsHolding(0) & SlotRange(0, used); }
    // His strength at the lineup position (kNoLineupPosition: none),
    // off-position reductions included.
    float StrengthAt(int squadIndex, int position) {
        const size_t i = StrengthIndex(squadIndex, position);
        return i < strengths_.size() && !std::isnan(strengths_[i]) ? strengths_[i]
                                                                    : WorkOutStrength(squadIndex, position);
    }

    // Gives each empty slot in use the best free player by the criterion
    // (LineupCriterion), then repairs the lineup.
    void Fill(unsigned criterion);
    // Repairs the slots and the players' lineup marks; gives the slots in
    // use that stay empty, a bit per slot.
    uint32_t Repair();

private:
    // The field positions and "none".
    static constexpr int kStrengthPositions = kNoLineupPosition + 1;
    static size_t StrengthIndex(int squadIndex, int position) {
        return static_cast<size_t>(squadIndex) * kStrengthPositions + static_cast<size_t>(position);
    }
    float WorkOutStrength(int squadIndex, int position);

    CTeam& team_;
    SlotMembership slots_;
    // Per squad player kStrengthPositions values and his base strength
    // (CPlayer::StrengthInSlot), NaN until asked for.
    std::vector<float> strengths_;
    std::vector<float> baseStrengths_;
    // A fill's free players; the next fill reuses the storage.
    std::vector<int> free_;
    bool repaired_ = false;
};
