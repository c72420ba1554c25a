// The board's evaluation of the manager's work: a score for each of eight
// areas, weighted by how long the world has run and by the points of his
// skill groups. Integer arithmetic throughout, divisions truncating.
#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "finance/InterestRates.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/PlayerMath.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

using Areas = std::array<int, kWorkAreaCount>;

// A squad below this mean strength earns nothing for its strength, nor
// does one so far above it that its score would pass the cut.
constexpr int kBaseStrength = 22;
constexpr int kStrengthScoreCut = 200;
constexpr int kStrengthScoreMax = 120;
constexpr int kWageShare = 5;
constexpr int kWageScoreMax = 100;
constexpr int kSuccessScoreMax = 150;
constexpr int kYouthScoreMax = 150;
constexpr int kYoungPlayerAge = 23;
constexpr int kPerMille = 1000;
// The six skill groups share this much of the weighting; team and
// successes the rest, successes more each year the world has run.
constexpr int kSkillGroupsWeight = 300;
constexpr int kSuccessBaseWeight = 200;
constexpr int kSuccessWeightPerYear = 10;
constexpr int kSuccessWeightYears = 20;
constexpr int kTeamAndSuccessWeight = kPerMille - kSkillGroupsWeight;

struct SuccessWeight {
    int32_t CManager::*counter;
    int weight;
};

constexpr SuccessWeight kSuccessWeights[] = {
    {&CManager::promotions, 250},
    {&CManager::continentalChampionshipTitles, 800},
    {&CManager::seasonsAtClub, 10},
    {&CManager::otherContinentalCupTitles, 300},
    {&CManager::markedMatches, 5},
    {&CManager::championships, 500},
    {&CManager::firstContinentalCupTitles, 800},
    {&CManager::olympicTitles, 1000},
    {&CManager::nationalCupTitles, 250},
    {&CManager::pointsWon, 3},
    {&CManager::superCupTitles, 200},
    {&CManager::worldCupTitles, 900},
    {&CManager::placingBonusCount, 50},
};

int SquadSize(const CTeam& club) { return static_cast<int>(club.squad.size()); }

// The club's strength over the season so far and what its squad asks for.
int TeamScore(const CManager& m, const CTeam& club, const CLeague& league) {
    int sum = 0;
    int weeks = 0;
    for (const uint8_t strength : m.weeklyStrength)
        if (strength != 0) {
            sum += strength;
            ++weeks;
        }
    const int mean = weeks == 0 ? 0 : sum / weeks;
    int strengthScore = mean < kBaseStrength ? 0 : (mean - kBaseStrength) * 25 / kBaseStrength;
    strengthScore = strengthScore > kStrengthScoreCut ? 0 : std::min(strengthScore, kStrengthScoreMax);
    int wages = static_cast<int>(club.SumWageDemands(league.IsProfessional(), league.division,
                                                     m.GetInflationPermille())) /
                kWageShare;
    if (wages != 0)
        wages = IntRoot(wages, 2);
    return strengthScore / 2 + std::min(wages, kWageScoreMax) / 2;
}

int SuccessScore(const CManager& m) {
    int points = 0;
    for (const SuccessWeight& s : kSuccessWeights)
        points += s.weight * (m.*s.counter);
    return std::min(IntRoot(points, 2), kSuccessScoreMax);
}

// The squad's attributes, a goalkeeper's first five: the more even, the
// better the training is organised.
int TrainingScore(const CTeam& club) {
    const auto attributeCount = [](const CPlayer& p) {
        return p.IsGoalkeeper() ? kKeeperAttributeCount : kAttributeCount;
    };
    int sum = 0;
    int count = 0;
    for (const PlayerPtr& p : club.squad)
        for (int i = 0; i < attributeCount(*p); ++i, ++count)
            sum += p->GetAttribute(i);
    if (count == 0)
        return 100;
    const int mean = 10 * sum / count;
    int deviation = 0;
    for (const PlayerPtr& p : club.squad)
        for (int i = 0; i < attributeCount(*p); ++i)
            deviation += std::abs(mean - 10 * p->GetAttribute(i));
    return 100 - 2 * (deviation / count);
}

int AttitudeScore(const CTeam& club) {
    const int motivation = std::clamp(3 * club.GetAverageMotivation() - 200, 0, 200);
    return (club.teamSpirit + motivation + club.fightingSpirit) / 6;
}

// A young squad that improves, with talent among its players under 23.
int YouthScore(const CTeam& club) {
    int score = 270 - static_cast<int>(10 * club.GetAverageAge()) + FloorDiv(club.GetAverageTrend(), 4);
    for (const PlayerPtr& p : club.squad)
        if (p->GetAge() < kYoungPlayerAge)
            score += p->GetTalent();
    return std::min(score, kYouthScoreMax);
}

// Players content with their contracts were paid too much.
int NegotiationScore(const CManager& m, const CTeam& club, const CLeague& league) {
    const int matches = league.GetMatchDayCount(true, true, true);
    int sum = 0;
    for (const PlayerPtr& p : club.squad)
        sum += p->GetContractSatisfaction(p->IsProfessional(), league.division, matches, m.GetInflationPermille());
    const int mean = club.squad.empty() ? 0 : sum / SquadSize(club);
    return 100 - std::clamp(2 * mean - 100, 0, 200) / 2;
}

int ImageScore(const CTeam& club) {
    return IntRoot(club.clubConfidence * club.fanReputation, 2) + 10 * club.GetMediaAttention() - 30;
}

int ManagementScore(const CTeam& club, const CLeague& league) {
    const int health = static_cast<int>(club.account.CalcHealthForecast(league, club));
    const uint32_t income = club.account.CalcSeasonIncome(league, club, g_interestRates.investmentBase);
    const int assets = club.account.GetAssetRatio(income, club.capital);
    return (health + (assets + 200) / 2) / 2 - 100;
}

Areas Weightings(const CManager& m, bool withClub) {
    Areas w{};
    if (!withClub) {
        w[kAreaSuccesses] = kPerMille;
        return w;
    }
    const int points = std::accumulate(m.skillGroupPoints.begin(), m.skillGroupPoints.end(), 0);
    for (int g = 0; g < CManager::kSkillGroups; ++g) {
        const int groupPoints = m.skillGroupPoints[static_cast<size_t>(g)];
        w[kAreaTraining + g] = points == 0 ? 0 : groupPoints * kSkillGroupsWeight / points;
    }
    const int years = m.world ? g_gameDate.Year() - m.world->startYear : 0;
    w[kAreaSuccesses] = kSuccessBaseWeight + kSuccessWeightPerYear * std::min(kSuccessWeightYears, years);
    w[kAreaTeam] = kTeamAndSuccessWeight - w[kAreaSuccesses];
    return w;
}

// The skill groups' areas count as much as the team and its successes
// earn: half of their weighted score, plus half.
Areas Scores(const CManager& m, const Areas& w, bool withClub) {
    Areas s{};
    s[kAreaSuccesses] = SuccessScore(m);
    if (!withClub)
        return s;
    const CTeam& club = *m.club;
    const CLeague& league = *m.league;
    s[kAreaTeam] = TeamScore(m, club, league);
    s[kAreaTraining] = TrainingScore(club);
    s[kAreaAttitude] = AttitudeScore(club);
    s[kAreaYouth] = YouthScore(club);
    s[kAreaNegotiations] = NegotiationScore(m, club, league);
    s[kAreaImage] = ImageScore(club);
    s[kAreaManagement] = ManagementScore(club, league);
    const int earned = (s[kAreaTeam] * w[kAreaTeam] + s[kAreaSuccesses] * w[kAreaSuccesses]) /
                       (w[kAreaTeam] + w[kAreaSuccesses]);
    const int factor = earned / 2 + 50;
    for (int a = kAreaTraining; a < kWorkAreaCount; ++a)
        s[a] = s[a] * factor / 100;
    return s;
}

}  // namespace

int CManager::EvaluateWork(WorkEvaluation* evaluation) const {
    const bool withClub = club && club != &g_noClubTeam && league;
    const Areas w = Weightings(*this, withClub);
    const Areas s = Scores(*this, w, withClub);
    int total = 0;
    for (int a = 0; a < kWorkAreaCount; ++a)
        total += s[a] * w[a];
    total /= kPerMille;
    int property = 0;
    for (const auto& item : usedProperty)
        property += item->GetCoachingLevelBonus();
    if (evaluation) {
        for (size_t a = 0; a < s.size(); ++a) {
            evaluation->scores[a] = static_cast<int16_t>(s[a]);
            evaluation->weights[a] = static_cast<int16_t>(w[a]);
        }
        evaluation->scores[WorkEvaluation::kPropertyEntry] = static_cast<int16_t>(property);
        evaluation->scores[WorkEvaluation::kTotalEntry] = static_cast<int16_t>(total + property);
    }
    return (total + property) / 10 + 1;
}
