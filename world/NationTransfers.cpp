#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/TransferMarket.h"

// The transfer list and the lookups over talks and agreed transfers.

namespace {

constexpr int kMinLoanYears = 2;

template <typename T>
void EraseAt(std::vector<T>& list, size_t index) {
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
}

template <typename T>
void ErasePairAt(std::vector<T>& list, size_t first) {
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(first),
               list.begin() + static_cast<std::ptrdiff_t>(first + AgreedTerms::kWords));
}

}  // namespace

bool CNation::AddToTransferList(CPlayer* player, uint32_t price, bool loan, bool free, bool fromScreens) {
    if (player->styleTraits & kListingBlockers)
        return false;
    if (!player->IsProfessional()) {
        loan = false;
        if (!free) {
            price = player->GetTrainingCompensation();
            free = price == 0;
        }
    }
    const bool window = IsInTransferWindow(g_gameDate);
    const bool fewYearsLeft = player->contractYears < kMinLoanYears;
    if (loan && (fewYearsLeft || window))
        return false;
    if (!free && fewYearsLeft && window)
        free = true;

    player->styleTraits |= CPlayer::kOnTransferList | (fromScreens ? CPlayer::kListedByUser : 0);
    const uint32_t fixedFee = player->GetFixedTransferFee();
    if (!free && fixedFee != 0 && (price == 0 || price > fixedFee))
        price = fixedFee;

    TransferEntry entry;
    entry.price = price;
    entry.loan = loan;
    entry.free = free;
    uint8_t squadIndex = 0;
    entry.leagueByte = RefLeague(g_manager.GetPlayerRef(player, squadIndex, this));
    transferEntries.push_back(entry.Pack());
    listedPlayers.push_back(player);
    return true;
}

bool CNation::GetTransferEntry(size_t index, TransferEntry& entry) const {
    if (index >= transferEntries.size())
        return false;
    entry = TransferEntry::Unpack(transferEntries[index]);
    return true;
}

bool CNation::FindListedPlayer(const CPlayer* player, size_t& index) const {
    for (index = 0; index < listedPlayers.size(); ++index)
        if (listedPlayers[index] == player)
            return true;
    return false;
}

bool CNation::GetTransferEntryOfPlayer(const CPlayer* player, TransferEntry& entry) const {
    size_t index = 0;
    return FindListedPlayer(player, index) && GetTransferEntry(index, entry);
}

bool CNation::RemoveTransferEntry(size_t index) {
    if (index >= listedPlayers.size())
        return false;
    listedPlayers[index]->styleTraits &= ~(CPlayer::kOnTransferList | CPlayer::kListedByUser);
    EraseAt(listedPlayers, index);
    if (index < transferEntries.size())
        EraseAt(transferEntries, index);
    return true;
}

bool CNation::RemoveFromTransferList(const CPlayer* player) {
    size_t index = 0;
    return FindListedPlayer(player, index) && RemoveTransferEntry(index);
}

bool CNation::WithdrawFromTransferList(const CPlayer* player) {
    size_t index = 0;
    if (!FindListedPlayer(player, index))
        return false;
    if (player->IsProfessional()) {
        const TransferEntry entry = TransferEntry::Unpack(transferEntries[index]);
        if (entry.talksOffset != 0 || (entry.free && IsInTransferWindow(g_gameDate)))
            return false;
    }
    return RemoveTransferEntry(index);
}

void CNation::ClearTalksDayOffset(const CPlayer* player) {
    size_t index = 0;
    if (FindListedPlayer(player, index))
        transferEntries[index] &= ~TransferEntry::kOffsetMask;
}

bool CNation::HasTransferTalks(const CPlayer* player) const {
    for (const TransferPair& talks : transferTalks)
        if (talks.player == player)
            return true;
    return false;
}

bool CNation::FindAgreedTransfer(const CPlayer* player, size_t& index) const {
    for (index = 0; index < agreedTransfers.size(); ++index)
        if (agreedTransfers[index].player == player)
            return true;
    return false;
}

bool CNation::IsTransferAgreed(const CPlayer* player) const {
    size_t index = 0;
    return FindAgreedTransfer(player, index);
}

bool CNation::GetAgreedTransferTeam(const CPlayer* player, CTeam*& club) const {
    size_t index = 0;
    if (!FindAgreedTransfer(player, index))
        return false;
    club = agreedTransfers[index].club;
    return true;
}

bool CNation::GetAgreedTransfersToTeam(const CTeam* club, std::vector<CPlayer*>& players) const {
    players.clear();
    for (const TransferPair& agreed : agreedTransfers)
        if (agreed.club == club)
            players.push_back(agreed.player);
    return !players.empty();
}

bool CNation::SetAgreedTransferTerms(const CPlayer* player, const PlayerContract& terms) {
    size_t index = 0;
    if (!FindAgreedTransfer(player, index))
        return false;
    const size_t word = index * AgreedTerms::kWords;
    if (agreedTransferTerms.size() < word + AgreedTerms::kWords)
        agreedTransferTerms.resize(word + AgreedTerms::kWords);
    agreedTransferTerms[word] = AgreedTerms::PackFirst(terms);
    agreedTransferTerms[word + 1] = AgreedTerms::PackSecond(terms);
    return true;
}

bool CNation::GetAgreedTransferTerms(const CPlayer* player, PlayerContract& terms) const {
    size_t index = 0;
    return FindAgreedTransfer(player, index) && GetAgreedTransferTermsAt(index, terms);
}

bool CNation::GetAgreedTransferTermsAt(size_t index, PlayerContract& terms) const {
    const size_t word = index * AgreedTerms::kWords;
    if (agreedTransferTerms.size() < word + AgreedTerms::kWords)
        return false;
    terms = AgreedTerms::Unpack(agreedTransferTerms[word], agreedTransferTerms[word + 1]);
    return true;
}

void CNation::RemoveAgreedTransfer(size_t index) {
    EraseAt(agreedTransfers, index);
    const size_t word = index * AgreedTerms::kWords;
    if (word + AgreedTerms::kWords <= agreedTransferTerms.size())
        ErasePairAt(agreedTransferTerms, word);
}

void CNation::RemovePlayerFromTransferDeals(CPlayer* player) {
    RemoveFromTransferList(player);
    std::erase_if(transferTalks, [&](const TransferPair& talks) { return talks.player == player; });
    size_t index = 0;
    if (FindAgreedTransfer(player, index))
        RemoveAgreedTransfer(index);
    player->styleTraits &= ~(CPlayer::kOnTransferList | CPlayer::kListedByUser);
}

void CNation::DropTeamFromTransferDeals(const CTeam* club) {
    size_t index = 0;
    auto inSquad = [&](const CPlayer* player) { return club->FindPlayer(player, index); };
    std::erase_if(transferTalks, [&](const TransferPair& talks) {
        if (!inSquad(talks.player) && talks.club != club)
            return false;
        RemoveFromTransferList(talks.player);
        return true;
    });
    for (size_t i = agreedTransfers.size(); i-- > 0;)
        if (inSquad(agreedTransfers[i].player) || agreedTransfers[i].club == club)
            RemoveAgreedTransfer(i);
    for (size_t i = listedPlayers.size(); i-- > 0;)
        if (inSquad(listedPlayers[i]))
            RemoveTransferEntry(i);
}
