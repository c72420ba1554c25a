#include "world/RoundRobin.h"

#include <algorithm>
#include <utility>

#include "world/Match.h"

namespace {

// The schedule works on an even field: an odd one gets a bye club.
int EvenField(int clubs) {
    return clubs + (clubs & 1);
}

// Round day r (1-based within one round) of the circle method, for the
// 1-based club t1 in a field of N.
int CircleOpponentSum(int r, int t1, int N) {
    if (r & 1) {
        if (t1 >= r)
            return N + r;
        if (r > 1 && (t1 == 1 || t1 == (r + 1) / 2))
            return r / 2 + 2;
        return r + 1;
    }
    const int h = (N + r) / 2;
    if (t1 >= r && t1 != h)
        return N + r;
    if (t1 == 1 || t1 == h)
        return h + 1;
    return r + 1;
}

}  // namespace

int CountRoundRobinMatchDays(int clubs, int rounds) {
    if (clubs < 1)
        return 0;
    return (EvenField(clubs) - 1) * rounds;
}

int GetRoundRobinOpponent(int day, int club, bool& away, int clubs) {
    if (clubs < 2 || day < 1 || club < 0 || club >= clubs)
        return -1;
    const int N = EvenField(clubs);
    const int t1 = club + 1;
    const int r = (day - 1) % (N - 1) + 1;
    int opponent = CircleOpponentSum(r, t1, N) - t1;
    if (opponent > clubs)
        opponent = 0;
    away = IsRoundRobinHomeMatch(day, club, clubs);
    return opponent - 1;
}

bool IsRoundRobinHomeMatch(int day, int club, int clubs) {
    if (clubs < 2 || day < 1)
        return false;
    const int N = EvenField(clubs);
    const int t1 = club + 1;
    const int r = (day - 1) % (N - 1) + 1;
    // The leg flag alternates every N days, whatever the round count.
    const bool secondLeg = (day / N) & 1;
    bool away = ((t1 / (N / 2 + 1)) ^ (r & 1)) != 0;
    if ((t1 - 1) % (N / 2) * 2 + 2 <= r)
        away = !away;
    return away != secondLeg;
}

void RetireFinishedMatches(std::vector<std::unique_ptr<CMatch>>& matches) {
    std::erase_if(matches, [](const std::unique_ptr<CMatch>& match) { return match->legs == 0 || match->legs <= match->PairCount(); });
    // Each leg gets its own referees, as the nation's cups give them: a pair
    // kept from the first leg would not survive a save, which holds none.
    for (auto& match : matches) {
        std::swap(match->home, match->away);
        match->referees = CReferee{};
    }
}
