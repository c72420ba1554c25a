// A run of training units for one team: the chances of skill gains, the
// change of fitness and freshness, the weekly decline of skills, and the
// player events of the week.
#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/Random.h"
#include "squad/Training.h"
#include "squad/TrainingNews.h"
#include "squad/TrainingRun.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kChanceCount = kSkillCount + kKeeperSkillCount;  // 0-9 field, 10-14 goalkeeper
using Chances = std::array<uint8_t, kChanceCount>;

constexpr int kAttitudeTough = 3;
constexpr int kAttitudeAuthoritarian = 4;
constexpr int kAttitudeScholar = 7;
constexpr int kMinKeeperCoachName = 2;
constexpr int kKeeperCoachBonus = 5;
constexpr int kToughFitnessBonus = 10;

constexpr int kHighMotivation = 107;
constexpr int kLowMotivation = 93;
constexpr int kMaxSkillValue = 15;
constexpr int kFullProgress = 200;
constexpr int kMaxTrainedLevel = 3;
constexpr int kLevelShift = 5;
constexpr uint8_t kLevelMask = 0x60;

// Freshness comes back the more, the fewer units the week holds.
constexpr int kFreshnessUnitsBase = 18;
constexpr int kFreshnessPerMissingUnit = 8;
constexpr int kPlainSkillsMean = 5;

struct Coaches {
    bool assistant = false;
    int competence = 0;
    int attitude = 0;
    bool keeperCoach = false;
    int keeperCompetence = 0;
};

Coaches CoachesOf(const CTeam& team) {
    Coaches c;
    c.assistant = team.HasCoach();
    c.competence = team.GetCoachCompetence();
    c.attitude = team.GetCoachAttitude();
    c.keeperCoach = team.keeperCoach.size() >= kMinKeeperCoachName;
    c.keeperCompetence = team.keeperCoachCompetence;
    return c;
}

// The counters are bytes; a long week of heavy units saturates them, which
// makes the gain certain rather than wrapping round to almost none.
void AddChance(uint8_t& counter, int points) {
    counter = static_cast<uint8_t>(std::min(counter + points, UINT8_MAX));
}

Chances CoachChances(const Coaches& c, int units) {
    Chances chances{};
    if (!c.assistant) {
        if (c.keeperCoach)
            for (int i = kSkillCount; i < kChanceCount; ++i)
                AddChance(chances[i], units * (c.keeperCompetence + kKeeperCoachBonus) / 2);
        return chances;
    }
    int v = units * c.competence / 10;
    if (c.attitude == kAttitudeScholar)
        v = v + 1 + v / 5;
    chances.fill(static_cast<uint8_t>(v));
    if (c.attitude == kAttitudeTough)
        AddChance(chances[1], chances[1]);
    const int keeperLevel = c.keeperCoach ? c.keeperCompetence + kKeeperCoachBonus : c.competence;
    for (int i = kSkillCount; i < kChanceCount; ++i)
        AddChance(chances[i], units + units * keeperLevel / 4);
    return chances;
}

// What the run adds up before the squad is looked at.
struct RunSums {
    Chances chances;
    int fitness = 0;
    int freshness = 0;
};

RunSums SumUnits(const Coaches& coaches, const TrainingRun& run) {
    RunSums sums{CoachChances(coaches, run.Units())};
    // No unit takes a chance away, so the units' sum added at once
    // saturates as adding them one by one does.
    std::array<int, kSkillCount> unitChances{};
    for (int u = run.from; u < run.to; ++u) {
        const TrainingUnitEffect& effect = GetUnitEffect(g_weekTrainingRow[u]);
        for (int i = 0; i < kSkillCount; ++i)
            unitChances[i] += effect.skillChances[i];
        sums.fitness += effect.fitness;
        sums.freshness += effect.freshness;
    }
    for (int i = 0; i < kSkillCount; ++i)
        AddChance(sums.chances[i], unitChances[i]);
    if (coaches.assistant && sums.fitness > 0)
        sums.fitness += run.Units() * coaches.competence / 2 + (coaches.attitude == kAttitudeTough ? kToughFitnessBonus : 0);
    return sums;
}

// The first part of the week: the assistant's grip on motivation, fresh
// form marks, trials that end, and the skills the squad may lose this week.
// Gives the chance of losing a skill value.
int StartWeek(CTeam& team, const Coaches& coaches, const TrainingRun& run) {
    int skillTotal = 0;
    int skillCount = 0;
    for (size_t i = 0; i < team.squad.size();) {
        CPlayer& p = *team.squad[i];
        if (coaches.attitude == kAttitudeAuthoritarian) {
            if (p.motivation > kHighMotivation)
                p.ChangeMotivation(-1);
            else if (p.motivation < kLowMotivation)
                p.ChangeMotivation(1);
        }
        p.formByte &= static_cast<uint8_t>(~(CPlayer::kFormWentUp | CPlayer::kFormWentDown));
        if (!p.IsGoalkeeper()) {
            for (int s = 0; s < kSkillCount; ++s)
                skillTotal += p.GetAttribute(s);
            skillCount += kSkillCount;
        }
        if (!SendBackFromTrialWhenDue(team, i))
            ++i;
    }
    const int mean = skillTotal / std::max(skillCount, 1);
    int decline = 4 * mean + (coaches.assistant ? run.to * coaches.competence / 20 : 0);
    if (mean < kPlainSkillsMean)
        decline /= 2;
    return decline;
}

int RootEffect(int size) { return IntRoot(size * 100, 2) / 10; }

// Every team's week asks for two of these, from a small range of sums, and
// the root takes its Newton steps: each is worked out once.
int SignedRootEffect(int sum) {
    constexpr int kKeptSizes = 4096;
    static std::array<int16_t, kKeptSizes> kept = [] {
        std::array<int16_t, kKeptSizes> unknown;
        unknown.fill(-1);
        return unknown;
    }();
    const int size = sum > 0 ? sum : -sum;
    int root = 0;
    if (size >= kKeptSizes) {
        root = RootEffect(size);
    } else {
        if (kept[size] < 0)
            kept[size] = static_cast<int16_t>(RootEffect(size));
        root = kept[size];
    }
    return sum > 0 ? root : -root;
}

void ChangeFitness(CPlayer& p, int effect, int averageFitness, bool away, int units) {
    int f = away ? -units : effect - p.GetAttribute(kSkillFitness) / ((100 - averageFitness) / 10 + 1);
    if (f <= 0) {
        f = (p.fitness / 2 + 50) * f / 100;
        if (p.IsProfessional())
            f = f * 4 / 5;
    } else {
        f = (140 - p.fitness) * f / 100;
    }
    p.fitness = static_cast<uint8_t>(std::clamp(p.fitness + f, 0, 100));
}

void ChangeFreshness(CPlayer& p, int effect, bool away, int units) {
    int g = away ? units / 2 : effect;
    if (g <= 0) {
        if (p.freshness > 75)
            g *= 2;
    } else {
        g = (150 - p.freshness) * g / 100;
        if (p.IsProfessional())
            g = g * 13 / 10;
    }
    p.freshness = static_cast<uint8_t>(std::clamp(p.freshness + g, 0, 100));
}

// A special skill in training whose progress is full reaches its next level.
void CompleteSkillTraining(CPlayer& p, bool announce) {
    const int skill = p.GetSkillInTraining();
    if (skill < 0 || p.skillProgress < kFullProgress)
        return;
    if (!p.ChangeSkillLevel(skill, 1)) {
        p.skillTraining = CPlayer::kGeneralTrainingStart;
        return;
    }
    if (announce)
        Announce(DescribeSkillImproved(p, skill));
    p.skillProgress = 0;
    const int next = ((p.skillTraining & kLevelMask) >> kLevelShift) + 1;
    if (next > p.GetTalent() || next > kMaxTrainedLevel)
        p.skillTraining = CPlayer::kGeneralTrainingStart;
    else
        p.skillTraining = static_cast<uint8_t>(CPlayer::kSkillInTraining | next << kLevelShift | skill);
}

struct SkillRun {
    const Chances& chances;
    int decline;
    bool firstPart;
    bool announce;
};

void TrainSkills(CPlayer& p, const SkillRun& run, bool away) {
    const bool keeper = p.IsGoalkeeper();
    const int first = keeper ? kSkillCount : 0;
    const int last = keeper ? kChanceCount : kSkillCount;
    // Nothing in the loop changes his position or his contract: what the
    // draws are measured against is read once.
    const bool professional = p.IsProfessional();
    const int gainRange = professional ? 100 : 140;
    const Chances chances = run.chances;
    const int decline = run.decline;
    const int lossOffset = (keeper ? decline : 0) + (!professional && decline > 20 ? 20 : 0);
    for (int i = first; i < last; ++i) {
        const int gain = RandBelow(gainRange);
        if (gain < chances[i] && !away) {
            p.SetAttribute(i, std::min(p.GetAttribute(i) + 1, kMaxSkillValue));
            p.ChangeForm(1);
            p.AdvanceSkillTraining(i);
            CompleteSkillTraining(p, run.announce);
        }
        if (!run.firstPart)
            continue;
        const int loss = RandBelow(100) - lossOffset;
        if (loss < decline) {
            p.SetAttribute(i, std::max(p.GetAttribute(i) - 1, 0));
            p.ChangeForm(-1);
            p.CheckSkillDecline();
        }
    }
}

void UpdateAverageForm(PlayerList& squad) {
    const int week = GetCurrentSeasonWeek();
    for (auto& p : squad)
        p->averageForm = (static_cast<float>(p->GetForm()) + static_cast<float>(week) * p->averageForm) /
                         static_cast<float>(week + 1);
}

}  // namespace

void CTeam::RunTrainingUnits(int from, int to) {
    const TrainingRun run{from, std::min(to, UnitsPerWeekInRow()), UnitsPerWeekInRow()};
    if (run.from < 0 || run.from >= run.to)
        return;
    const Coaches coaches = CoachesOf(*this);
    RunSums sums = SumUnits(coaches, run);
    const int averageFitness = GetAverageFitness();
    const int averageFreshness = GetAverageFreshness();

    int decline = 0;
    if (run.FirstPart()) {
        decline = StartWeek(*this, coaches, run);
        sums.freshness += (kFreshnessUnitsBase - run.unitsPerWeek) * kFreshnessPerMissingUnit;
        sums.fitness -= averageFitness / 2;
    }
    sums.freshness /= 2;
    const int fitnessEffect = SignedRootEffect(sums.fitness);
    int freshnessEffect = SignedRootEffect(sums.freshness);
    // A tired squad recovers the less, the less fresh it came in.
    if (sums.freshness <= 0)
        freshnessEffect = (averageFreshness + 20) * freshnessEffect / 100;

    const SkillRun skillRun{sums.chances, decline, run.FirstPart(), IsUserTeam(this)};
    for (size_t i = 0; i < squad.size(); ++i) {
        CPlayer& p = *squad[i];
        if ((p.status & 0x00FF) == 0)
            DrawSicknessOrAbsence(*this, i, run);
        else
            CountDownAbsence(*this, i, run);
        const bool away = p.status & (CPlayer::kAbsent | CPlayer::kInjured);
        ChangeFitness(p, fitnessEffect, averageFitness, away, run.Units());
        ChangeFreshness(p, freshnessEffect, away, run.Units());
        TrainSkills(p, skillRun, away);
    }
    if (run.LastPart())
        UpdateAverageForm(squad);
}
