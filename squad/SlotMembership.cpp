#include "squad/SlotMembership.h"

#include "world/Team.h"

SlotMembership::SlotMembership(const CTeam& team) : squadSize_(static_cast<int>(team.squad.size())) {
    for (int s = 0; s < kLineupSlotCount; ++s)
        slotsByValue_[team.lineup[s]] |= 1u << s;
}

void SlotMembership::Set(CTeam& team, int slot, uint8_t value) {
    const uint32_t bit = 1u << slot;
    uint8_t& held = team.lineup[slot];
    slotsByValue_[held] &= ~bit;
    held = value;
    slotsByValue_[value] |= bit;
}
