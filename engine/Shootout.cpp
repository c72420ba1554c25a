#include <algorithm>
#include <cstdlib>

#include "engine/MatchOptions.h"
#include "engine/MatchReport.h"
#include "engine/MatchTeam.h"
#include "platform/Random.h"
#include "world/Match.h"
#include "world/Player.h"

// A drawn match that must have a winner: five kicks each, then kick by
// kick until one side is ahead after a round.

using namespace match_team;

namespace {

constexpr int kTakers = 5;
constexpr int kShootoutPause = 15;
constexpr float kLeastKeeperRating = 0.1f;
// A shoot-out in which neither side can score any more is settled by lot.
constexpr int kMostRounds = 100;

void PickTakers(CTeam& team, int sheetSize, int* takers) {
    std::vector<bool> wasOut;
    for (int k = 0; k < kTakers; ++k) {
            takers[k] = match_team::PickPenaltyTaker(team, sheetSize);
        if (takers[k] >= SquadSize(team))
            continue;
        CPlayer& p = PlayerAt(team, takers[k]);
        wasOut.push_back(p.matchMarks & MatchMarks::kOutOfPlay);
        p.matchMarks |= MatchMarks::kOutOfPlay;
    }
    for (int k = kTakers - 1; k >= 0; --k) {
        if (takers[k] >= SquadSize(team))
            continue;
        CPlayer& p = PlayerAt(team, takers[k]);
        if (!wasOut.back())
            p.matchMarks &= ~MatchMarks::kOutOfPlay;
        wasOut.pop_back();
    }
}

}  // namespace

void CMatch::PlayPenaltyShootout() {
    int takers[2][kTakers];
    PickTakers(*home.team, sheetSize, takers[0]);
    PickTakers(*away.team, sheetSize, takers[1]);
    if (!quick) {
        g_reportPauseTicks = kShootoutPause;
        BindSides();
        RecordEvent(MatchEventKind::kShootout, 1, -1);
    }

    int goals[2] = {0, 0};
    for (int round = 0;; ++round) {
        for (int s = 0; s < 2; ++s) {
            sideInPossession = static_cast<uint8_t>(s);
            BindSides();
            const int taker = takers[s][round % kTakers];
            const float a = 4 * GetActionRating(taker, 1, kSevenMetre);
                    const int keeper = match_team::PickPenaltyGoalkeeper(Team(0), sheetSize);
            const float g = std::max(GetActionRating(keeper, 0, kSevenMetre), kLeastKeeperRating);
            const bool scored = RandomFloat(a + g) < a;
            if (scored) {
                ++goals[s];
                ++legScores[legScores.size() - 2 + s];
            }
            bool reported = false;
            AddCommentary(taker, keeper, true, scored, kSevenMetre, reported);
        }
        const int difference = std::abs(goals[0] - goals[1]);
        if (round < kTakers && difference >= kTakers - round)
            break;
        if (round >= kTakers - 1 && difference != 0)
            break;
        if (round >= kMostRounds) {
            ++legScores[legScores.size() - 2 + RandBelow(2)];
            break;
        }
    }
    home.goals = legScores[legScores.size() - 2];
    away.goals = legScores[legScores.size() - 1];
}
