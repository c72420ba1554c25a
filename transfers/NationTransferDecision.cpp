#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "squad/Training.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/TransferMarket.h"

// The weekly decision on the talks of the computer-run clubs: the selling
// club weighs how much it needs the player and its money against the
// buying club's money and eagerness.

namespace {

constexpr int kYoungPlayerAge = 23;       // buyers pay more eagerly for younger players
constexpr int kKeenMotivation = 95;       // an amateur this keen is worth a higher league
constexpr int kDivisionWeight = 4;
constexpr int kProfessionalWeight = 10;
constexpr int kContractYearWeight = 5;    // doubled for every year left
// Keeps the doubling inside an int; no real contract runs this long.
constexpr int kMaxCountedContractYears = 24;
constexpr int kEarlySeasonWeeks = 8;      // clubs keep their squads together at first
constexpr int kEarlySeasonWeight = 20;
constexpr int kStrengthWeight = 8;
constexpr int64_t kCashStep = 100;
constexpr int kSaleMargin = 100;
constexpr int kSaleScale = 10;

// One point for every doubling of the money beyond 100 euros, either way.
int CashPoints(int64_t money) {
    int points = 0;
    for (; money > kCashStep; money /= 2)
        ++points;
    for (; money < -kCashStep; money /= 2)
        --points;
    return points;
}

struct Sale {
    CPlayer& player;
    CTeam& seller;
    const CLeague& sellerLeague;
    CTeam& buyer;
    const CLeague& buyerLeague;
};

// How much the seller wants to keep him.
int SellerScore(const Sale& sale, int rating) {
    const CPlayer& p = sale.player;
    int score = static_cast<int>(sale.seller.account.CalcHealthForecast(sale.sellerLeague, sale.seller));
    if (rating < CTeam::kNeutralRating)
        score = score * rating / CTeam::kNeutralRating;
    score += CashPoints(sale.seller.capital);
    if (!p.IsProfessional() && p.motivation > kKeenMotivation)
        score += kDivisionWeight * sale.buyerLeague.division;
    if (p.IsProfessional())
        score += kProfessionalWeight +
                 (kContractYearWeight << std::min<int>(p.contractYears, kMaxCountedContractYears));
    if (GetCurrentSeasonWeek() < kEarlySeasonWeeks)
        score += kEarlySeasonWeight;
    const int meanStrength = static_cast<int>(std::lround(sale.seller.GetAverageStrength()));
    score += (p.GetStrengthClass() - meanStrength) * kStrengthWeight;
    return score;
}

// How much the buyer can and will pay.
int BuyerScore(const Sale& sale) {
    int score = static_cast<int>(sale.buyer.account.CalcHealthForecast(sale.buyerLeague, sale.buyer));
    score += CashPoints(sale.buyer.capital);
    const int age = sale.player.GetAge();
    if (age < kYoungPlayerAge)
        score += kYoungPlayerAge - age;
    return score;
}

bool SellerLetsHimGo(const Sale& sale, size_t squadIndex) {
    if (squadIndex >= sale.seller.squad.size())
        return false;
    const int rating = sale.seller.RateSquadPlayer(sale.sellerLeague, squadIndex);
    return rating < (BuyerScore(sale) - SellerScore(sale, rating) + kSaleMargin) * kSaleScale;
}

// A club does not sell a player it needs to put its match sheet together:
// without him it would forfeit its matches until it has found another.
bool NeedsHimForTheSheet(const CTeam& seller, const CLeague* sellerLeague) {
    return sellerLeague && seller.squad.size() <= sellerLeague->playersPerMatch;
}

}  // namespace

// Talks of the user's club are his to conclude; they only lapse here, as
// do talks whose player is no longer listed, who plays for no club or
// would stay with his own club.
void CNation::ResolveTransferTalks() {
    const std::vector<TransferPair> talks = std::exchange(transferTalks, {});
    for (const TransferPair& t : talks) {
        CPlayer* player = t.player;
        CTeam* buyer = t.club;
        uint8_t squadIndex = 0;
        CTeam* seller = g_manager.ResolveTeam(g_manager.GetPlayerRef(player, squadIndex, this));
        TransferEntry entry;
        const CLeague* sellerLeague = FindLeagueOfClub(seller);
        const bool open = buyer != g_manager.club && !IsUserClubPlayer(player) &&
                          GetTransferEntryOfPlayer(player, entry) && seller != &g_noClubTeam && seller != buyer &&
                          !NeedsHimForTheSheet(*seller, sellerLeague);
        CLeague* buyerLeague = FindLeagueOfClub(buyer);
        bool sold = false;
        if (open && player->IsOnTransferList(true)) {
            sold = true;
        } else if (open) {
            sold = sellerLeague && buyerLeague &&
                   SellerLetsHimGo({*player, *seller, *sellerLeague, *buyer, *buyerLeague}, squadIndex);
        }

        if (sold)
            CompleteTransfer(player, seller, buyer, buyerLeague, true, true, 0);
        else if (player->IsOnTransferList(true))
            ClearTalksDayOffset(player);
        else
            RemoveFromTransferList(player);
    }
}
