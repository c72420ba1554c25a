#include "squad/LineupRules.h"
#include "squad/LineupSlots.h"
#include "squad/Tactics.h"
#include "world/Player.h"
#include "world/Team.h"

const uint8_t g_markingAllowed[kDefenceSystemCount * 6] = {
    0, 0, 0, 0, 0, 0,  // 6 : 0
    0, 0, 0, 0, 0, 1,  // 5 : 1
    0, 1, 0, 1, 0, 0,  // 4 : 2
    0, 1, 0, 1, 0, 1,  // 3 : 2 : 1
    0, 1, 0, 1, 0, 1,  // 3 : 3
    1, 1, 0, 1, 1, 1,  // 1 : 5: all but the centre back
};

bool MayMarkManToMan(int defenceSystem, int defenceSlot) {
    if (defenceSystem < 1 || defenceSystem > kDefenceSystemCount || defenceSlot < kSlotFirstDefence ||
        defenceSlot > kSlotLastDefence)
        return false;
    return g_markingAllowed[(defenceSystem - 1) * 6 + defenceSlot - 1];
}

int FacedPosition(int defenceSlot) {
    return defenceSlot == kSlotLastDefence ? kCentreBack : kSlotLastDefence - defenceSlot;
}

namespace {

// Rated afresh as the match will rate him: defenders at their own position,
// attackers at the position they play. A strength cached by whatever rated
// him last would make the choice depend on what else ran before it.
float MatchStrength(const CPlayer& p, int slot) { return p.StrengthFor(slot >= kSlotFirstOffence); }

// What the defence formation has left in it, and how it measures up to
// the opponent's offence.
struct DefenceFigures {
    int endurance = 0;  // mean fitness, + 10 per fitness-skill level above normal
    int freshness = 0;  // mean freshness
    int roughness = 0;  // fighters and bad boys minus fair players
    int pace = 0;       // acceleration and fitness levels above normal, summed
    float own = 0;
    float opponent = 0;
};

DefenceFigures MeasureDefence(const CTeam& team) {
    DefenceFigures f;
    int players = 0;
    for (int d = kSlotFirstDefence; d <= kSlotLastDefence; ++d) {
        const CPlayer* p = SlotPlayer(team, d);
        if (!p)
            continue;
        ++players;
        f.endurance += p->fitness + 10 * (p->GetSkillLevel(kSkillFitness) - 1);
        f.freshness += p->freshness;
        f.roughness += p->HasStyleTrait(kFighter) + p->HasStyleTrait(kBadBoy) - p->HasStyleTrait(kFairPlayer);
        f.pace += p->GetSkillLevel(kSkillAcceleration) + p->GetSkillLevel(kSkillFitness) - 2;
        f.own += MatchStrength(*p, d);
    }
    if (team.nextOpponent) {
        for (int s = kSlotFirstOffence; s <= kSlotLastOffence; ++s)
            if (const CPlayer* q = SlotPlayer(*team.nextOpponent, s))
                f.opponent += MatchStrength(*q, s);
    }
    const int n = players ? players : 1;
    f.endurance /= n;
    f.freshness /= n;
    return f;
}

// In each rule list a later rule that holds overrides the earlier ones.
int ChooseEffort(const DefenceFigures& f, int spirit) {
    const int e = f.endurance, fr = f.freshness;
    int effort = 2;
    if ((e < 30 && fr < 40) || (spirit >= 100 && f.own * 0.65 > f.opponent))
        effort = 1;
    if ((e < 20 && fr < 30) || (spirit >= 120 && f.own * 0.45 > f.opponent))
        effort = 0;
    if (e > 50 && fr > 50 && f.own * 1.15 < f.opponent)
        effort = 3;
    if (e > 65 && fr > 50 && f.own * 1.3 < f.opponent)
        effort = 4;
    return effort;
}

int ChooseRoughness(const DefenceFigures& f) {
    const int e = f.endurance, count = f.roughness;
    int roughness = 2;
    if (e > 60 && f.opponent * 1.4 < f.own && count > 3)
        roughness = 0;
    if (e > 50 && f.opponent * 1.25 < f.own && count > 1)
        roughness = 1;
    if (e < 60 && f.opponent * 0.75 > f.own && count < 2)
        roughness = 3;
    if (e < 40 && f.opponent * 0.6 > f.own && count < 1)
        roughness = 4;
    return roughness;
}

int ChooseFastbreak(const DefenceFigures& f) {
    const int e = f.endurance, fr = f.freshness;
    int fastbreak = 2;
    if (e < 40 || fr < 40)
        fastbreak = 1;
    if (e < 30 && fr < 30)
        fastbreak = 0;
    if ((e > 60 || f.pace >= 5) && fr >= 51 && e >= 41)
        fastbreak = 3;
    if ((e > 70 || f.pace >= 9) && fr >= 51 && e >= 51)
        fastbreak = 4;
    return fastbreak;
}

// A defender marks his man when that man is above the opponent's average
// and clearly stronger than the defender.
uint32_t ChooseMarking(const CTeam& team, float opponentStrength) {
    uint32_t marking = 0;
    if (!team.nextOpponent)
        return marking;
    const float average = opponentStrength / 6;
    for (int d = kSlotFirstDefence; d <= kSlotLastDefence; ++d) {
        const int faced = FacedPosition(d);
        const CPlayer* p = SlotPlayer(team, d);
        const int opposite = faced + kOffenceSlotOffset;
        const CPlayer* q = SlotPlayer(*team.nextOpponent, opposite);
        if (!p || !q || !MayMarkManToMan(team.defenceSystem, d))
            continue;
        const float theirs = MatchStrength(*q, opposite);
        if (theirs > average && MatchStrength(*p, d) * 1.5 < theirs)
            marking |= static_cast<uint32_t>(faced) << 4 * (d - 1);
    }
    return marking;
}

}  // namespace

void CTeam::ChooseDefenceTactics() {
    const DefenceFigures f = MeasureDefence(*this);
    defenceTactics =
        PackTactics(defenceTactics, ChooseEffort(f, fightingSpirit), ChooseRoughness(f), ChooseFastbreak(f));
    markingAssignments = ChooseMarking(*this, f.opponent);
}
