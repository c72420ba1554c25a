#include <vector>

#include "squad/LineupDraft.h"
#include "squad/LineupRules.h"
#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// An always-nominated player outranks everybody of his position.
constexpr float kAlwaysNominatedValue = 1000.0f;
constexpr float kNoValue = -200.0f;

float CriterionValue(LineupDraft& draft, int squadIndex, unsigned criterion, int position) {
    const CPlayer& p = *draft.Team().squad[squadIndex];
    switch (criterion) {
    case kByStrength:
        return draft.StrengthAt(squadIndex, position);
    case kByFitness:
        return p.fitness;
    case kByFreshness:
        return p.freshness;
    case kByYouth:
        return -p.GetAge();
    case kByExperience:
        return p.GetAge() + p.allMatches / 30;
    case kByHeight:
        return p.height;
    case kByFewMatches:
        return -p.leagueMatches;
    case kByBestForm:
        return p.GetForm();
    case kByWorstForm:
        return -p.GetForm();
    case kByBestMotivation:
        return p.motivation;
    case kByWorstMotivation:
        return -p.motivation;
    default:
        return 0.0f;
    }
}

// Squad players on no slot in use who may play today, in squad order.
void ListFreePlayers(const LineupDraft& draft, int used, std::vector<int>& free) {
    const CTeam& team = draft.Team();
    const uint16_t mask = LineupAvailabilityMask(team);
    free.clear();
    free.reserve(team.squad.size());
    for (size_t i = 0; i < team.squad.size(); ++i) {
        const CPlayer& p = *team.squad[i];
        if (!draft.Slots().StandsIn(static_cast<int>(i), 0, used) && !IsNeverNominated(p) && p.IsAvailable(mask))
            free.push_back(static_cast<int>(i));
    }
}

// Index into free of the best player for the slot, -1 when none fits.
int BestFreePlayer(LineupDraft& draft, const std::vector<int>& free, int slot, unsigned criterion) {
    const int wanted = WantedPosition(slot);
    float best = kNoValue;
    int choice = -1;
    for (size_t k = 0; k < free.size(); ++k) {
        const CPlayer& p = *draft.Team().squad[free[k]];
        if (wanted != kNoLineupPosition && p.GetPosition() != wanted)
            continue;
        const float value =
            IsAlwaysNominated(p) ? kAlwaysNominatedValue : CriterionValue(draft, free[k], criterion, wanted);
        if (value > best) {
            best = value;
            choice = static_cast<int>(k);
        }
    }
    return choice;
}

// A defender plays the offence too: in his position's offence slot when it
// is free, else in the first free slot from the last offence slot on. With
// no room on the sheet he gives the defence slot up again.
void PlaceDefenderOnSheet(LineupDraft& draft, int slot, int used) {
    const CTeam& team = draft.Team();
    const uint8_t defender = team.lineup[slot];
    if (team.lineup[slot + kOffenceSlotOffset] == 0) {
        draft.Set(slot + kOffenceSlotOffset, defender);
        return;
    }
    for (int s = kSlotLastOffence; s < used; ++s) {
        if (team.lineup[s] == 0) {
            draft.Set(s, defender);
            return;
        }
    }
    draft.Set(slot, 0);
}

}  // namespace

// The free players are looked for only when a slot is empty. Repairing a
// lineup that was repaired and has not changed since would change nothing,
// so a fill that placed nobody may leave the repair out.
void LineupDraft::Fill(unsigned criterion) {
    const int used = SlotsInUse(g_matchSheetSize);
    if (EmptySlots(used) != 0) {
        std::vector<int>& free = free_;
        ListFreePlayers(*this, used, free);
        for (int slot = 0; slot < used && !free.empty(); ++slot) {
            if (team_.lineup[slot] != 0)
                continue;
            const int k = BestFreePlayer(*this, free, slot, criterion);
            if (k < 0)
                continue;
            Set(slot, static_cast<uint8_t>(free[k] + 1));
            free.erase(free.begin() + k);
            if (slot >= kSlotFirstDefence && slot <= kSlotLastDefence)
                PlaceDefenderOnSheet(*this, slot, used);
        }
    }
    if (!repaired_)
        Repair();
}

void CTeam::FillLineupByCriterion(unsigned criterion) { LineupDraft(*this).Fill(criterion); }
