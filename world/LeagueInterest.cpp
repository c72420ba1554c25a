#include <algorithm>

#include "platform/Random.h"
#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

// Which clubs of a league could use a player: those that are short of
// players on his position and have none there far better than he is.

namespace {

// A club with this many players on his position has enough of them.
constexpr int kEnoughOnPosition = 3;
// A club whose best there is this much weaker than he is needs him.
constexpr int kStrengthLead = 3;

// The players a club keeps on one position: those not on its transfer list.
struct PositionDepth {
    int count = 0;
    int bestStrength = 0;
};

PositionDepth DepthOn(const CTeam& club, int position) {
    PositionDepth depth;
    for (const PlayerPtr& player : club.squad)
        if (!player->IsOnTransferList(false) && player->GetPosition() == position) {
            ++depth.count;
            depth.bestStrength = std::max(depth.bestStrength, player->GetStrengthClass());
        }
    return depth;
}

bool CouldUse(const CTeam& club, const CPlayer& player) {
    const PositionDepth depth = DepthOn(club, player.GetPosition());
    return depth.count < kEnoughOnPosition && depth.bestStrength < player.GetStrengthClass() + kStrengthLead;
}

}  // namespace

InterestedClubs CLeague::FindTeamsInterestedInPlayer(const CPlayer& player, const CTeam* excluded1,
                                                     const CTeam* excluded2) const {
    InterestedClubs found;
    for (const auto& club : clubs) {
        if (club.get() == excluded1 || club.get() == excluded2 || !CouldUse(*club, player))
            continue;
        if (!found.first) {
            found.first = club.get();
            // Half the time one club is all the interest there is.
            if (RandBelow(2) == 0)
                return found;
        } else {
            found.second = club.get();
            return found;
        }
    }
    return found;
}
