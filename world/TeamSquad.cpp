#include <algorithm>
#include <array>
#include <set>

#include "world/InjuryDays.h"
#include "world/Player.h"
#include "world/Team.h"

// The squad's list operations. The lineup slots, the designated-player
// lists and the injury list name players by squad index, so every change
// of the squad's order or length is followed by a remap of those indices.

namespace {

constexpr int kRemoved = -1;
constexpr uint16_t kInjuryIndexMask = 0x00FF;
// Bits 1 and 2 of the hand-and-slot byte are never kept on a joining player.
constexpr uint8_t kHandSlotClearedOnJoin = 0x06;
constexpr uint16_t kStatusUnavailable = 0x0080;
constexpr uint16_t kStatusLowByte = 0x00FF;

int NewIndex(const std::vector<int>& newIndexOf, int oldIndex) {
    if (oldIndex < 0 || oldIndex >= static_cast<int>(newIndexOf.size()))
        return kRemoved;
    return newIndexOf[oldIndex];
}

void RemapByteList(std::vector<uint8_t>& list, const std::vector<int>& newIndexOf) {
    std::vector<uint8_t> kept;
    for (uint8_t entry : list)
        if (const int n = NewIndex(newIndexOf, entry); n != kRemoved)
            kept.push_back(static_cast<uint8_t>(n));
    list = std::move(kept);
}

// The first injury kind that can keep a player out this long.
int InjuryKindForDays(int daysOut) {
    for (int kind = 0; kind < kMatchInjuryKinds; ++kind)
        if (g_injuryDays[kind].most > daysOut)
            return kind;
    return kRemoved;
}

}  // namespace

void CTeam::RemapSquadIndices(const std::vector<int>& newIndexOf) {
    RemapByteList(penaltyKeepers, newIndexOf);
    RemapByteList(penaltyTakers, newIndexOf);
    RemapByteList(captains, newIndexOf);
    std::vector<uint16_t> keptInjuries;
    for (uint16_t entry : injuries)
        if (const int n = NewIndex(newIndexOf, entry & kInjuryIndexMask); n != kRemoved)
            keptInjuries.push_back(static_cast<uint16_t>((entry & ~kInjuryIndexMask) | n));
    injuries = std::move(keptInjuries);
    for (uint8_t& slot : lineup) {
        if (slot == 0)
            continue;
        const int n = NewIndex(newIndexOf, slot - 1);
        slot = n == kRemoved ? 0 : static_cast<uint8_t>(n + 1);
    }
}

void CTeam::DropIndicesBeyondSquad() {
    std::vector<int> same(squad.size());
    for (size_t i = 0; i < same.size(); ++i)
        same[i] = static_cast<int>(i);
    RemapSquadIndices(same);
}

void CTeam::AddPlayer(PlayerPtr player) {
    CPlayer& p = *player;
    squad.push_back(std::move(player));
    MakePlayerNumbersUnique();
    p.handAndSlot &= static_cast<uint8_t>(~kHandSlotClearedOnJoin);
    if ((p.status & kStatusLowByte) == 0)
        p.status = 0;
    if (p.status & kStatusUnavailable) {
        const int kind = InjuryKindForDays(p.status >> 8);
        if (kind != kRemoved)
            injuries.push_back(static_cast<uint16_t>(kind << 8 | ((squad.size() - 1) & kInjuryIndexMask)));
    }
}

PlayerPtr CTeam::RemovePlayer(const CPlayer* player) {
    size_t index = 0;
    if (!FindPlayer(player, index))
        return nullptr;
    std::vector<int> newIndexOf(squad.size());
    for (size_t i = 0; i < squad.size(); ++i)
        newIndexOf[i] = i < index ? static_cast<int>(i) : i == index ? kRemoved : static_cast<int>(i) - 1;
    RemapSquadIndices(newIndexOf);
    PlayerPtr removed = std::move(squad[index]);
    squad.erase(squad.begin() + static_cast<std::ptrdiff_t>(index));
    return removed;
}

void CTeam::SortSquad() {
    std::vector<int> newIndexOf(squad.size(), kRemoved);
    PlayerList sorted;
    auto takeFromEnd = [&](auto belongs) {
        for (size_t i = squad.size(); i-- > 0;) {
            if (newIndexOf[i] == kRemoved && belongs(*squad[i])) {
                newIndexOf[i] = static_cast<int>(sorted.size());
                sorted.push_back(std::move(squad[i]));
            }
        }
    };
    for (int position = 0; position < kPositionCount; ++position)
        takeFromEnd([position](const CPlayer& p) { return p.GetPosition() == position; });
    // A position outside the court's seven keeps its player, at the end.
    takeFromEnd([](const CPlayer&) { return true; });
    squad = std::move(sorted);
    RemapSquadIndices(newIndexOf);
}

bool CTeam::FindPlayer(const CPlayer* player, size_t& index) const {
    for (size_t i = 0; i < squad.size(); ++i) {
        if (squad[i].get() == player) {
            index = i;
            return true;
        }
    }
    return false;
}

// Each step moves on the player who holds the number of the first squad
// player sharing his, the next one after him with it. Counting each
// number's holders finds that pair without comparing every two players.
void CTeam::MakePlayerNumbersUnique() {
    constexpr size_t kNumbers = 256;
    // A larger squad cannot be made unique.
    if (squad.size() > kNumbers)
        return;
    std::array<uint16_t, kNumbers> holders{};
    for (const auto& p : squad)
        ++holders[p->number];
    for (;;) {
        size_t first = 0;
        while (first < squad.size() && holders[squad[first]->number] < 2)
            ++first;
        if (first == squad.size())
            return;
        const uint8_t shared = squad[first]->number;
        size_t next = first + 1;
        while (squad[next]->number != shared)
            ++next;
        --holders[shared];
        ++squad[next]->number;
        ++holders[squad[next]->number];
    }
}

void SortPlayerList(PlayerList& players) {
    constexpr int kTopBucket = 10;
    PlayerList sorted;
    sorted.reserve(players.size());
    auto take = [&](auto inBucket) {
        for (auto& p : players)
            if (p && inBucket(p->GetStrengthClass()))
                sorted.push_back(std::move(p));
    };
    take([](int s) { return s >= kTopBucket; });
    for (int bucket = kTopBucket - 1; bucket >= 1; --bucket)
        take([bucket](int s) { return s == bucket; });
    // Strength class 0 has no bucket of its own; such players stay, last.
    take([](int) { return true; });
    players = std::move(sorted);
}
