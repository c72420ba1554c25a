#include "squad/LineupDraft.h"

#include <limits>

#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

LineupDraft::LineupDraft(CTeam& team) : team_(team), slots_(team) {}

void LineupDraft::Set(int slot, uint8_t value) {
    if (team_.lineup[slot] == value)
        return;
    slots_.Set(team_, slot, value);
    repaired_ = false;
}

float LineupDraft::WorkOutBaseStrength(int squadIndex) {
    if (baseStrengths_.empty())
        baseStrengths_.assign(team_.squad.size(), std::numeric_limits<float>::quiet_NaN());
    float& base = baseStrengths_[squadIndex];
    base = team_.squad[squadIndex]->BaseStrength();
    return base;
}

// At his own position, or at none, the factor is 1.
float LineupDraft::StrengthAt(int squadIndex, int position) {
    const float base = BaseStrengthOf(squadIndex);
    const CPlayer& p = *team_.squad[squadIndex];
    if (position == kNoLineupPosition || position == p.GetPosition())
        return base;
    return base * p.SlotFactor(position);
}
