#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "world/Vocabulary.h"

class CMatch;
class CTeam;

// The team of the match day: over a day's matches, the player with the best
// match grade on each position. Leagues and cups keep him as his club's
// number in the competition << kSquadIndexBits | his squad index, with his
// grade on a scale of 0-15 (15 the best).
struct TeamOfTheDay {
    static constexpr uint32_t kSquadIndexBits = 8;
    static constexpr uint32_t kNobody = UINT32_MAX;

    std::array<uint32_t, kPositionCount> players{};  // kNobody where no player of the position was graded
    std::array<uint8_t, kPositionCount> grades{};

    // A position that nobody played keeps the player it had.
    template <typename Entry>
    void StoreInto(std::array<Entry, kPositionCount>& keptPlayers,
                   std::array<uint8_t, kPositionCount>& keptGrades) const {
        for (size_t p = 0; p < players.size(); ++p)
            if (players[p] != kNobody)
                keptPlayers[p] = static_cast<Entry>(players[p]);
        keptGrades = grades;
    }
};

// clubNumber gives a club's number in the competition; false for a club that
// does not take part, whose players are passed over.
using ClubNumberLookup = std::function<bool(const CTeam* club, int& number)>;
TeamOfTheDay RateTeamOfTheDay(const std::vector<CMatch*>& matches, const ClubNumberLookup& clubNumber);
