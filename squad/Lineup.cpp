#include "squad/LineupDraft.h"
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

void DropStaleSlots(LineupDraft& draft, int used) {
    for (int s = 0; s < used; ++s)
        if (draft.Team().lineup[s] > draft.Team().squad.size())
            draft.Set(s, 0);
}

void DropUnavailablePlayers(LineupDraft& draft, int used) {
    const uint16_t mask = LineupAvailabilityMask(draft.Team());
    for (int s = 0; s < used; ++s) {
        const CPlayer* p = SlotPlayer(draft.Team(), s);
        if (p && !p->IsAvailable(mask))
            draft.Set(s, 0);
    }
}

// A player stands at most once from the offence formation on; his first
// slot stays. (Defence plus offence is how he plays both formations.)
void DropRepeatedPlayers(LineupDraft& draft, int used) {
    for (int s = kSlotFirstOffence; s < used; ++s) {
        const uint8_t value = draft.Team().lineup[s];
        if (value == 0)
            continue;
        const uint32_t later = draft.Slots().SlotsHolding(value) & SlotRange(s + 1, used);
        for (int slot = s + 1; slot < used; ++slot)
            if (later & 1u << slot)
                draft.Set(slot, 0);
    }
}

// Derived marks: captain and lineup position, rewritten from the slots.
void MarkPlayers(const LineupDraft& draft, int used) {
    CTeam& team = draft.Team();
    const int captain = FindCaptainOnSheet(team, draft.Slots(), g_matchSheetSize);
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

}  // namespace

int WantedPosition(int slot) {
    if (slot <= kSlotLastDefence)
        return slot;
    if (slot <= kSlotLastOffence)
        return slot - kOffenceSlotOffset;
    return slot == kSlotSubstituteGoalkeeper ? kGoalkeeper : kNoLineupPosition;
}

void CTeam::ClearLineup() { lineup.fill(0); }

uint32_t LineupDraft::Repair() {
    const int used = SlotsInUse(g_matchSheetSize);
    DropStaleSlots(*this, used);
    if (IsUserTeam(&team_))
        DropUnavailablePlayers(*this, used);
    DropRepeatedPlayers(*this, used);
    MarkPlayers(*this, used);
    repaired_ = true;
    return EmptySlots(used);
}

uint32_t CTeam::ValidateLineup() { return LineupDraft(*this).Repair(); }

bool CTeam::IsPlayerFielded(int squadIndex, int sheetSize, bool& inOffence, bool& inDefence) const {
    // SlotSquadIndex, with the squad's size read once: this runs for every
    // player of every match several times.
    const int size = static_cast<int>(squad.size());
    uint32_t slots = 0;
    const int used = SlotsInUse(sheetSize);
    for (int s = 0; s < used; ++s) {
        const int value = lineup[s];
        const int index = value == 0 || value > size ? -1 : value - 1;
        slots |= static_cast<uint32_t>(index == squadIndex) << s;
    }
    inDefence = slots & kDefenceFormationSlots;
    inOffence = slots & kOffenceFormationSlots;
    return slots != 0;
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
