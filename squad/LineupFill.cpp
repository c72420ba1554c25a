#include <vector>

#include "squad/LineupRules.h"
#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// An always-nominated player outranks everybody of his position.
constexpr float kAlwaysNominatedValue = 1000.0f;
constexpr float kNoValue = -200.0f;

float CriterionValue(CPlayer& p, unsigned criterion, int position) {
    switch (criterion) {
    case kByStrength:
        return StrengthAtPosition(p, position);
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
std::vector<int> FreePlayers(const CTeam& team, int used) {
    const uint16_t mask = LineupAvailabilityMask(team);
    std::vector<int> free;
    for (size_t i = 0; i < team.squad.size(); ++i) {
        const CPlayer& p = *team.squad[i];
        if (!StandsInSlots(team, static_cast<int>(i), 0, used) && !IsNeverNominated(p) &&
            p.IsAvailable(mask))
            free.push_back(static_cast<int>(i));
    }
    return free;
}

// Index into free of the best player for the slot, -1 when none fits.
int BestFreePlayer(CTeam& team, const std::vector<int>& free, int slot, unsigned criterion) {
    const int wanted = WantedPosition(slot);
    float best = kNoValue;
    int choice = -1;
    for (size_t k = 0; k < free.size(); ++k) {
        CPlayer& p = *team.squad[free[k]];
        if (wanted != kNoLineupPosition && p.GetPosition() != wanted)
            continue;
        const float value = IsAlwaysNominated(p) ? kAlwaysNominatedValue : CriterionValue(p, criterion, wanted);
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
void PlaceDefenderOnSheet(CTeam& team, int slot, int used) {
    uint8_t& offenceSlot = team.lineup[slot + kOffenceSlotOffset];
    if (offenceSlot == 0) {
        offenceSlot = team.lineup[slot];
        return;
    }
    for (int s = kSlotLastOffence; s < used; ++s) {
        if (team.lineup[s] == 0) {
            team.lineup[s] = team.lineup[slot];
            return;
        }
    }
    team.lineup[slot] = 0;
}

}  // namespace

void CTeam::FillLineupByCriterion(unsigned criterion) {
    const int used = SlotsInUse(g_matchSheetSize);
    std::vector<int> free = FreePlayers(*this, used);
    for (int slot = 0; slot < used; ++slot) {
        if (lineup[slot] != 0)
            continue;
        const int k = BestFreePlayer(*this, free, slot, criterion);
        if (k < 0)
            continue;
        lineup[slot] = static_cast<uint8_t>(free[k] + 1);
        free.erase(free.begin() + k);
        if (slot >= kSlotFirstDefence && slot <= kSlotLastDefence)
            PlaceDefenderOnSheet(*this, slot, used);
    }
    ValidateLineup();
}
