// The week of training a team is in, the user's free week plans, the
// squad's condition means, and the choices made for every team at the start
// of a season.
#include <algorithm>
#include <optional>
#include <utility>

#include "platform/Date.h"
#include "platform/Random.h"
#include "squad/Training.h"
#include "world/GameDate.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kLowFitness = 30;
constexpr int kLiftedFitnessBase = 35;
constexpr int kLiftedFitnessSpread = 10;
// From this age a player no longer works on a skill he is already good at.
constexpr int kAgeOfSettledSkills = 32;
constexpr int kMaxTrainedLevel = 3;
// One chance in n that a player under 32 takes up a skill of normal level.
constexpr int kNormalSkillChanceField = 10;
constexpr int kNormalSkillChanceKeeper = 5;

template <typename Value>
int SquadMean(const PlayerList& squad, Value value) {
    if (squad.empty())
        return 0;
    int sum = 0;
    for (const auto& p : squad)
        sum += value(*p);
    return sum / static_cast<int>(squad.size());
}

bool WantsToTrain(const CPlayer& p, int skill) {
    const int level = p.GetSkillLevel(skill);
    if (level == kSkillDeficit)
        return true;
    if (p.GetAge() >= kAgeOfSettledSkills)
        return false;
    if (level >= 2 && level <= std::min(p.GetTalent(), kMaxTrainedLevel))
        return true;
    return level == kNormalSkill &&
           RandBelow(p.IsGoalkeeper() ? kNormalSkillChanceKeeper : kNormalSkillChanceField) == 0;
}

constexpr std::array<uint8_t, kMaxUnitsPerWeek> FreeWeekRow() {
    std::array<uint8_t, kMaxUnitsPerWeek> row{};
    row.fill(kFreeUnit);
    return row;
}

constexpr std::array<std::array<uint8_t, kMaxUnitsPerWeek>, kFreeWeekPlans> FreeWeekPlans() {
    std::array<std::array<uint8_t, kMaxUnitsPerWeek>, kFreeWeekPlans> plans{};
    plans.fill(FreeWeekRow());
    return plans;
}

}  // namespace

uint32_t g_trainingUnitsPerWeek = kMaxUnitsPerWeek;
std::array<uint8_t, kMaxUnitsPerWeek> g_weekTrainingRow = FreeWeekRow();

void ResetTrainingWeek() {
    g_trainingUnitsPerWeek = kMaxUnitsPerWeek;
    g_weekTrainingRow = FreeWeekRow();
}

std::array<std::array<uint8_t, kMaxUnitsPerWeek>, kFreeWeekPlans> g_freeWeekPlanUnits = FreeWeekPlans();

void ResetFreeWeekPlans() { g_freeWeekPlanUnits = FreeWeekPlans(); }

int UnitsPerWeekInRow() { return static_cast<int>(std::min<uint32_t>(g_trainingUnitsPerWeek, kMaxUnitsPerWeek)); }

TrainingUnitRange TrainingUnitsOfDay(int dayOfWeek) {
    constexpr int kTrainingDays = 5;
    if (dayOfWeek < Weekday::kMonday || dayOfWeek > Weekday::kFriday)
        return {};
    const int units = UnitsPerWeekInRow();
    return {(dayOfWeek - Weekday::kMonday) * units / kTrainingDays, (dayOfWeek - Weekday::kMonday + 1) * units / kTrainingDays};
}

// Every team asks for the week in every week step: the answer for the date
// asked last is kept.
int GetCurrentSeasonWeek() {
    static std::optional<std::pair<Date, int>> last;
    if (!last || !(last->first == g_gameDate)) {
        const int days = g_gameDate.DaysSince(FirstMondayOfSeason(SeasonYearOf(g_gameDate)));
        last.emplace(g_gameDate, days / kDaysPerWeek + 1);
    }
    return last->second;
}

void CTeam::LoadCurrentWeekTraining() {
    // A season has one week more than the plan when 1 July is a Monday; the
    // last days of June then keep the plan of week 52.
    const int week = std::clamp(GetCurrentSeasonWeek(), 1, kTrainingWeeks);
    const auto& units = GetWeekPlanUnits(trainingPlan[week - 1]);
    std::copy_n(units.begin(), UnitsPerWeekInRow(), g_weekTrainingRow.begin());
}

int CTeam::GetAverageFitness() const {
    return SquadMean(squad, [](const CPlayer& p) { return p.fitness; });
}

int CTeam::GetAverageFreshness() const {
    return SquadMean(squad, [](const CPlayer& p) { return p.freshness; });
}

void CTeam::LiftLowFitness() {
    for (auto& p : squad)
        if (p->fitness < kLowFitness)
            p->fitness = static_cast<uint8_t>(kLiftedFitnessBase + RandBelow(kLiftedFitnessSpread));
}

void CTeam::ChooseTrainingSkills() {
    for (auto& p : squad) {
        if (p->GetSkillInTraining() >= 0)
            continue;
        const int skills = p->IsGoalkeeper() ? kKeeperSkillCount : kSkillCount;
        for (int skill = 0; skill < skills; ++skill) {
            if (WantsToTrain(*p, skill)) {
                p->SetSkillTraining(skill);
                break;
            }
        }
    }
}
