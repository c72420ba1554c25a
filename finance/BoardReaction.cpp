// Once a month, from the third match day until the season is over, the
// board, the fans and the club's confidence answer the league table: a club
// above the place its coach was to reach gains, one below it loses, the
// more the farther it is from it for the size of the league. The user's
// club is measured against his own season target.
#include "finance/ClubWeek.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

constexpr int kFirstCountingMatchDay = 3;
constexpr int kPlacesScale = 10;
constexpr int kBoardStep = 5;

}  // namespace

void ReactToLeaguePosition(const ClubWeek& week) {
    const CLeague& league = week.league;
    CTeam& team = week.team;
    const int target =
        week.user ? g_manager.targetPlace : static_cast<int>(team.account.GetContract(kContractCoach).target);
    const int teams = league.GetTeamCount();
    if (target == 0 || teams <= 0 || league.IsSeasonOver() || league.currentMatchDay < kFirstCountingMatchDay)
        return;
    const int ahead = ((target - league.GetTablePositionAfterUpdate(&team)) * kPlacesScale + teams / 2) / teams;
    if (ahead < 0) {
        team.ChangeClubConfidence(ahead - 3);
        team.ChangeBoardAttitude(-kBoardStep);
        team.ChangeFanReputation(ahead - 4);
    } else if (ahead > 0) {
        team.ChangeClubConfidence(ahead + 1);
        team.ChangeBoardAttitude(kBoardStep);
        team.ChangeFanReputation(ahead + 3);
    }
}
