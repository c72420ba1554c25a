#include "squad/LineupDraft.h"

#include <cmath>
#include <limits>

#include "world/Player.h"
#include "world/Team.h"

LineupDraft::LineupDraft(CTeam& team) : team_(team), slots_(team) {}

void LineupDraft::Set(int slot, uint8_t value) {
    if (team_.lineup[slot] == value)
        return;
    slots_.Set(team_, slot, value);
    repaired_ = false;
}

float LineupDraft::WorkOutStrength(int squadIndex, int position) {
    if (strengths_.empty()) {
        strengths_.assign(team_.squad.size() * kStrengthPositions, std::numeric_limits<float>::quiet_NaN());
        baseStrengths_.assign(team_.squad.size(), std::numeric_limits<float>::quiet_NaN());
    }
    const CPlayer& p = *team_.squad[squadIndex];
    float& base = baseStrengths_[squadIndex];
    if (std::isnan(base))
        base = p.BaseStrength();
    float& strength = strengths_[StrengthIndex(squadIndex, position)];
    strength = base * p.SlotFactor(position);
    return strength;
}
