#include <algorithm>

#include "engine/MatchTeam.h"
#include "platform/Random.h"
#include "squad/LineupSlots.h"
#include "world/Match.h"
#include "world/Player.h"

// Setting a match up for play, and the forfeit of a side that cannot
// field a goalkeeper and a defence.

using namespace match_team;

namespace {

constexpr int kMinFormation = 5;
constexpr int kForfeitGoals = 10;

void ResizeSide(MatchSide& side) {
    const size_t size = static_cast<size_t>(SquadSize(*side.team));
    side.penaltyGoals.resize(size, 0);
    side.grades.resize(size, 0);
    side.goalsPerPlayer.resize(size, 0);
    std::fill(side.grades.begin(), side.grades.end(), kNeutralGrade);
    side.goals = 0;
    side.bonus = 0;
}

int FormationCount(const CTeam& team) {
    int count = 0;
    for (int slot = kSlotGoalkeeper; slot <= kSlotLastDefence; ++slot)
        count += SlotPlayer(team, slot) >= 0;
    return count;
}

}  // namespace

void CMatch::ResetForKickOff() {
    int crowdFavourites = 0;
    for (int i = 0; i < SquadSize(*home.team); ++i) {
        CPlayer& p = PlayerAt(*home.team, i);
        p.matchMarks = MatchMarks::kKickOff;
        crowdFavourites += (p.GetPopularity() == kIdol) - (p.GetPopularity() == kUnpopular);
    }
    for (int i = 0; i < SquadSize(*away.team); ++i)
        PlayerAt(*away.team, i).matchMarks = MatchMarks::kKickOff;
    ResizeSide(home);
    ResizeSide(away);

    clock = 0;
    engineClock = 0;
    legScores.push_back(0);
    legScores.push_back(0);

    atmosphere = std::clamp(IntRoot(static_cast<int>(spectators), 2) / 10 + 5, 1, 15);
    atmosphere += crowdFavourites;
    switch (FansMood(*home.team)) {
    case 1: atmosphere += 2; break;
    case 2: atmosphere += 1; break;
    case 5: atmosphere >>= 1; break;
    default: break;
    }
}

bool CMatch::CheckLineups() {
    const bool homeComplete = FormationCount(*home.team) >= kMinFormation;
    const bool awayComplete = FormationCount(*away.team) >= kMinFormation;
    if (homeComplete && awayComplete)
        return true;
    quick = 1;
    home.goals = homeComplete ? kForfeitGoals : 0;
    away.goals = awayComplete ? kForfeitGoals : 0;
    if (!homeComplete && !awayComplete)
        home.goals = away.goals = 0;
    scoreHistory.assign(1, static_cast<uint16_t>(home.goals << 8 | away.goals));
    legScores[legScores.size() - 2] = home.goals;
    legScores[legScores.size() - 1] = away.goals;
    return false;
}
