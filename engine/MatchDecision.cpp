#include "world/Match.h"

// The legs alternate home and away: the current home team was the away team
// of every leg with the other parity. Away goals decide a two-leg tie on
// equal aggregate and equal wins; a tie that stays level goes to extra
// periods and a shoot-out.

namespace {

struct LegTally {
    int goals[2] = {0, 0};  // current home, current away
    int wins[2] = {0, 0};
    int awayGoals[2] = {0, 0};
};

}  // namespace

bool CMatch::StartExtraPeriodIfLevel() {
    if (legs == 0)
        return false;
    const size_t pairs = PairCount();
    const int legsPlayed = static_cast<int>(pairs) - (clock >= kFirstExtraEnd) - (clock >= kSecondExtraEnd);
    const int p = (legsPlayed % 2 == 0) ? 1 : 0;

    LegTally t;
    for (int i = 0; i < legsPlayed; ++i) {
        const int x = legScores[2 * i + (p ^ (i & 1))];
        const int y = legScores[2 * i + ((1 - p) ^ (i & 1))];
        t.goals[0] += x;
        t.goals[1] += y;
        if (x > y)
            ++t.wins[0];
        else if (y > x)
            ++t.wins[1];
        if (p != (i & 1))
            t.awayGoals[0] += x;
        else
            t.awayGoals[1] += y;
    }

    const size_t last = legScores.size() - 2;
    const size_t back = clock >= kSecondExtraEnd ? 4 : clock >= kFirstExtraEnd ? 2 : 0;
    if (back != 0) {
        const int extraHome = legScores[last] - legScores[last - back];
        const int extraAway = legScores[last + 1] - legScores[last + 1 - back];
        t.goals[0] += extraHome;
        t.goals[1] += extraAway;
        t.awayGoals[1] += extraAway;
    }

    if (t.goals[0] != t.goals[1] || t.wins[0] != t.wins[1])
        return false;
    if (legsPlayed % 2 == 0 && t.awayGoals[0] != t.awayGoals[1])
        return false;
    const uint8_t lastHome = legScores[last];
    const uint8_t lastAway = legScores[last + 1];
    legScores.push_back(lastHome);
    legScores.push_back(lastAway);
    return true;
}

bool CMatch::GetWinner(CTeam*& winner) const {
    if (legScores.size() < 2)
        return false;
    const int pairs = static_cast<int>(PairCount());

    if (pairs <= legs && legs > 1) {
        if (pairs <= legs / 2)
            return false;
        const int q = pairs & 1;
        LegTally t;  // index 0 home of the last leg, 1 the other
        for (int i = 0; i < pairs; ++i) {
            const int a = legScores[2 * i];
            const int b = legScores[2 * i + 1];
            if (a != b) {
                const int w = static_cast<int>(a > b) ^ q ^ ((i + 1) & 1);
                ++t.wins[w ? 0 : 1];
            }
            if (pairs == legs) {
                const bool homeHostedLeg = ((1 - q) ^ (i & 1)) == 0;
                t.goals[homeHostedLeg ? 0 : 1] += a;
                t.goals[homeHostedLeg ? 1 : 0] += b;
            }
            if ((i & 1) == q)
                t.awayGoals[0] += legScores[2 * i + ((1 - q) ^ (i & 1))];
            else
                t.awayGoals[1] += legScores[2 * i + (q ^ (i & 1))];
        }
        if (t.wins[0] > legs / 2) {
            winner = home.team;
            return true;
        }
        if (t.wins[1] > legs / 2) {
            winner = away.team;
            return true;
        }
        if (pairs != legs)
            return false;
        bool homeWins;
        if (t.wins[0] != t.wins[1])
            homeWins = t.wins[0] > t.wins[1];
        else if (t.goals[0] != t.goals[1])
            homeWins = t.goals[0] > t.goals[1];
        else
            homeWins = t.awayGoals[0] > t.awayGoals[1];
        winner = homeWins ? home.team : away.team;
        return true;
    }

    const size_t last = legScores.size() - 2;
    int a = legScores[last];
    int b = legScores[last + 1];
    if (legs > 1) {
        a -= legScores[2 * legs - 2];
        b -= legScores[2 * legs - 1];
    }
    if (a == b)
        return false;
    winner = a > b ? home.team : away.team;
    return true;
}
