#include "engine/MatchContext.h"
#include "engine/MatchTeam.h"
#include "platform/Random.h"
#include "squad/LineupSlots.h"
#include "world/Match.h"
#include "world/Player.h"

// The four kinds of attack and the seven-metre throw. Side 1 is the
// attacking team, side 0 the defending team; players are named by slot.

using namespace match_team;

namespace {

constexpr int kCentreBackSlot = OffenceSlotOf(kCentreBack);
constexpr int kLineSlot = OffenceSlotOf(kLinePlayer);
constexpr int kDefenceLineSlot = DefenceSlotOf(kLinePlayer);
constexpr int kDefenceCentreSlot = DefenceSlotOf(kCentreBack);

// The defender who meets an attacker of this offence slot.
int FacingDefenceSlot(int offenceSlot) {
    if (offenceSlot == kCentreBackSlot)
        return kDefenceLineSlot;
    if (offenceSlot == kLineSlot)
        return kDefenceCentreSlot;
    return kLineSlot - offenceSlot;
}

// A draw of 1-6: a defence slot or, + 6, an offence slot.
int DrawFormationPosition() { return 1 + Rand() * 6 / 32768; }

}  // namespace

bool CMatch::PlayOneOnOne() {
    const CTeam& attackers = Team(1);
    const CTeam& defenders = Team(0);
    int slots[6];
    float weights[6];
    for (int j = 0; j < 6; ++j) {
        slots[j] = kSlotFirstOffence + j;
        weights[j] = GetActionRating(SlotPlayer(attackers, slots[j]), 1, kOneOnOne);
    }
    weights[5] /= 2;
    const int attackSlot = PickSlotByWeight(slots, weights, 6, kCentreBackSlot);
    const int attacker = SlotPlayer(attackers, attackSlot);
    const int defender = SlotPlayer(defenders, FacingDefenceSlot(attackSlot));
    const int keeper = SlotPlayer(defenders, kSlotGoalkeeper);

    const float a = GetActionRating(attacker, 1, kOneOnOne);
    const float d = GetActionRating(defender, 0, kOneOnOne);
    bool change = false, passed = false, scored = false, reported = false;
    if (RandomFloat(a + d) < a) {
        passed = true;
        const float s = GetActionRating(attacker, 1, kFinishingShot);
        const float g = GetActionRating(keeper, 0, kFinishingShot);
        if (RandomFloat(s + g) < s) {
            scored = true;
            AdjustGrade(attacker, 1, -3);
            ScoreGoal(attacker);
            AdjustGrade(keeper, 0, 3);
            change = true;
        } else {
            AdjustGrade(attacker, 1, 4);
            AdjustGrade(keeper, 0, -5);
            change = RandomFloat(20) > 4 * a / d;
        }
        AdjustGrade(attacker, 1, -3);
        AdjustGrade(defender, 0, 3);
        AdjustGoalkeeperEnergy();
    } else {
        AdjustGrade(attacker, 1, 3);
        AdjustGrade(defender, 0, -3);
        change = RandomFloat(20) < d / a;
        if (a != 0) {
            reported |= CheckFoul(defender, 0, kOneOnOne, change);
            CheckInjury(attacker, 1, kOneOnOne);
            CheckInjury(defender, 0, kOneOnOne);
        }
    }
    AddCommentary(attacker, defender, passed, scored, kOneOnOne, reported);
    AdjustEnergy(attacker, 1, -4);
    AdjustEnergy(defender, 0, -4);
    if (change)
        reported |= ChangePossession();
    AddPlayTime(20);
    return reported;
}

bool CMatch::PlayCombination() {
    const CTeam& attackers = Team(1);
    const CTeam& defenders = Team(0);
    float c[6];
    for (int j = 0; j < 6; ++j)
        c[j] = GetActionRating(SlotPlayer(attackers, kSlotFirstOffence + j), 1, kCombination);
    c[5] *= 2;
    const float right = c[0] + c[1] + c[2] + c[5];
    const float left = c[2] + c[3] + c[4] + c[5];
    const bool onRight = RandomFloat(right + left) < right;
    const float attack = onRight ? right : left;
    auto defence = [&](int slot) { return GetActionRating(SlotPlayer(defenders, slot), 0, kCombination); };
    const float block = 2 * defence(6) + defence(3) + (onRight ? defence(5) + defence(4) : defence(2) + defence(1));
    const int keeper = SlotPlayer(defenders, kSlotGoalkeeper);

    bool change = false, passed = false, scored = false, reported = false;
    int attacker;
    if (RandomFloat(attack + block) >= attack) {
        AdjustSlotGrades(1, kSlotFirstOffence, kSlotLastOffence, 3);
        AdjustSlotGrades(0, kSlotFirstDefence, kSlotLastDefence, -3);
        change = RandomFloat(10) < block / attack;
        const int k = DrawFormationPosition();
        if (attack != 0) {
            reported |= CheckFoul(SlotPlayer(defenders, k), 0, kCombination, change);
            CheckInjury(SlotPlayer(attackers, k + kOffenceSlotOffset), 1, kCombination);
            CheckInjury(SlotPlayer(defenders, k), 0, kCombination);
        }
        attacker = SlotPlayer(attackers, k + kOffenceSlotOffset);
    } else {
        passed = true;
        const int rightShooters[4] = {2, 5, 0, 1};
        const int leftShooters[4] = {2, 5, 4, 3};
        const int* shooters = onRight ? rightShooters : leftShooters;
        int slots[4];
        float weights[4];
        for (int i = 0; i < 4; ++i) {
            slots[i] = kSlotFirstOffence + shooters[i];
            weights[i] = c[shooters[i]];
        }
        const int shooterSlot = PickSlotByWeight(slots, weights, 4, kSlotFirstOffence + 3);
        attacker = SlotPlayer(attackers, shooterSlot);
        const float s = 4 * GetActionRating(attacker, 1, kFinishingShot);
        const float g = GetActionRating(keeper, 0, kFinishingShot);
        if (RandomFloat(s + g) < s) {
            scored = true;
            AdjustGrade(attacker, 1, -4);
            ScoreGoal(attacker);
            AdjustGrade(keeper, 0, 3);
            change = true;
        } else {
            AdjustGrade(attacker, 1, 4);
            AdjustGrade(keeper, 0, -6);
            change = RandomFloat(20) > s / g / 4;
        }
        AdjustSlotGrades(1, kSlotFirstOffence, kSlotLastOffence, -3);
        AdjustSlotGrades(0, kSlotFirstDefence, kSlotLastDefence, 3);
        AdjustGoalkeeperEnergy();
    }
    const int named = DrawFormationPosition();
    AdjustSlotEnergy(1, kSlotFirstOffence, kSlotLastOffence, -2);
    AdjustSlotEnergy(0, kSlotFirstDefence, kSlotLastDefence, -2);
    AddCommentary(attacker, SlotPlayer(defenders, named), passed, scored, kCombination, reported);
    if (change)
        reported |= ChangePossession();
    AddPlayTime(30);
    return reported;
}

bool CMatch::PlayDistanceThrow() {
    const CTeam& attackers = Team(1);
    const CTeam& defenders = Team(0);
    int slots[5];
    float weights[5];
    for (int j = 0; j < 5; ++j) {
        slots[j] = kSlotFirstOffence + j;
        weights[j] = GetActionRating(SlotPlayer(attackers, slots[j]), 1, kDistanceThrow);
    }
    weights[0] /= 2;
    weights[4] /= 2;
    const int throwSlot = PickSlotByWeight(slots, weights, 5, kCentreBackSlot);
    const int thrower = SlotPlayer(attackers, throwSlot);
    const int blocker = SlotPlayer(defenders, FacingDefenceSlot(throwSlot));
    const int keeper = SlotPlayer(defenders, kSlotGoalkeeper);

    const float a = GetActionRating(thrower, 1, kDistanceThrow);
    const float b = GetActionRating(blocker, 0, kDistanceThrow);
    bool change = false, passed = false, scored = false, reported = false;
    if (RandomFloat(a + b) < a) {
        passed = true;
        const float s = 3 * a;
        const float g = GetActionRating(keeper, 0, kDistanceThrow);
        if (RandomFloat(s + g) < s) {
            scored = true;
            AdjustGrade(thrower, 1, -4);
            ScoreGoal(thrower);
            AdjustGrade(keeper, 0, 2);
            change = true;
        } else {
            AdjustGrade(thrower, 1, 4);
            AdjustGrade(keeper, 0, -5);
            change = RandomFloat(20) > a / b;
        }
        AdjustGrade(thrower, 1, -3);
        AdjustGrade(blocker, 0, 3);
        AdjustGoalkeeperEnergy();
    } else {
        AdjustGrade(thrower, 1, 3);
        AdjustGrade(blocker, 0, -3);
        change = RandomFloat(15) < b / a;
        if (a != 0) {
            reported |= CheckFoul(blocker, 0, kDistanceThrow, change);
            CheckInjury(thrower, 1, kDistanceThrow);
            CheckInjury(blocker, 0, kDistanceThrow);
        }
    }
    AddCommentary(thrower, blocker, passed, scored, kDistanceThrow, reported);
    AdjustEnergy(thrower, 1, -3);
    AdjustEnergy(blocker, 0, -3);
    if (change)
        reported |= ChangePossession();
    AddPlayTime(15);
    return reported;
}

bool CMatch::PlayFastBreak() {
    const CTeam& attackers = Team(1);
    const CTeam& defenders = Team(0);
    float attack[7], defence[7];
    float sumAttack = 0, sumDefence = 0;
    for (int j = 0; j <= kSlotLastDefence; ++j) {
        attack[j] = GetActionRating(SlotPlayer(attackers, j), 1, kFastBreak);
        defence[j] = GetActionRating(SlotPlayer(defenders, j), 0, kFastBreak);
        if (j == 0 || j == 1 || j == 5) {
            attack[j] *= 2;
            defence[j] *= 2;
        }
        if (j == 3)
            defence[j] *= 3;
        if (j == 6)
            attack[j] *= 3;
        sumAttack += attack[j];
        sumDefence += defence[j];
    }
    sumDefence /= 2;
    const int keeper = SlotPlayer(defenders, kSlotGoalkeeper);

    bool change = false, passed = false, scored = false, reported = false;
    int runner;
    if (RandomFloat(sumAttack + sumDefence) < sumAttack) {
        passed = true;
        const int slots[6] = {1, 2, 3, 4, 5, 6};
        const int runnerSlot = PickSlotByWeight(slots, attack + 1, 6, kSlotLastDefence);
        runner = SlotPlayer(attackers, runnerSlot);
        const float s = 5 * GetActionRating(runner, 1, kFinishingShot);
        const float g = GetActionRating(keeper, 0, kFinishingShot);
        if (RandomFloat(s + g) < s) {
            scored = true;
            AdjustGrade(runner, 1, -4);
            ScoreGoal(runner);
            AdjustGrade(keeper, 0, 2);
            change = true;
        } else {
            AdjustGrade(runner, 1, 4);
            AdjustGrade(keeper, 0, -7);
            change = RandomFloat(20) > s / g / 5;
        }
        AdjustSlotGrades(1, kSlotGoalkeeper, kSlotLastDefence, -3);
        AdjustSlotGrades(0, kSlotGoalkeeper, kSlotLastDefence, 3);
        AdjustGoalkeeperEnergy();
    } else {
        AdjustSlotGrades(1, kSlotGoalkeeper, kSlotLastDefence, 3);
        AdjustSlotGrades(0, kSlotGoalkeeper, kSlotLastDefence, -3);
        change = RandomFloat(10) < sumDefence / sumAttack;
        const int k = RandBelow(7);
        if (sumAttack != 0) {
            reported |= CheckFoul(SlotPlayer(defenders, k), 0, kFastBreak, change);
            CheckInjury(SlotPlayer(attackers, k + kOffenceSlotOffset), 1, kFastBreak);
            CheckInjury(SlotPlayer(defenders, k), 0, kFastBreak);
        }
        runner = SlotPlayer(attackers, k + kOffenceSlotOffset);
    }
    const int named = RandBelow(7);
    AdjustSlotEnergy(1, kSlotFirstDefence, kSlotLastDefence, -5);
    AdjustSlotEnergy(0, kSlotFirstDefence, kSlotLastDefence, -3);
    AddCommentary(runner, SlotPlayer(defenders, named), passed, scored, kFastBreak, reported);
    if (change)
        reported |= ChangePossession();
    AddPlayTime(15);
    return reported;
}

bool CMatch::PlaySevenMetreThrow(bool& possessionChanges) {
    const int taker = match_team::PickPenaltyTaker(Team(1), sheetSize);
    const int keeper = match_team::PickPenaltyGoalkeeper(Team(0), sheetSize);
    const float a = 4 * GetActionRating(taker, 1, kSevenMetre);
    const float g = GetActionRating(keeper, 0, kSevenMetre);
    possessionChanges = true;
    bool scored = false, reported = false;
    if (RandomFloat(a + g) < a) {
        scored = true;
        MatchSide& side = Side(1);
        if (taker < static_cast<int>(side.penaltyGoals.size()))
            ++side.penaltyGoals[taker];
        ScoreGoal(taker);
        AdjustGrade(taker, 1, -1);
        AdjustGrade(keeper, 0, 1);
    } else {
        AdjustGrade(taker, 1, 2);
        AdjustGrade(keeper, 0, -6);
        if (RandomFloat(20) > a / g)
            possessionChanges = false;
    }
    AddCommentary(taker, keeper, false, scored, kSevenMetre, reported);
    return reported;
}
