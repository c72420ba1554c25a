// Now and then a professional squad's motivation moves towards what the
// club makes of each player: one it would miss gains, one it could do
// without loses. A player already keen gains only half.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "finance/ClubWeek.h"
#include "platform/Random.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kOdds = 26;
// A rating of 1000 matches a motivation of 100.
constexpr int kRatingPerMotivation = 10;
constexpr int kRatingPerStep = 50;
constexpr int kKeenMotivation = 100;

}  // namespace

void AdjustSquadMotivation(const ClubWeek& week) {
    if (RandBelow(kOdds) != 0)
        return;
    CTeam& team = week.team;
    const std::vector<uint16_t> ratings = team.RateSquadPlayers(week.league);
    for (size_t i = 0; i < ratings.size(); ++i) {
        CPlayer& player = *team.squad[i];
        int steps = (ratings[i] - kRatingPerMotivation * player.motivation) / kRatingPerStep;
        if (steps > 0 && player.motivation > kKeenMotivation)
            steps >>= 1;
        player.ChangeMotivation(steps);
    }
}
