#include <algorithm>

#include "engine/MatchContext.h"
#include "engine/MatchReport.h"
#include "engine/MatchTeam.h"
#include "platform/Random.h"
#include "squad/LineupSlots.h"
#include "world/Match.h"
#include "world/Player.h"

// The watched match, played action by action up to the clock the caller
// has reached: possession steps and the attacks the tactics favour.

using namespace match_team;

namespace {

constexpr int kHighScoreTotal = 61;
constexpr int kHighScoreSide = 35;

// The chance in percent that an attack of a kind with this 3-bit weight
// is tried.
int AttackChance(int weight) { return weight * 8 + 8; }

}  // namespace

bool CMatch::AdvanceLive(int slice) {
    if (clock == 0)
        sideInPossession = RandBelow(2) != 0;
    clock += slice;
    UpdateTimePenalties(home, g_matchSideWordsB, slice);
    UpdateTimePenalties(away, g_matchSideWordsA, slice);

    bool reported = false;
    if (engineClock < clock) {
        BindSides();
        MakeSubstitutions();
        ComputeSideBonuses();
    }
    while (engineClock < clock) {
        reported |= PlayPossessionStep();
        if (RandBelow(100) < AttackChance(OffenceWeights(*g_matchContext.AttackTeam()) & 7))
            reported |= PlayOneOnOne();
        if (RandBelow(100) < AttackChance((OffenceWeights(*g_matchContext.AttackTeam()) >> 3) & 7))
            reported |= PlayCombination();
        if (RandBelow(100) < AttackChance((OffenceWeights(*g_matchContext.AttackTeam()) >> 6) & 7))
            reported |= PlayDistanceThrow();
    }
    legScores[legScores.size() - 2] = home.goals;
    legScores[legScores.size() - 1] = away.goals;

    if (clock >= kNormalTimeEnd && PairCount() == legs) {
        StartExtraPeriodIfLevel();
        clock = kNormalTimeEnd;
    }
    if (clock >= kFirstExtraEnd && PairCount() == legs + 1u) {
        StartExtraPeriodIfLevel();
        clock = kFirstExtraEnd;
    }
    if (clock >= kSecondExtraEnd && PairCount() == legs + 2u) {
        StartExtraPeriodIfLevel();
        clock = kSecondExtraEnd;
        engineClock = kLiveMatchOver;
    }
    return reported;
}

bool CMatch::PlayPossessionStep() {
    const CTeam& attackers = *g_matchContext.AttackTeam();
    const CTeam& defenders = *g_matchContext.DefenceTeam();
    int strength = 0;
    for (int slot = kSlotFirstDefence; slot <= kSlotLastOffence; ++slot) {
        const int player = SlotPlayer(attackers, slot);
        if (player >= 0)
            strength += PlayerAt(attackers, player).GetStrengthClass();
    }
    strength /= 2;
    int t = (85 - strength) / 5;
    if (t > 8)
        t = t - (t - 8) / 2;
    if (home.goals + away.goals >= kHighScoreTotal || home.goals > kHighScoreSide || away.goals > kHighScoreSide)
        t = 2 * t;
    // A very strong side would turn the clock back; it only stands still.
    AddPlayTime(std::max(t, 0));

    float defence = 0, attack = 0;
    for (int slot = kSlotFirstDefence; slot <= kSlotLastDefence; ++slot)
        defence += GetActionRating(SlotPlayer(defenders, slot), 0, kBaseRating);
    for (int slot = kSlotFirstOffence; slot <= kSlotLastOffence; ++slot)
        attack += GetActionRating(SlotPlayer(attackers, slot), 1, kBaseRating);
    if (RandomFloat(20) < attack / defence) {
        AdjustSlotGrades(1, kSlotFirstOffence, kSlotLastOffence, 3);
        return ChangePossession();
    }
    return false;
}

bool CMatch::ChangePossession() {
    CTeam& attackers = *g_matchContext.AttackTeam();
    const SquadFielding fielding(attackers, sheetSize);
    for (int i = 0; i < SquadSize(attackers); ++i) {
        const Fielding at = fielding.Of(i);
        if (!at.onSheet)
            continue;
        if (at.Substitute() || match_player::IsOutOfPlay(PlayerAt(attackers, i)))
            AdjustEnergy(i, 1, 8);
        else if (at.InOne())
            AdjustEnergy(i, 1, -2);
    }
    const CTeam& defenders = *g_matchContext.DefenceTeam();
    for (int slot = kSlotFirstDefence; slot <= kSlotLastDefence; ++slot)
        if (IsAdvancedDefenceSlot(DefenceSystem(defenders), slot))
            AdjustEnergy(SlotPlayer(defenders, slot), 0, -2);

    sideInPossession ^= 1;
    BindSides();
    if (RandBelow(100) < AttackChance(FastBreakFrequency(*g_matchContext.AttackTeam())))
        return PlayFastBreak();
    return false;
}

bool CMatch::AddPlayTime(int seconds) {
    engineClock = static_cast<uint16_t>(engineClock + seconds);
    return false;
}

void CMatch::ScoreGoal(int player) {
    MatchSide& side = Side(1);
    ++side.goals;
    if (player >= 0 && player < static_cast<int>(side.goalsPerPlayer.size()))
        ++side.goalsPerPlayer[player];
}

void CMatch::AdjustSlotGrades(int side, int firstSlot, int lastSlot, int steps) {
    const CTeam& team = Team(side);
    for (int slot = firstSlot; slot <= lastSlot; ++slot)
        AdjustGrade(SlotPlayer(team, slot), side, steps);
}

void CMatch::AdjustSlotEnergy(int side, int firstSlot, int lastSlot, int steps) {
    const CTeam& team = Team(side);
    for (int slot = firstSlot; slot <= lastSlot; ++slot)
        AdjustEnergy(SlotPlayer(team, slot), side, steps);
}

void CMatch::AdjustGoalkeeperEnergy() {
    AdjustEnergy(SlotPlayer(Team(0), kSlotGoalkeeper), 0, -2);
}

int CMatch::PickSlotByWeight(const int* slots, const float* weights, int count, int fallback) {
    float sum = 0;
    for (int i = 0; i < count; ++i)
        sum += weights[i];
    const float x = RandomFloat(sum);
    float running = 0;
    for (int i = 0; i < count; ++i) {
        running += weights[i];
        if (running > x)
            return slots[i];
    }
    return fallback;
}
