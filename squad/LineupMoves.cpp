#include "squad/LineupMoves.h"

#include <array>

#include "squad/LineupRules.h"
#include "squad/LineupSlots.h"
#include "squad/Tactics.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

using Slots = std::array<uint8_t, kLineupSlotCount>;

int LastSlot() { return SlotsInUse(g_matchSheetSize) - 1; }

bool IsSquadIndex(const CTeam& team, int i) { return i >= 0 && i < static_cast<int>(team.squad.size()); }

bool IsOut(const CPlayer* p) { return p && IsBarred(*p); }

bool Holds(const Slots& slots, uint8_t value, int first, int last) {
    for (int s = first; s <= last; ++s)
        if (slots[s] == value)
            return true;
    return false;
}

void Replace(Slots& slots, uint8_t from, uint8_t to, int first, int last) {
    for (int s = first; s <= last; ++s)
        if (slots[s] == from)
            slots[s] = to;
}

// The first free bench place, -1 when the bench is full.
int FreeBenchSlot(const Slots& slots) {
    for (int s = kSlotFirstBench; s <= LastSlot(); ++s)
        if (slots[s] == 0)
            return s;
    return -1;
}

bool RefusedWhileLive(const CTeam& team, int squadIndex, int slot) {
    bool inOffence = false, inDefence = false;
    team.IsPlayerFielded(squadIndex, g_matchSheetSize, inOffence, inDefence);
    const bool draggedOut = IsOut(team.squad[squadIndex].get());
    const bool placeOut = IsOut(SlotPlayer(team, slot));
    const bool bench = slot >= kSlotFirstBench;
    return (draggedOut && bench) || (!inOffence && !inDefence && draggedOut) ||
           (placeOut && !(inOffence && inDefence)) || (bench && placeOut);
}

// The slots a drop on `slot` exchanges players in: all for the goal, the
// defence's with it for a defence place, the offence's and the bench's for
// the others.
struct Span {
    int first;
    int last;
};
Span ExchangeRange(int slot) {
    if (slot == kSlotGoalkeeper)
        return {kSlotGoalkeeper, LastSlot()};
    if (slot >= kSlotFirstOffence)
        return {kSlotFirstOffence, LastSlot()};
    return {kSlotGoalkeeper, kSlotLastDefence};
}

// A field place's other formation place: defence slot d and offence slot
// d + 6 stand for the same position. The dragged player also takes it when
// it is free; a goalkeeper hands over where the place's player stands; a
// field player dropped in the defence keeps his offence place, or else
// needs one on the bench. False when the bench is full then.
bool TakeOtherFormation(Slots& slots, uint8_t dragged, bool keeper, int slot) {
    const int other = slot <= kSlotLastDefence ? slot + kOffenceSlotOffset : slot - kOffenceSlotOffset;
    const bool otherIsOffence = other >= kSlotFirstOffence;
    if (slots[other] == 0) {
        Replace(slots, dragged, 0, kSlotGoalkeeper, otherIsOffence ? LastSlot() : kSlotLastDefence);
        slots[other] = dragged;
        return true;
    }
    const uint8_t present = slots[slot];
    if (keeper) {
        if (present != 0)
            Replace(slots, present, dragged, otherIsOffence ? kSlotFirstOffence : kSlotGoalkeeper,
                    otherIsOffence ? LastSlot() : kSlotLastDefence);
        return true;
    }
    if (!otherIsOffence || Holds(slots, dragged, kSlotFirstOffence, LastSlot()))
        return true;
    const int bench = FreeBenchSlot(slots);
    if (bench < 0)
        return false;
    slots[bench] = dragged;
    return true;
}

}  // namespace

bool DropOnLineupSlot(CTeam& team, int squadIndex, int slot, bool live) {
    if (!IsSquadIndex(team, squadIndex) || slot < kSlotGoalkeeper || slot > LastSlot())
        return false;
    if (live && RefusedWhileLive(team, squadIndex, slot))
        return false;
    Slots slots = team.lineup;
    const uint8_t dragged = static_cast<uint8_t>(squadIndex + 1);
    const uint8_t present = slots[slot];
    const bool keeper = slots[kSlotGoalkeeper] == dragged;
    if (slot != kSlotGoalkeeper && slot <= kSlotLastOffence && !TakeOtherFormation(slots, dragged, keeper, slot))
        return false;
    // Where he came from, the place's player takes his place.
    const Span range = ExchangeRange(slot);
    const bool exchanged = present != dragged && Holds(slots, dragged, range.first, range.last);
    Replace(slots, dragged, present, range.first, range.last);
    if (!exchanged && !keeper && slot > kSlotLastDefence && present != 0 && present != dragged) {
        const int bench = FreeBenchSlot(slots);
        if (bench < 0)
            return false;
        slots[bench] = present;
    }
    if (slot >= kSlotFirstOffence && keeper) {
        slots[kSlotGoalkeeper] = present;
        if (present != 0)
            Replace(slots, present, dragged, kSlotFirstDefence, kSlotLastDefence);
    }
    slots[slot] = dragged;
    team.lineup = slots;
    team.ValidateLineup();
    return true;
}

bool TakeOffLineup(CTeam& team, int squadIndex) {
    if (!IsSquadIndex(team, squadIndex))
        return false;
    const uint8_t player = static_cast<uint8_t>(squadIndex + 1);
    bool stood = false;
    for (uint8_t& s : team.lineup)
        if (s == player) {
            s = 0;
            stood = true;
        }
    team.ValidateLineup();
    return stood;
}

bool SwapOffenceSlots(CTeam& team, int squadIndex, int slot, bool live) {
    if (!IsSquadIndex(team, squadIndex) || slot < kSlotFirstOffence || slot > LastSlot())
        return false;
    if (live && RefusedWhileLive(team, squadIndex, slot))
        return false;
    const uint8_t dragged = static_cast<uint8_t>(squadIndex + 1);
    for (int from = kSlotFirstOffence; from <= LastSlot(); ++from)
        if (team.lineup[from] == dragged) {
            team.lineup[from] = team.lineup[slot];
            team.lineup[slot] = dragged;
            team.ValidateLineup();
            return true;
        }
    return false;
}

bool SwapDefenceSlots(CTeam& team, int squadIndex, int slot) {
    if (!IsSquadIndex(team, squadIndex) || slot < kSlotFirstDefence || slot > kSlotLastDefence)
        return false;
    const uint8_t dragged = static_cast<uint8_t>(squadIndex + 1);
    Slots slots = team.lineup;
    if (!Holds(slots, dragged, kSlotGoalkeeper, kSlotLastDefence))
        return false;
    Replace(slots, dragged, slots[slot], kSlotGoalkeeper, kSlotLastDefence);
    slots[slot] = dragged;
    team.lineup = slots;
    team.ValidateLineup();
    return true;
}

bool MarkAttacker(CTeam& team, int squadIndex, int attackerSlot) {
    const uint8_t dragged = static_cast<uint8_t>(squadIndex + 1);
    for (int d = kSlotGoalkeeper; d <= kSlotLastDefence; ++d) {
        if (team.lineup[d] != dragged)
            continue;
        if (d == kSlotGoalkeeper || attackerSlot != OffenceSlotOf(FacedPosition(d)) ||
            !MayMarkManToMan(team.defenceSystem, d))
            return false;
        team.markingAssignments = WithMarkedPosition(team.markingAssignments, d, attackerSlot - kOffenceSlotOffset);
        return true;
    }
    return false;
}

void EndMarkings(CTeam& team, int squadIndex) {
    const uint8_t dragged = static_cast<uint8_t>(squadIndex + 1);
    for (int d = kSlotFirstDefence; d <= kSlotLastDefence; ++d)
        if (team.lineup[d] == dragged)
            team.markingAssignments = WithMarkedPosition(team.markingAssignments, d, 0);
}
