#pragma once

#include <array>
#include <vector>

#include "finance/ComputerClub.h"
#include "world/PlayerSearch.h"

// The players a computer-run club's searches of its nation look at, by the
// positions they play, regular or alternative. One walk of the nation
// serves every search of a round of buying: the buying only opens talks,
// so no player changes club or position meanwhile. What may change - the
// transfer list, above all - is tested at each search.
class PositionMarket {
public:
    explicit PositionMarket(const ComputerClub& club);

    // What the world search of the nation finds with the filter among the
    // players of the position, in the same order.
    std::vector<CPlayer*> Search(int position, const PlayerSearchFilter& filter) const;

private:
    std::array<std::vector<CPlayer*>, kPositionCount> players_;
};
