#pragma once

#include <memory>
#include <vector>

class CMatch;

// The round-robin schedule that leagues and cup groups share. Match days
// are 1-based, clubs 0-based; an odd field gets a bye club, so every club
// sits out one day of each round.

// Match days of a round robin of n clubs meeting `rounds` times.
int CountRoundRobinMatchDays(int clubs, int rounds);

// Club t's opponent on match day d among n clubs, -1 on its bye. away is
// set whenever the club plays. Both clubs of a pairing agree on who is at
// home; each round after the first swaps home and away of the one before.
int GetRoundRobinOpponent(int day, int club, bool& away, int clubs);

// True when club t plays away on day d (the flag of GetRoundRobinOpponent).
bool IsRoundRobinHomeMatch(int day, int club, int clubs);


// After a match day: a pairing with legs still to play keeps its match with
// the sides swapped for the return leg; every other match is deleted.
void RetireFinishedMatches(std::vector<std::unique_ptr<CMatch>>& matches);
