#include <algorithm>
#include <cstdlib>

#include "engine/MatchTeam.h"
#include "platform/Random.h"
#include "squad/LineupSlots.h"
#include "world/Match.h"
#include "world/Player.h"

// A match that is not watched gets its whole result at once: each side's
// attacking value from its players' ratings, a goal count drawn around the
// two values, a score history that the clock replays, scorers, grades, and
// the wear of a match (energy, cards, injuries).

using namespace match_team;

namespace {

constexpr int kMaxGoalCount = 80;
constexpr int kGoalLimitBase = 35;
constexpr int kLowScore = 10;
constexpr int kLowScoreLift = 5;
constexpr uint16_t kHomeGoal = 256;
constexpr int kExtraPeriodGoals = 8;

}  // namespace

void CMatch::Prepare() {
    quick = 1;
    ResetForKickOff();
    if (!CheckLineups())
        return;
    if (SquadSize(*home.team) > 0 && SquadSize(*away.team) > 0)
        ComputeSideBonuses();

    std::vector<int> homeValues, awayValues;
    int homeTotal = 0, awayTotal = 0, homeKeepers = 0, awayKeepers = 0;
    sideInPossession = 0;
    ComputeQuickValues(home, homeValues, homeTotal, homeKeepers);
    sideInPossession = 1;
    ComputeQuickValues(away, awayValues, awayTotal, awayKeepers);

    int h = 0, a = 0;
    DrawQuickScore(homeTotal, awayTotal, h, a);
    BuildScoreHistory(h, a);

    DistributeGoals(home, homeValues, homeTotal - homeKeepers, h);
    homeTotal += h;
    DistributeGoals(away, awayValues, awayTotal - awayKeepers, a);
    awayTotal += a;

    const int diff = h - a;
    int homeBase = 65, awayBase = 65;
    if (diff > 0) {
        homeBase = 65 - diff;
        awayBase = 2 * diff + 92;
    } else if (diff < 0) {
        homeBase = -2 * diff + 92;
        awayBase = 65 + diff;
    }
    GradeSide(home, homeValues, homeTotal, awayTotal, std::min(homeBase, 110), diff == 0);
    GradeSide(away, awayValues, awayTotal, homeTotal, std::min(awayBase, 110), diff == 0);

    sideInPossession = 0;
    ApplyQuickWear();
    sideInPossession = 1;
    ApplyQuickWear();

    legScores[legScores.size() - 2] = static_cast<uint8_t>(h);
    legScores[legScores.size() - 1] = static_cast<uint8_t>(a);
    home.goals = 0;
    away.goals = 0;
}

// The side's attacking value per squad player (0 for a goalkeeper by
// position, whose value goes to keepers) and their total.
void CMatch::ComputeQuickValues(MatchSide& side, std::vector<int>& values, int& total, int& keepers) {
    CTeam& team = *side.team;
    int o1 = OffenceWeights(team) & 7;
    int o2 = (OffenceWeights(team) >> 3) & 7;
    int o3 = (OffenceWeights(team) >> 6) & 7;
    int f = FastBreakFrequency(team);
    if (o1 + o2 + o3 + f == 0)
        o1 = o2 = o3 = f = 1;  // no preference: every kind of attack alike
    const float n = static_cast<float>(o1 + o3 + o2 + f);
    const float w0 = o1 / n * 8, w2 = o3 / n * 8, w1 = o2 / n * 8, w3 = f / n * 8;
    BindSides();

    const int size = SquadSize(team);
    values.assign(size, 0);
    total = 0;
    keepers = 0;
    const SquadFielding fielding(team, sheetSize);
    for (int i = 0; i < size; ++i) {
        const Fielding at = fielding.Of(i);
        int value = 0;
        // A player off the sheet is worth nothing; he is rated only for
        // the draws his ratings make.
        if (at.onSheet || RatingDraws(PlayerAt(team, i))) {
            value = static_cast<int>(GetActionRating(i, 1, kOneOnOne) * w0 + value);
            value = static_cast<int>(GetActionRating(i, 1, kDistanceThrow) * w2 + value);
            value = static_cast<int>(GetActionRating(i, 1, kCombination) * w1 + value);
            value = static_cast<int>(GetActionRating(i, 1, kFastBreak) * w3 + value);
            value = static_cast<int>(GetActionRating(i, 1, kFinishingShot) * 3 + value);
            value = std::max(value, 0);
        }
        if (!at.onSheet)
            value = 0;
        else if (at.Substitute())
            value = value / 2;
        else if (at.InOne())
            value = static_cast<int>(value * 0.75);
        total += value;
        if (PlayerAt(team, i).IsGoalkeeper()) {
            keepers += value;
            value = 0;
        }
        values[i] = value;
    }
}

void CMatch::DrawQuickScore(int totalHome, int totalAway, int& h, int& a) {
    const int gap = std::abs(totalHome - totalAway);
    int n = (totalHome + totalAway) / 75 + 6 + gap / 45;
    n = RandBelow(3 * n / 4) + n / 4 + 42;
    n = std::min(n, kMaxGoalCount);
    h = n / 6;
    a = n / 6;
    const int m = 2 * n / 3;
    h += m / 6;
    a += m / 6;
    const int contested = 2 * m / 3;
    int share = totalHome;
    if (gap > 100)
        share = totalHome < totalAway ? share - totalHome / 10 : share + totalAway / 10;
    for (int k = 0; k < contested; ++k) {
        if (RandBelow(totalHome + totalAway) < share)
            ++h;
        else
            ++a;
    }

    const int limit = kGoalLimitBase + RandBelow(11);
    while (h > limit || a > limit) {
        h = h * 9 / 10;
        a = a * 9 / 10;
    }
    if (h < kLowScore || a < kLowScore) {
        h += kLowScoreLift;
        a += kLowScoreLift;
    }
}

// The order of the goals. When the final winner trails while more than
// two goals separate what is left to place, the winner scores next.
void CMatch::BuildScoreHistory(int h, int a) {
    scoreHistory.assign(1, 0);
    int homeLeft = h, awayLeft = a;
    for (int k = 0; k < h + a; ++k) {
        int r = RandBelow(h + a);
        if ((a < h) == ((h - homeLeft) < (a - awayLeft)) && std::abs(homeLeft - awayLeft) > 2)
            r = h - (a < h ? 1 : 0);
        bool homeScores;
        if (r < h)
            homeScores = --homeLeft >= 0;
        else
            homeScores = --awayLeft < 0;
        scoreHistory.push_back(scoreHistory.back() + (homeScores ? kHomeGoal : 1));
    }
}

// Goals go to the side's players by their share of its value; the 7m
// taker gets one goal in twelve from the spot besides.
void CMatch::DistributeGoals(MatchSide& side, const std::vector<int>& values, int total, int goals) {
    CTeam& team = *side.team;
    if (SquadSize(team) == 0)
        return;
    const int taker = match_team::PickPenaltyTaker(team, sheetSize);
    const int fromSpot = goals / 12;
    side.goalsPerPlayer[taker] += fromSpot;
    side.penaltyGoals[taker] += fromSpot;
    for (int g = goals - fromSpot; g > 0; --g) {
        const int r = RandBelow(total);
        int scorer = -1;
        int sum = 0;
        for (size_t i = 0; i < values.size(); ++i) {
            sum += values[i];
            if (sum > r) {
                scorer = static_cast<int>(i);
                break;
            }
        }
        // With no field player worth a goal the taker scores it, so the
        // scorers always add up to the score.
        if (scorer < 0) {
            ++side.goalsPerPlayer[taker];
            continue;
        }
        ++side.goalsPerPlayer[scorer];
        if (scorer == taker && RandomFloat(10.0f) < 5.0f)
            ++side.penaltyGoals[scorer];
    }
}

void CMatch::GradeSide(MatchSide& side, const std::vector<int>& values, int total, int otherTotal, int base,
                       bool draw) {
    CTeam& team = *side.team;
    const int sheet = sheetSize;
    int64_t m = static_cast<int64_t>(sheet) * (draw ? 40 : 50);
    m = m * otherTotal / total;
    m = std::clamp<int64_t>(m, (base / 4) * sheet, (3 * base / 4) * sheet);
    const int keeper = SlotPlayer(team, kSlotGoalkeeper);

    const SquadFielding fielding(team, sheet);
    for (size_t i = 0; i < values.size(); ++i) {
        const int index = static_cast<int>(i);
        int grade = (values[i] == 0 && index != keeper) ? kNeutralGrade : base;
        const Fielding at = fielding.Of(index);
        if (!at.onSheet) {
            side.grades[i] = static_cast<uint8_t>(grade);
            continue;
        }
        const int goals = side.goalsPerPlayer[i];
        int64_t x = (m / sheet) / 2 + ((values[i] + goals) * m / total) / 2;
        if (index == keeper)
            x = m / sheet + 20;
        x = std::min<int64_t>(x, grade);
        if (at.InOne()) {
            grade = base > 65 ? 70 : 50;
            x = x / 2;
        }
        x = RandBelow(static_cast<int>(x));
        grade = grade - static_cast<int>(x + goals);
        if (at.InBoth() && grade == kNeutralGrade)
            grade = kNeutralGrade - 1;
        else if (!at.InBoth() && values[i] == 0)
            grade = kNeutralGrade;
        side.grades[i] = static_cast<uint8_t>(std::max(grade, 0));
    }
}

// Energy, cards and injuries of a whole match, for the side bound as the
// side in possession.
void CMatch::ApplyQuickWear() {
    BindSides();
    MatchSide& side = Side(1);
    CTeam& team = *side.team;
    const int size = SquadSize(team);
    const SquadFielding fielding(team, sheetSize);
    for (int i = 0; i < size; ++i) {
        const Fielding at = fielding.Of(i);
        if (!at.onSheet)
            continue;
        AdjustEnergyRepeatedly(i, 1, -6, at.Substitute() ? 10 : 20);

        CPlayer& p = PlayerAt(team, i);
        int r = RandBelow(10000);
        if (p.IsGoalkeeper())
            r *= 2;
        using namespace MatchMarks;
        if (r < 1850)
            p.matchMarks |= kFirstSuspension;
        else if (r < 2445)
            p.matchMarks |= kFirstSuspension | kSecondSuspension;
        else if (r < 2535)
            p.matchMarks |= kFirstSuspension | kSecondSuspension | kRed;
        else if (r < 2540)
            p.matchMarks |= kRed | kInsult;
        else if (r < 2565)
            p.matchMarks |= kRed | kViolentFoul;
        else if (r < 2566)
            p.matchMarks |= kExclusion;
        for (int c = 0; c < 4; ++c)
            CheckInjury(i, 1, kFastBreak);
    }
}

void CMatch::PlayQuickExtraPeriod() {
    int energy[2] = {0, 0};
    MatchSide* sides[2] = {&home, &away};
    for (int s = 0; s < 2; ++s)
        for (int slot = 0; slot <= LastSheetSlot(); ++slot) {
            const int player = SlotPlayer(*sides[s]->team, slot);
            if (player >= 0)
                energy[s] += match_player::Energy(PlayerAt(*sides[s]->team, player));
        }

    const uint16_t start = scoreHistory.empty() ? 0 : scoreHistory.back();
    scoreHistory.assign(1, start);
    for (int g = 0; g < kExtraPeriodGoals; ++g) {
        const int r = Rand() * (energy[0] + energy[1]) / 32768;
        const bool awayScores = r >= energy[0];
        MatchSide& scorer = awayScores ? away : home;
        ++legScores[legScores.size() - (awayScores ? 1 : 2)];
        scoreHistory.push_back(scoreHistory.back() + (awayScores ? 1 : kHomeGoal));
        const int size = SquadSize(*scorer.team);
        if (size > 0)
            ++scorer.goalsPerPlayer[Rand() * size / 32768];
    }
}

// The clock replays the computed history linearly over each period.
bool CMatch::AdvanceQuick(int slice) {
    if (clock == 0) {
        sideInPossession = RandBelow(2) != 0;
        engineClock = kNormalTimeEnd;
    }
    clock += slice;

    const int n = static_cast<int>(scoreHistory.size()) - 1;
    int index = 0;
    if (n >= 0) {
        if (engineClock == kNormalTimeEnd)
            index = clock * n / kNormalTimeEnd;
        else if (engineClock == kFirstExtraEnd)
            index = (clock - kNormalTimeEnd) * n / kExtraPeriodLength;
        else if (engineClock == kSecondExtraEnd)
            index = (clock - kFirstExtraEnd) * n / kExtraPeriodLength;
        index = std::min(index, n);
        home.goals = scoreHistory[index] >> 8;
        away.goals = scoreHistory[index] & 0xFF;
        legScores[legScores.size() - 2] = home.goals;
        legScores[legScores.size() - 1] = away.goals;
    }

    if (clock >= kNormalTimeEnd && PairCount() == legs && StartExtraPeriodIfLevel()) {
        PlayQuickExtraPeriod();
        engineClock = kFirstExtraEnd;
    }
    if (clock >= kFirstExtraEnd && PairCount() == legs + 1u && StartExtraPeriodIfLevel()) {
        PlayQuickExtraPeriod();
        engineClock = kSecondExtraEnd;
    }
    if (clock >= kSecondExtraEnd && PairCount() == legs + 2u)
        StartExtraPeriodIfLevel();
    return false;
}
