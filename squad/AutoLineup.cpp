#include <vector>

#include "squad/LineupDraft.h"
#include "squad/LineupRules.h"
#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Defence systems the lineup may choose: quick players favour the offensive
// ones, tall blockers the flat ones.
constexpr uint8_t kSystem60 = 1;
constexpr uint8_t kSystem51 = 2;
constexpr uint8_t kSystem42 = 3;
constexpr uint8_t kSystem321 = 4;

// An always-nominated player keeps his slot unless someone beats this.
constexpr float kAlwaysNominatedThreshold = 25.0f;
// A substitute takes a defender's slot when his defence value beats the
// defender's strength by more than this, and, for a defender without a
// weak defence, by more than half again.
constexpr float kDefenceMargin = 1.0f;
constexpr float kDefenceFactor = 1.5f;

void ChooseDefenceSystem(CTeam& team) {
    const int h = ReferenceHeight();
    int quick = 0;
    int block = 0;
    for (const auto& player : team.squad) {
        const CPlayer& p = *player;
        if (IsNeverNominated(p))
            continue;
        const int s = p.GetStrengthClass();
        quick += s * (p.GetSkillLevel(kSkillAcceleration) + p.GetSkillLevel(kSkillDuelling) +
                      p.GetSkillLevel(kSkillTechnique) + (h - p.height) / 5 + p.fitness / 20);
        block += s * (p.GetSkillLevel(kSkillCreativity) + p.GetSkillLevel(kSkillBlocking) +
                      p.GetSkillLevel(kSkillJumping) + (p.height - h) / 5 + 5 - p.fitness / 20);
    }
    if (quick / 2 > block)
        team.defenceSystem = kSystem321;
    else if (quick > block)
        team.defenceSystem = kSystem42;
    if (block / 2 > quick)
        team.defenceSystem = kSystem60;
    else if (block > quick)
        team.defenceSystem = kSystem51;
    team.markingAssignments = 0;
}

// Squad players outside the starting slots and the substitute goalkeeper's
// who may play, in squad order.
std::vector<int> Challengers(const LineupDraft& draft) {
    const CTeam& team = draft.Team();
    const uint16_t mask = LineupAvailabilityMask(team);
    std::vector<int> list;
    list.reserve(team.squad.size());
    for (size_t i = 0; i < team.squad.size(); ++i) {
        const CPlayer& p = *team.squad[i];
        if (!draft.Slots().StandsIn(static_cast<int>(i), 0, kSlotFirstSubstitute) && !IsNeverNominated(p) &&
            p.IsAvailable(mask))
            list.push_back(static_cast<int>(i));
    }
    return list;
}

// Gives slot k to the strongest challenger who beats its holder there.
void ImproveSlot(LineupDraft& draft, std::vector<int>& challengers, int k, int used) {
    const CTeam& team = draft.Team();
    const int wanted = WantedPosition(k);
    float threshold = 0.0f;
    const int holder = SlotSquadIndex(team, k);
    if (holder >= 0) {
        const float strength = draft.StrengthAt(holder, wanted);
        threshold = IsAlwaysNominated(*team.squad[holder]) ? kAlwaysNominatedThreshold : strength;
    }
    int choice = -1;
    for (size_t c = 0; c < challengers.size(); ++c) {
        // A challenger whom the refill placed on the way already holds a slot.
        if (draft.Slots().StandsIn(challengers[c], 0, kSlotFirstSubstitute))
            continue;
        // Who is no stronger than the threshold anywhere cannot beat it here.
        if (draft.BaseStrengthOf(challengers[c]) <= threshold)
            continue;
        const float strength = draft.StrengthAt(challengers[c], wanted);
        if (strength > threshold) {
            threshold = strength;
            choice = static_cast<int>(c);
        }
    }
    if (choice < 0)
        return;
    const uint8_t value = static_cast<uint8_t>(challengers[choice] + 1);
    draft.Set(k, value);
    if (k >= kSlotFirstDefence && k <= kSlotLastDefence)
        draft.Set(k + kOffenceSlotOffset, value);
    for (int s = kSlotFirstSubstitute; s < used; ++s)
        if (team.lineup[s] == value)
            draft.Set(s, 0);
    challengers.erase(challengers.begin() + choice);
}

// A substitute who defends clearly better than a defender takes his defence
// slot and stays on the sheet as a substitute; the defender keeps his offence slot.
void BringInDefenceSpecialists(LineupDraft& draft, int used) {
    const CTeam& team = draft.Team();
    for (int s = kSlotFirstSubstitute; s < used; ++s) {
        const CPlayer* sub = SlotPlayer(team, s);
        if (!sub || draft.Slots().StandsIn(SlotSquadIndex(team, s), kSlotFirstDefence, kSlotLastDefence + 1))
            continue;
        const float value = sub->StrengthFor(false) +
                            (sub->GetSkillLevel(kSkillDuelling) + sub->GetSkillLevel(kSkillBlocking) - 2) / 2.0f;
        for (int d = kSlotFirstDefence; d <= kSlotLastDefence; ++d) {
            const CPlayer* defender = SlotPlayer(team, d);
            if (!defender)
                continue;
            const float strength = defender->StrengthFor(false);
            if (strength + kDefenceMargin < value &&
                (defender->strengthOffset < 0 || strength * kDefenceFactor < value)) {
                draft.Set(d, team.lineup[s]);
                break;
            }
        }
    }
}

}  // namespace

void CTeam::AutoLineup(bool chooseSystem) {
    ClearLineup();
    if (chooseSystem)
        ChooseDefenceSystem(*this);
    LineupDraft draft(*this);
    draft.Fill(kByStrength);
    const int used = SlotsInUse(g_matchSheetSize);
    std::vector<int> challengers = Challengers(draft);
    for (int k = kSlotGoalkeeper; k <= kSlotSubstituteGoalkeeper; ++k) {
        ImproveSlot(draft, challengers, k, used);
        draft.Fill(kByStrength);
    }
    BringInDefenceSpecialists(draft, used);
}
