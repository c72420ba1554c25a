#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/TransferMarket.h"
#include "world/World.h"

// The market's fixed dates: the transfer list's update on 15 January and
// the agreed transfers at the change of season.

namespace {

constexpr int kFreeTransferYears = 2;  // fewer contract years left: free transfer

}  // namespace

void CNation::UpdateTransferList() {
    for (const auto& league : leagues)
        for (const auto& club : league->clubs)
            for (const auto& owned : club->squad) {
                CPlayer* player = owned.get();
                player->styleTraits &= ~CPlayer::kChangedTeam;
                if (!player->IsProfessional() || player->IsOnTransferList(false) ||
                    player->contractYears >= kFreeTransferYears)
                    continue;
                if (IsTransferAgreed(player))
                    player->styleTraits |= CPlayer::kChangedTeam;
                else
                    AddToTransferList(player, 0, false, true, false);
            }

    for (size_t i = listedPlayers.size(); i-- > 0;) {
        if (!listedPlayers[i]->IsProfessional())
            continue;
        if (listedPlayers[i]->contractYears > 1) {
            if (transferEntries[i] & TransferEntry::kLoan)
                RemoveTransferEntry(i);
        } else {
            transferEntries[i] |= TransferEntry::kFree;
        }
    }

    for (const TransferPair& agreed : agreedTransfers) {
        agreed.player->styleTraits |= CPlayer::kChangedTeam;
        RemoveFromTransferList(agreed.player);
    }
}

// A player who is in no club's squad any more (or whose new club is gone)
// cannot move and keeps his place.
void CNation::CarryOutAgreedTransfers(const CWorld& world) {
    for (size_t i = 0; i < agreedTransfers.size(); ++i) {
        const TransferPair& agreed = agreedTransfers[i];
        uint8_t squadIndex = 0;
        CTeam* from = world.ResolveTeam(world.GetPlayerRef(agreed.player, squadIndex, this));
        if (from == &g_noClubTeam || agreed.club == &g_noClubTeam)
            continue;
        PlayerContract terms;
        const bool hasTerms = GetAgreedTransferTermsAt(i, terms);
        if (auto moving = from->RemovePlayer(agreed.player))
            agreed.club->AddPlayer(std::move(moving));
        if (hasTerms) {
            terms.years += 1;
            agreed.player->SetContract(terms);
        }
        agreed.player->styleTraits &= ~CPlayer::kChangedTeam;
    }
    agreedTransfers.clear();
    agreedTransferTerms.clear();
}
