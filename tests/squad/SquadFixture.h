#pragma once

#include <memory>
#include <vector>

#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

// A player whose playing strength at his own position equals his strength
// class: freshness and fitness 50, form 10, motivation 100.
inline std::unique_ptr<CPlayer> MakePlayer(int position, int strengthClass, int talent = 2) {
    auto p = std::make_unique<CPlayer>();
    p->positions = static_cast<uint8_t>(position);
    p->strengthTalent = static_cast<uint8_t>(strengthClass << 4 | talent);
    return p;
}

// Status bit 7: sick or injured, unavailable for every competition.
constexpr uint16_t kInjuredStatus = 0x0A80;

inline CPlayer& AddPlayer(CTeam& team, int position, int strengthClass) {
    team.squad.push_back(MakePlayer(position, strengthClass));
    return *team.squad.back();
}

// One player per position, goalkeeper first, all of the same class.
inline void AddSevenStarters(CTeam& team, int strengthClass) {
    for (int pos = 0; pos < kPositionCount; ++pos)
        AddPlayer(team, pos, strengthClass);
}

inline int SlotIndex(const CTeam& team, int slot) { return team.lineup[slot] - 1; }

inline void PutInSlot(CTeam& team, int slot, int squadIndex) {
    team.lineup[slot] = static_cast<uint8_t>(squadIndex + 1);
}

// Keeps the global sheet size of a test from leaking into the next one.
class SheetSizeGuard {
public:
    explicit SheetSizeGuard(int size) : saved_(g_matchSheetSize) { g_matchSheetSize = size; }
    ~SheetSizeGuard() { g_matchSheetSize = saved_; }

private:
    int saved_;
};
