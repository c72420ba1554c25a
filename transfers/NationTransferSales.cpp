#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/TransferMarket.h"

// Transfer talks and the sale of a player.

namespace {

constexpr int kInterestBase = 20;        // tenths of a strength class above the league
constexpr int kInterestAgeFrom = 25;     // older players settle for weaker leagues
constexpr int kPassiveLeaguePenalty = 8;
constexpr int kFixedFeeOdds = 7;         // one in seven contracts asks a fixed fee
constexpr int kOptionOdds = 5;
constexpr int kClauseOdds = 7;
constexpr uint32_t kFixedFeeWagePercent = 95;
constexpr int kFeeSpreadPercent = 20;
constexpr int kWageSpreadBase = 95;
constexpr int kWageSpreadRange = 11;
constexpr int kLoanYears = 1;

// A random value below n, as rand() * n >> 15.
int Draw(int n) { return Rand() * n >> 15; }

// A player turns down a club of a league far below his strength, unless it
// plays in a professional top division. A club outside the leagues has no
// league to compare with.
bool WantsToTalk(const CPlayer& player, const CLeague* league) {
    if (!league || (league->division <= 1 && league->IsProfessional()))
        return true;
    int limit = static_cast<int>(league->GetAverageStrength() * 10) + kInterestBase;
    if (player.GetAge() > kInterestAgeFrom)
        limit += player.GetAge() - kInterestAgeFrom;
    if (league->IsPassive())
        limit -= kPassiveLeaguePenalty;
    return player.GetStrengthClass() <= limit / 10;
}

// Talks that involve the user use up one of his free talks, unless they
// come about by themselves or the player is on offer anyway.
bool TakeFreeTalk(const CPlayer& player, const CTeam* club, bool noCounter) {
    const bool user = club == g_manager.club || IsUserClubPlayer(&player);
    if (!user || noCounter || player.IsOnTransferList(false) || player.HasChangedTeam())
        return true;
    if (g_manager.transferTalksLeft < 1)
        return false;
    --g_manager.transferTalksLeft;
    return true;
}

PlayerContract DrawNewContract(CPlayer& player, const CLeague* league, bool loan) {
    const int permille = g_manager.GetInflationPermille();
    const bool professional = league ? league->IsProfessional() : player.IsProfessional();
    const int division = league ? league->division : 1;
    const int matchDays = league ? league->GetMatchDayCount(true, true, true) : 1;
    const ContractDemand demand = player.ComputeContractDemand(professional, division, matchDays, permille);

    PlayerContract c;
    c.professional = professional;
    c.salary = demand.salary;
    c.bonus = demand.bonus;
    c.years = loan ? kLoanYears : demand.years;
    if (Rand() * kFixedFeeOdds <= 32767) {
        c.salary = c.salary * kFixedFeeWagePercent / 100;
        c.bonus = c.bonus * kFixedFeeWagePercent / 100;
        const uint8_t years = player.contractYears;
        player.contractYears = static_cast<uint8_t>(c.years);
        const uint32_t value = player.GetTransferValue(permille);
        player.contractYears = years;
        c.fixedFee = value + value * static_cast<uint32_t>(Draw(kFeeSpreadPercent)) / 100;
    }
    c.clubOption = Rand() * kOptionOdds <= 32767;
    c.playerOption = Rand() * kOptionOdds <= 32767;
    c.clause = Rand() * kClauseOdds < 32768 ? division : 0;
    c.salary = c.salary * static_cast<uint32_t>(kWageSpreadBase + Draw(kWageSpreadRange)) / 100;
    c.bonus = c.bonus * static_cast<uint32_t>(kWageSpreadBase + Draw(kWageSpreadRange)) / 100;
    return c;
}

}  // namespace

CLeague* FindLeagueOfClub(const CTeam* club) {
    const WorldObject found = g_manager.ResolveRef(g_manager.GetTeamRef(club), RefLevel::kLeague);
    CLeague* const* league = std::get_if<CLeague*>(&found);
    return league ? *league : nullptr;
}

CNation* FindNationOfClub(const CTeam* club) {
    const WorldObject found = g_manager.ResolveRef(g_manager.GetTeamRef(club), RefLevel::kNation);
    CNation* const* nation = std::get_if<CNation*>(&found);
    return nation ? *nation : nullptr;
}

bool CNation::OpenTransferTalks(CPlayer* player, CTeam* club, int offset, bool noCounter) {
    if (offset < 1 || offset > TransferEntry::kMaxTalksOffset || player->HasChangedTeam())
        return false;
    if (!WantsToTalk(*player, FindLeagueOfClub(club)) || !TakeFreeTalk(*player, club, noCounter))
        return false;
    if (!player->IsOnTransferList(false) && !AddToTransferList(player, 0, false, false, false))
        return false;

    size_t index = 0;
    if (!FindListedPlayer(player, index))
        return false;
    TransferEntry entry = TransferEntry::Unpack(transferEntries[index]);
    if (entry.talksOffset != 0) {
        for (TransferPair& talks : transferTalks)
            if (talks.player == player) {
                talks.club = club;
                return true;
            }
    } else {
        entry.talksOffset = offset;
        transferEntries[index] = entry.Pack();
    }
    transferTalks.push_back({player, club});
    return true;
}

bool CNation::CompleteTransfer(CPlayer* player, CTeam* seller, CTeam* buyer, const CLeague* buyerLeague,
                               bool newContract, bool useValue, uint32_t fee) {
    seller->ChangeFanReputation(-player->GetStrengthClass());
    buyer->ChangeFanReputation(player->GetStrengthClass());

    TransferEntry entry;
    const bool listed = GetTransferEntryOfPlayer(player, entry);
    if (listed && entry.free)
        fee = 0;
    else if (listed && entry.price != 0)
        fee = entry.price;
    else if (useValue)
        fee = player->GetTransferValue(g_manager.GetInflationPermille());
    seller->account.Book(kIncomeTransfer, fee);
    buyer->account.Book(kCostTransfer, fee);
    g_manager.history.AddTransferRecord(*player, *buyer, fee);

    const bool later = IsInTransferWindow(g_gameDate);
    const bool loan = listed && entry.loan;
    if (later) {
        agreedTransfers.push_back({player, buyer});
    } else {
        if (auto moving = seller->RemovePlayer(player))
            buyer->AddPlayer(std::move(moving));
        if (loan) {
            CNation* buyerNation = FindNationOfClub(buyer);
            CNation& lender = buyerNation ? *buyerNation : *this;
            lender.agreedTransfers.push_back({player, seller});
            PlayerContract current = player->GetContract();
            lender.SetAgreedTransferTerms(player, current);
        }
    }

    if (newContract) {
        PlayerContract terms = DrawNewContract(*player, buyerLeague, loan);
        if (later)
            SetAgreedTransferTerms(player, terms);
        else
            player->SetContract(terms);
    }
    player->styleTraits |= CPlayer::kChangedTeam;
    RemoveFromTransferList(player);
    return true;
}
