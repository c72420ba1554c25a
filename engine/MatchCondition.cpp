#include <cstdlib>

#include "engine/MatchInjuries.h"
#include "engine/MatchReport.h"
#include "engine/MatchTeam.h"
#include "platform/Random.h"
#include "world/Match.h"
#include "world/Player.h"

// What a match does to a player as it runs: energy, grade and injuries.

using namespace match_team;
using namespace match_player;

namespace {

constexpr int kMaxEnergy = 100;
constexpr int kInjuryChance[4] = {200, 100, 120, 150};  // per 40000, by action kind

int DrawSeverity() {
    const int r = RandBelow(100);
    if (r < 40)
        return 5;
    if (r < 65)
        return 4;
    if (r < 80)
        return 3;
    if (r < 88)
        return 2;
    if (r < 95)
        return 1;
    return 0;
}

int DrawInjuryOfSeverity(int severity) {
    int count = 0;
    for (uint8_t s : g_matchInjurySeverity)
        count += s == severity;
    int pick = RandBelow(count);
    for (int kind = 0; kind < kMatchInjuryKinds; ++kind)
        if (g_matchInjurySeverity[kind] == severity && pick-- == 0)
            return kind;
    return 0;
}

}  // namespace

void CMatch::AdjustEnergy(int player, int side, int steps) { AdjustEnergyRepeatedly(player, side, steps, 1); }

// Nothing but his energy changes from one time to the next: whether he
// is out of play, his fitness, freshness and the side's effort are read
// once, and the energy, which his marks hold as it is, is written back
// after the last time.
void CMatch::AdjustEnergyRepeatedly(int player, int side, int steps, int times) {
    CTeam& team = Team(side);
    if (player < 0 || player >= SquadSize(team))
        return;
    CPlayer& p = PlayerAt(team, player);
    if (steps < 0 && IsOutOfPlay(p))
        return;
    const int resisted = (p.GetSkillLevel(kSkillFitness) - 1) * 15;
    const int count = std::abs(steps - (Effort(team) - 2));
    const int gainBelow = (p.freshness + p.fitness) / 2;
    const int lossAbove = p.fitness;
    int energy = Energy(p);
    for (int time = 0; time < times; ++time) {
        if (RandBelow(100) < resisted)
            continue;
        if (steps >= 0) {
            for (int i = 0; i < steps; ++i)
                if (RandBelow(100) < gainBelow && energy < kMaxEnergy)
                    ++energy;
        } else {
            for (int i = 0; i < count; ++i)
                if (RandBelow(100) > lossAbove && energy >= 1)
                    --energy;
        }
    }
    SetEnergy(p, energy);
}

void CMatch::AdjustGrade(int player, int side, int steps) {
    MatchSide& own = Side(side);
    if (player < 0 || player >= static_cast<int>(own.grades.size()) || steps == 0)
        return;
    const int before = own.grades[player];
    const int sign = steps > 0 ? 1 : -1;
    int grade = before;
    for (int i = 0; i < std::abs(steps); ++i)
        if (RandBelow(150) < 100 - std::abs(40 - before))
            grade += sign;
    // Neutral means "did not play"; a player who did never stays there.
    if (grade == kNeutralGrade)
        grade += sign;
    if (grade >= 0 && grade < kGradeLimit)
        own.grades[player] = static_cast<uint8_t>(grade);
}

bool CMatch::CheckInjury(int player, int side, int kind) {
    CTeam& team = Team(side);
    if (player < 0 || player >= SquadSize(team))
        return false;
    CPlayer& p = PlayerAt(team, player);
    if (IsOutOfPlay(p))
        return false;
    int chance = kInjuryChance[kind & 3] + 20 * Roughness(Team(1 - side));
    switch (p.GetHealthType()) {
    case kOftenInjured: chance = chance * 5 / 4; break;
    case kWeakHealth: chance = chance + chance / 5; break;
    case kStrong: chance = chance / 2; break;
    default: break;
    }
    if (Rand() * 40000 / 32768 >= chance)
        return false;

    p.matchMarks |= MatchMarks::kOutOfPlay;
    p.status |= CPlayer::kInjured;
    const int injury = DrawInjuryOfSeverity(DrawSeverity());
    Injuries(team).push_back(static_cast<uint16_t>(injury << 8 | player));
    p.UpdateHealthAfterInjury(injury);
    const InjuryDays& out = g_injuryDays[static_cast<size_t>(injury)];
    const int spread = out.most - out.least + (p.GetHealthType() == kSelfPitying ? 5 : 0);
    const int days = out.least + RandBelow(spread);
    p.status = static_cast<uint16_t>((p.status & 0xFF) | days << 8);

    if (!quick) {
        Penalties(side).push_back(static_cast<uint16_t>(player));
        RecordEvent(MatchEventKind::kInjury, side, player);
    }
    return true;
}
