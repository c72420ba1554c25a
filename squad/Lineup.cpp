#include "squad/LineupRules.h"
#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

constexpr int kStartSheetSize = 12;

int g_matchSheetSize = kStartSheetSize;
uint16_t g_userMatchMask = 0;
uint16_t g_dayMatchMask = 0;

void ResetMatchSheet() {
    g_matchSheetSize = kStartSheetSize;
    g_userMatchMask = 0;
    g_dayMatchMask = 0;
}

namespace {

void DropStaleSlots(CTeam& team, int used) {
    for (int s = 0; s < used; ++s)
        if (team.lineup[s] > team.squad.size())
            team.lineup[s] = 0;
}

void DropUnavailablePlayers(CTeam& team, int used) {
    const uint16_t mask = LineupAvailabilityMask(team);
    for (int s = 0; s < used; ++s) {
        const CPlayer* p = SlotPlayer(team, s);
        if (p && !p->IsAvailable(mask))
            team.lineup[s] = 0;
    }
}

// A player stands at most once from the offence formation on; his first
// slot stays. (Defence plus offence is how he plays both formations.)
void DropRepeatedPlayers(CTeam& team, int used) {
    for (int s = kSlotFirstOffence; s < used; ++s) {
        if (team.lineup[s] == 0)
            continue;
        for (int later = s + 1; later < used; ++later)
            if (team.lineup[later] == team.lineup[s])
                team.lineup[later] = 0;
    }
}

// Derived marks: captain and lineup position, rewritten from the slots.
void MarkPlayers(CTeam& team, int used) {
    const int captain = FindCaptainOnSheet(team, g_matchSheetSize);
    for (size_t i = 0; i < team.squad.size(); ++i) {
        CPlayer& p = *team.squad[i];
        p.handAndSlot &= static_cast<uint8_t>(~kCaptainMark);
        if (static_cast<int>(i) == captain)
            p.handAndSlot |= kCaptainMark;
        SetLineupPosition(p, kNoLineupPosition);
    }
    if (CPlayer* keeper = SlotPlayer(team, kSlotGoalkeeper))
        SetLineupPosition(*keeper, kGoalkeeper);
    for (int s = kSlotGoalkeeper + 1; s < used; ++s) {
        CPlayer* p = SlotPlayer(team, s);
        if (!p)
            continue;
        const bool offence = s >= kSlotFirstOffence && s <= kSlotLastOffence;
        SetLineupPosition(*p, offence ? s - kOffenceSlotOffset : kNoLineupPosition);
    }
}

uint32_t EmptySlots(const CTeam& team, int used) {
    uint32_t empty = 0;
    for (int s = 0; s < used; ++s)
        if (team.lineup[s] == 0)
            empty |= 1u << s;
    return empty;
}

}  // namespace

int WantedPosition(int slot) {
    if (slot <= kSlotLastDefence)
        return slot;
    if (slot <= kSlotLastOffence)
        return slot - kOffenceSlotOffset;
    return slot == kSlotSubstituteGoalkeeper ? kGoalkeeper : kNoLineupPosition;
}

void CTeam::ClearLineup() { lineup.fill(0); }

uint32_t CTeam::ValidateLineup() {
    const int used = SlotsInUse(g_matchSheetSize);
    DropStaleSlots(*this, used);
    if (IsUserTeam(this))
        DropUnavailablePlayers(*this, used);
    DropRepeatedPlayers(*this, used);
    MarkPlayers(*this, used);
    return EmptySlots(*this, used);
}

bool CTeam::IsPlayerFielded(int squadIndex, int sheetSize, bool& inOffence, bool& inDefence) const {
    inOffence = false;
    inDefence = false;
    bool fielded = false;
    const int used = SlotsInUse(sheetSize);
    for (int s = 0; s < used; ++s) {
        if (SlotSquadIndex(*this, s) != squadIndex)
            continue;
        fielded = true;
        if (s <= kSlotLastDefence)
            inDefence = true;
        if (s == kSlotGoalkeeper || (s >= kSlotFirstOffence && s <= kSlotLastOffence))
            inOffence = true;
    }
    return fielded;
}

unsigned CTeam::CountAvailableStarters() const {
    unsigned available = kStarterSlotCount;
    for (int s = 0; s < kStarterSlotCount; ++s) {
        const CPlayer* p = SlotPlayer(*this, s);
        if (!p || IsBarred(*p))
            --available;
    }
    return available;
}
