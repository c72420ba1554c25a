#include <algorithm>
#include <vector>

#include "finance/PositionMarket.h"
#include "finance/SquadPlan.h"
#include "platform/Random.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/PlayerSearch.h"
#include "world/Team.h"
#include "world/TransferMarket.h"

// The transfer market of a computer-run club: searches of its nation's
// clubs for players it can afford, and transfer talks with their clubs.

namespace {

constexpr int kHighestSearchedClass = 9;
constexpr int kHighestSearchedTalent = 3;
constexpr uint32_t kPrimeAgeMask = 0xFFC0;  // 23 to 32 years
constexpr uint32_t kYoungAgeMask = 0x1F;    // 17 to 21 years
constexpr int kCheapSearchMargin = 30;     // strength x 10 below the team's

// Bits s + 1 for the strength classes s from `lowest` up.
uint16_t StrengthBitsFrom(int lowest) {
    uint16_t mask = 0;
    for (int s = std::max(lowest, -1); s <= kHighestSearchedClass; ++s)
        mask = static_cast<uint16_t>(mask | 1u << (s + 1));
    return mask;
}

uint8_t TalentBitsFrom(int lowest) {
    uint8_t mask = 0;
    for (int t = std::max(lowest, 0); t <= kHighestSearchedTalent; ++t)
        mask = static_cast<uint8_t>(mask | 1u << t);
    return mask;
}

PlayerSearchFilter NationFilter(const ComputerClub& club) {
    PlayerSearchFilter filter;
    filter.oneNation = true;
    filter.nationNumber = club.nation.nationNumber;
    return filter;
}

uint32_t WageDemand(const ComputerClub& club, const CPlayer& player) {
    return player.GetWageDemand(club.league.IsProfessional(), club.league.division, false, false,
                                g_manager.GetInflationPermille());
}

bool OpenTalks(const ComputerClub& club, CPlayer& player) {
    return club.nation.OpenTransferTalks(&player, &club.team, 1 + RandBelow(TransferEntry::kMaxTalksOffset), false);
}

// A search's round: the less urgent the position, the more it looks at
// players whose contracts end; rounds take turns between listed players
// and all players.
struct BuyingRound {
    int urgency = 0;
    int number = 0;
    bool Odd() const { return number % 2 != 0; }
    bool LooksAtUnlisted() const { return Odd() == (urgency < 3); }
};

uint32_t AskingPrice(const ComputerClub& club, const CPlayer& player, const BuyingRound& round) {
    const int permille = g_manager.GetInflationPermille();
    if (!player.IsOnTransferList(false) && round.LooksAtUnlisted()) {
        const bool contractEnds = !player.IsProfessional() || player.contractYears < 2;
        return contractEnds ? 0 : player.GetTransferValue(permille);
    }
    TransferEntry entry;
    if (!club.nation.GetTransferEntryOfPlayer(&player, entry))
        return player.GetTransferValue(permille);
    if (entry.loan)
        return 0;
    return entry.price != 0 ? entry.price : player.GetTransferValue(permille);
}

class PositionSearch {
public:
    PositionSearch(const ComputerClub& club, const PositionMarket& market, SquadPlan& plan, int position)
        : club_(club), market_(market), plan_(plan), position_(position), filter_(NationFilter(club)) {
        filter_.positionMask = static_cast<uint8_t>(1u << position);
        filter_.strengthMask = StrengthBitsFrom(plan.teamStrength / 10);
        filter_.talentMask = TalentBitsFrom(plan.teamTalent / 10);
        filter_.ageMask = kPrimeAgeMask;
    }

    void Run(int urgency) {
        const int calmest = SquadPlan::kUrgent - (club_.team.account.IsProfessional() ? 1 : 0);
        for (int number = 0; number < urgency; ++number) {
            const BuyingRound round{urgency, number};
            filter_.contractEndsOnly = urgency < calmest;
            filter_.listedOnly = !round.LooksAtUnlisted();
            if (RunRound(round))
                return;
            WidenSearch();
        }
    }

private:
    std::vector<CPlayer*> Candidates() {
        std::vector<CPlayer*> found = market_.Search(position_, filter_);
        std::erase_if(found, [&](CPlayer* player) {
            if (std::find(putAside_.begin(), putAside_.end(), player) != putAside_.end())
                return true;
            size_t index = 0;
            if (!club_.team.FindPlayer(player, index))
                return false;
            putAside_.push_back(player);
            return true;
        });
        std::stable_sort(found.begin(), found.end(), [](const CPlayer* a, const CPlayer* b) {
            return a->GetStrengthClass() > b->GetStrengthClass();
        });
        return found;
    }

    // True once talks about a player are open.
    bool RunRound(const BuyingRound& round) {
        for (CPlayer* player : Candidates()) {
            const int64_t price = AskingPrice(club_, *player, round);
            const int64_t cost = price + WageDemand(club_, *player);
            if (price >= plan_.budget || cost >= plan_.budget) {
                putAside_.push_back(player);
            } else if (OpenTalks(club_, *player)) {
                plan_.budget -= cost;
                return true;
            }
        }
        return false;
    }

    // Weaker, of more ages, and now and then less talented.
    void WidenSearch() {
        filter_.strengthMask = static_cast<uint16_t>(filter_.strengthMask >> 1);
        filter_.ageMask = filter_.ageMask << 1 | filter_.ageMask | filter_.ageMask >> 1;
        const uint8_t talent = filter_.talentMask;
        filter_.talentMask = static_cast<uint8_t>(RandBelow(2) == 0 ? talent >> 1 : talent | talent >> 1);
    }

    const ComputerClub& club_;
    const PositionMarket& market_;
    SquadPlan& plan_;
    int position_;
    PlayerSearchFilter filter_;
    std::vector<const CPlayer*> putAside_;
};

}  // namespace

void BuyPlayers(const ComputerClub& club, SquadPlan& plan) {
    const PositionMarket market(club);
    for (int urgency = SquadPlan::kUrgent; urgency >= 0; --urgency)
        for (int p = 0; p < kPositionCount; ++p)
            if (plan.urgency[p] == urgency)
                PositionSearch(club, market, plan, p).Run(urgency);
}

void SignCheapPlayers(const ComputerClub& club, SquadPlan& plan) {
    PlayerSearchFilter filter = NationFilter(club);
    for (int p = 0; p < kPositionCount; ++p)
        if (plan.urgency[p] > 1)
            filter.positionMask = static_cast<uint8_t>(filter.positionMask | 1u << p);
    if (filter.positionMask == 0)
        return;
    filter.strengthMask = StrengthBitsFrom((plan.teamStrength - kCheapSearchMargin) / 10);
    filter.talentMask = TalentBitsFrom(plan.teamTalent / 10);
    filter.ageMask = kYoungAgeMask;
    std::vector<CPlayer*> found;
    g_manager.SearchPlayers(found, filter);
    for (CPlayer* player : found) {
        size_t index = 0;
        const int p = SquadPosition(*player);
        if (plan.budget <= 0 || plan.urgency[p] <= 1 || club.team.FindPlayer(player, index))
            continue;
        const bool valued = player->contractYears > 1 || (player->contractYears == 1 && player->IsProfessional());
        const int64_t cost =
            int64_t{WageDemand(club, *player)} + (valued ? player->GetTransferValue(g_manager.GetInflationPermille()) : 0);
        if (cost < plan.budget && OpenTalks(club, *player)) {
            plan.budget -= cost;
            --plan.urgency[p];
        }
    }
}
