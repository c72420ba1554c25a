#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

// How much a club would miss each of its players: a rating around 1000 from
// his motivation, his share of the team's matches and goals, his grades and
// form, his promise as a young player, his age against his contract and how
// far he falls behind the best player of his position.

namespace {

constexpr int kMinRating = 0;
constexpr int kMaxRating = 1500;
// The season's figures say something only after this many match days.
constexpr int kTellingMatchDays = 4;
constexpr int kMatchesTermLimit = 350;
constexpr int kGoalsTermCap = 250;
constexpr float kGradeScale = 333.0f;
constexpr float kFormScale = 100.0f;
constexpr int kYouthAge = 25;
constexpr int kVeteranAge = 30;  // plus the league's level
constexpr int kDepthTermCap = 450;
constexpr int kPositionSlots = 16;  // every value of the position nibble

struct SquadSums {
    int strength = 0;
    int matches = 0;
    int goals = 0;
    std::array<int, kPositionSlots> best{};
    std::array<int, kPositionSlots> count{};
};

SquadSums SumSquad(const PlayerList& squad) {
    SquadSums sums;
    for (const auto& p : squad) {
        sums.strength += p->GetStrengthClass();
        sums.matches += p->leagueMatches;
        sums.goals += p->leagueGoals;
        const int position = p->GetPosition();
        sums.best[position] = std::max(sums.best[position], p->GetStrengthClass());
        ++sums.count[position];
    }
    sums.strength = std::max(sums.strength, 1);
    sums.matches = std::max(sums.matches, 1);
    sums.goals = std::max(sums.goals, 1);
    return sums;
}

// What his matches, goals and grades this season say, against his share of
// the squad's strength.
int PerformanceTerms(const CPlayer& p, const SquadSums& sums, int matchDays) {
    const int64_t share = std::max<int64_t>(int64_t{p.GetStrengthClass()} * 1000 / sums.strength, 1);
    int v = 0;
    const int64_t matches = int64_t{p.leagueMatches} * 1000000 / sums.matches / share;
    v += static_cast<int>(std::clamp<int64_t>((matches - 1000) >> 1, -kMatchesTermLimit, kMatchesTermLimit));
    if (!p.IsGoalkeeper() && p.leagueMatches >= 1) {
        const int64_t goals =
            int64_t{p.leagueGoals} * 1000000 / (p.leagueMatches | 1) * matchDays / sums.goals / share;
        v += static_cast<int>(std::min<int64_t>((goals - 1000) >> 2, kGoalsTermCap));
    }
    if (p.leagueMatches > 1) {
        const int grade = 2000 - static_cast<int>(p.averageGrade * kGradeScale);
        v += (grade - 1000) >> 2;
    }
    return v;
}

// Young talent with a long contract is worth keeping.
int YouthTerm(const CPlayer& p) {
    const int age = p.GetAge();
    if (age >= kYouthAge)
        return 0;
    const int t = p.GetTalent();
    return (kYouthAge - age) * (t + 1) * std::abs(7 - t) * (p.contractYears + 1) * 2;
}

// A veteran weighs on the club the longer his contract runs; near its end
// he weighs more the older he is.
int AgeTerm(const CPlayer& p, int leagueLevel) {
    const int over = p.GetAge() - (leagueLevel + kVeteranAge);
    if (over <= 0)
        return 0;
    const int c = p.contractYears;
    int penalty = -2 * over * (6 - p.GetTalent()) * c * c;
    if (c <= 1)
        penalty *= over >> 1;
    return penalty;
}

// A player well behind the best of his position counts for less, the more
// so the more players share the position.
int DepthTerm(const CPlayer& p, const SquadSums& sums) {
    const int position = p.GetPosition();
    const int count = sums.count[position];
    const int best = sums.best[position];
    const int s = p.GetStrengthClass();
    const int limit = std::min(count * 10 + 40, 90) * best / 100;
    if (s > limit)
        return 0;
    return -std::min((best - s) * count * 2 * 30 / (p.GetTalent() + 1), kDepthTermCap);
}

uint16_t RatePlayer(const CPlayer& p, const SquadSums& sums, int matchDays, int leagueLevel) {
    int v = p.motivation * 10;
    if (matchDays > kTellingMatchDays)
        v += PerformanceTerms(p, sums, matchDays);
    v += (static_cast<int>(p.averageForm * kFormScale) - 1000) >> 2;
    v += YouthTerm(p);
    v += AgeTerm(p, leagueLevel);
    v += DepthTerm(p, sums);
    return static_cast<uint16_t>(std::clamp(v, kMinRating, kMaxRating));
}

// The match days whose figures count; nothing is rated before the
// season's first.
std::optional<int> CountedMatchDays(const CLeague& league) {
    const int matchDay = league.currentMatchDay;
    if (matchDay < 1)
        return std::nullopt;
    return std::min(matchDay - 1, league.GetMatchDayCount(true, true, true));
}

}  // namespace

std::vector<uint16_t> CTeam::RateSquadPlayers(const CLeague& league) const {
    std::vector<uint16_t> ratings(squad.size(), kNeutralRating);
    const std::optional<int> matchDays = CountedMatchDays(league);
    if (squad.empty() || !matchDays)
        return ratings;
    const SquadSums sums = SumSquad(squad);
    for (size_t i = 0; i < squad.size(); ++i)
        ratings[i] = RatePlayer(*squad[i], sums, *matchDays, league.division);
    return ratings;
}

uint16_t CTeam::RateSquadPlayer(const CLeague& league, size_t index) const {
    const std::optional<int> matchDays = CountedMatchDays(league);
    if (!matchDays)
        return kNeutralRating;
    return RatePlayer(*squad[index], SumSquad(squad), *matchDays, league.division);
}
