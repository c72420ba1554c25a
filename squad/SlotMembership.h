#pragma once

#include <array>
#include <cstdint>

#include "squad/LineupSlots.h"

class CTeam;

// The lineup slots each squad player stands in, a bit per slot, read once
// from a team's lineup: whether a player stands in a range of slots is then
// answered without a search. Slots written through Set keep it in step;
// after any other write to the lineup it has to be read again.
class SlotMembership {
public:
    explicit SlotMembership(const CTeam& team);

    // The slots the squad player stands in, a bit per slot.
    uint32_t SlotsOf(int squadIndex) const {
        // A slot value past the squad names nobody; nor can a slot hold a
        // player past the largest slot value.
        if (squadIndex < 0 || squadIndex >= squadSize_ || squadIndex + 1 >= static_cast<int>(slotsByValue_.size()))
            return 0;
        return slotsByValue_[squadIndex + 1];
    }
    // Whether the squad player stands in a slot of [firstSlot, endSlot).
    bool StandsIn(int squadIndex, int firstSlot, int endSlot) const {
        return (SlotsOf(squadIndex) & SlotRange(firstSlot, endSlot)) != 0;
    }
    // The slots holding the slot value (squad index + 1, 0: the empty
    // ones), a bit per slot.
    uint32_t SlotsHolding(uint8_t value) const { return slotsByValue_[value]; }
    // Writes the slot value, 0 for an empty slot, into the team's slot.
    void Set(CTeam& team, int slot, uint8_t value);

private:
    // Slot bits by slot value.
    std::array<uint32_t, 256> slotsByValue_{};
    int squadSize_;
};
