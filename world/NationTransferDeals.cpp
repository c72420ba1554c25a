#include <limits>

#include "platform/BinaryFile.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/TransferMarket.h"
#include "world/World.h"

// The save-game form of a nation's transfer market: listed players, agreed
// pairs, talks pairs, the list entries and the agreed terms. A player is his
// club's reference and his squad index, a club its reference.
//
// A deal that names a player or club no longer in the world cannot be
// stored and is left out, so that the file always loads. Reading refuses
// any reference, index or count that does not fit the world.

namespace {

constexpr size_t kMaxCount = std::numeric_limits<uint16_t>::max();

struct DealRefs {
    const CWorld& world;

    bool Nameable(const CPlayer* player) const {
        uint8_t index = 0;
        return world.GetPlayerRef(player, index) != kRefNotFound;
    }
    bool Nameable(const CTeam* club) const { return world.GetTeamRef(club) != kRefNotFound; }
    bool Nameable(const TransferPair& pair) const { return Nameable(pair.player) && Nameable(pair.club); }

    void Write(BinaryFile& f, const CPlayer* player) const {
        uint8_t index = 0;
        f.Write(world.GetPlayerRef(player, index));
        f.Write(index);
    }
    void Write(BinaryFile& f, const CTeam* club) const { f.Write(world.GetTeamRef(club)); }

    bool Read(BinaryFile& f, CPlayer*& player) const {
        WorldRef ref = 0;
        uint8_t index = 0;
        f.Read(ref);
        if (!f.Read(index))
            return false;
        const CTeam* club = world.ResolveTeam(ref);
        if (index >= club->squad.size())
            return false;
        player = club->squad[index].get();
        return true;
    }
    bool Read(BinaryFile& f, CTeam*& club) const {
        WorldRef ref = 0;
        if (!f.Read(ref))
            return false;
        club = world.ResolveTeam(ref);
        return club != &g_noClubTeam;
    }
};

bool WriteCount(BinaryFile& f, size_t count) {
    if (count > kMaxCount)
        return false;
    return f.Write(static_cast<uint16_t>(count));
}

void WritePairs(BinaryFile& f, const DealRefs& refs, const std::vector<const TransferPair*>& pairs) {
    for (const TransferPair* pair : pairs) {
        refs.Write(f, pair->player);
        refs.Write(f, pair->club);
    }
}

bool ReadPairs(BinaryFile& f, const DealRefs& refs, std::vector<TransferPair>& pairs) {
    uint16_t size = 0;
    if (!f.Read(size) || size % 2 != 0)
        return false;
    for (uint16_t i = 0; i < size; i += 2) {
        TransferPair pair;
        if (!refs.Read(f, pair.player) || !refs.Read(f, pair.club))
            return false;
        pairs.push_back(pair);
    }
    return true;
}

bool ReadWords(BinaryFile& f, size_t expected, std::vector<uint32_t>& words) {
    uint16_t count = 0;
    if (!f.Read(count) || count != expected)
        return false;
    words.resize(count);
    for (uint32_t& word : words)
        f.Read(word);
    return f.Ok();
}

}  // namespace

bool CNation::WriteTransferDeals(BinaryFile& f, const CWorld& world) const {
    const DealRefs refs{world};
    std::vector<size_t> listed;
    for (size_t i = 0; i < listedPlayers.size() && i < transferEntries.size(); ++i)
        if (refs.Nameable(listedPlayers[i]))
            listed.push_back(i);
    std::vector<const TransferPair*> agreed;
    std::vector<uint32_t> terms;
    for (size_t i = 0; i < agreedTransfers.size(); ++i) {
        if (!refs.Nameable(agreedTransfers[i]))
            continue;
        agreed.push_back(&agreedTransfers[i]);
        for (size_t w = i * AgreedTerms::kWords; w < (i + 1) * AgreedTerms::kWords; ++w)
            terms.push_back(w < agreedTransferTerms.size() ? agreedTransferTerms[w] : 0);
    }
    std::vector<const TransferPair*> talks;
    for (const TransferPair& pair : transferTalks)
        if (refs.Nameable(pair))
            talks.push_back(&pair);

    if (!WriteCount(f, listed.size()))
        return false;
    for (size_t i : listed)
        refs.Write(f, listedPlayers[i]);
    if (!WriteCount(f, agreed.size() * 2))
        return false;
    WritePairs(f, refs, agreed);
    if (!WriteCount(f, talks.size() * 2))
        return false;
    WritePairs(f, refs, talks);
    WriteCount(f, listed.size());
    for (size_t i : listed)
        f.Write(transferEntries[i]);
    WriteCount(f, terms.size());
    for (uint32_t word : terms)
        f.Write(word);
    return f.Ok();
}

// The market changes only when the whole form was read.
bool CNation::ReadTransferDeals(BinaryFile& f, const CWorld& world) {
    const DealRefs refs{world};
    uint16_t count = 0;
    if (!f.Read(count))
        return false;
    std::vector<CPlayer*> listed;
    for (uint16_t i = 0; i < count; ++i) {
        CPlayer* player = nullptr;
        if (!refs.Read(f, player))
            return false;
        listed.push_back(player);
    }
    std::vector<TransferPair> agreed;
    std::vector<TransferPair> talks;
    std::vector<uint32_t> entries;
    std::vector<uint32_t> terms;
    if (!ReadPairs(f, refs, agreed) || !ReadPairs(f, refs, talks) || !ReadWords(f, listed.size(), entries) ||
        !ReadWords(f, agreed.size() * AgreedTerms::kWords, terms))
        return false;
    listedPlayers = std::move(listed);
    agreedTransfers = std::move(agreed);
    transferTalks = std::move(talks);
    transferEntries = std::move(entries);
    agreedTransferTerms = std::move(terms);
    return true;
}
