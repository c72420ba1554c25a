#pragma once

#include <cstdint>
#include <vector>

class CMatch;
class CTeam;
struct MatchSide;

// The match being computed, seen from the ball: the attacking and the
// defending side with their per-player values and time-penalty lists.
// Only one match is computed at a time; CMatch::BindSides rebinds it
// whenever the ball changes sides, before any player is rated.
struct MatchContext {
    CMatch* match = nullptr;
    MatchSide* attack = nullptr;
    MatchSide* defence = nullptr;
    std::vector<uint16_t>* attackPenalties = nullptr;
    std::vector<uint16_t>* defencePenalties = nullptr;

    CTeam* AttackTeam() const;
    CTeam* DefenceTeam() const;
};

extern MatchContext g_matchContext;
// Unbinds it from any match.
void ResetMatchContext();
