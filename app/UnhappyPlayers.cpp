#include "app/UnhappyPlayers.h"

#include "platform/Text.h"
#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kUnhappyBelowPercent = 70;
constexpr uint16_t kMarkedForTransfer = CPlayer::kTransferMarked | CPlayer::kStrengthHidden;

constexpr const char* kWhereShown =
    "  The satisfaction of the players with the contracts is shown under ''planning the pool of players''.";

}  // namespace

int CountUnhappyPlayers(const CTeam& club, const CLeague& league, int inflationPermille) {
    const int matches = league.GetMatchDayCount(true, true, true);
    int count = 0;
    for (const PlayerPtr& p : club.squad) {
        if (p->IsProfessional() || p->IsOnTransferList(true) || (p->styleTraits & kMarkedForTransfer))
            continue;
        if (p->GetContractSatisfaction(false, league.division, matches, inflationPermille) < kUnhappyBelowPercent)
            ++count;
    }
    return count;
}

// The women's game speaks of "her" contract but keeps "gain him more", and
// only the women's game has a plural title: both as the game always wrote it.
UnhappyPlayersMessage MakeUnhappyPlayersMessage(int count, bool womensGame) {
    if (count == 1 && womensGame)
        return {"unhappy player",
                std::string("One player is momentarily very dissatisfied with her contract. She thinks that her "
                            "performance should gain him more. So she likes to leave the club at the end of the "
                            "season if she doesn't get a better contract.") +
                    kWhereShown};
    if (count == 1)
        return {"unhappy player",
                std::string("One player is momentarily very dissatisfied with his contract. He thinks that his "
                            "performance should gain him more. So he likes to leave the club at the end of the "
                            "season if he doesn't get a better contract.") +
                    kWhereShown};
    return {womensGame ? "unhappy players" : "unhappy player",
            Format("%d players are momentarily very dissatisfied with their contract. They think that their "
                   "performance should gain them more. So they likes to leave the club at the end of the season "
                   "if they don't get better contracts.",
                   count) +
                kWhereShown};
}
