#include "engine/GeneratedPeople.h"
#include "platform/Random.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Every new club has these five; the rest of the squad is drawn.
constexpr int kFixedPositions[] = {kLinePlayer, kLeftWing, kLeftBack, kCentreBack, kGoalkeeper};
constexpr int kMinDrawnPlayers = 7;
constexpr int kDrawnPlayersRange = 6;  // 7-12 more

}  // namespace

void AddGeneratedSquad(CTeam& club, const std::function<std::unique_ptr<CPlayer>(int position)>& generatePlayer) {
    for (const int position : kFixedPositions)
        club.AddPlayer(generatePlayer(position));
    const int drawn = kMinDrawnPlayers + RandBelow(kDrawnPlayersRange);
    for (int i = 0; i < drawn; ++i)
        club.AddPlayer(generatePlayer(DrawRandomPosition()));
}
