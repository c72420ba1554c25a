#include "finance/PositionMarket.h"

#include "world/Manager.h"
#include "world/Nation.h"
#include "world/PlayerSearchCriteria.h"

PositionMarket::PositionMarket(const ComputerClub& club) {
    PlayerSearchFilter scope;
    scope.oneNation = true;
    scope.nationNumber = club.nation.nationNumber;
    std::vector<CPlayer*> searched;
    g_manager.CollectSearchedPlayers(searched, scope);
    for (auto& players : players_)
        players.reserve(searched.size());
    for (CPlayer* player : searched) {
        const int regular = player->GetPosition();
        const int alternative = player->GetAltPosition();
        if (regular < kPositionCount)
            players_[regular].push_back(player);
        if (alternative >= 0 && alternative < kPositionCount && alternative != regular)
            players_[alternative].push_back(player);
    }
}

std::vector<CPlayer*> PositionMarket::Search(int position, const PlayerSearchFilter& filter) const {
    std::vector<CPlayer*> found;
    PlayerSearchCriteria(filter).Select(players_[position], found);
    return found;
}
