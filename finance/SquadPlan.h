#pragma once

#include <array>
#include <cstdint>

#include "finance/ComputerClub.h"

// What the squad planning of a computer-run club decides before it acts:
// how urgently each position needs players, the transfer budget, and the
// club's measures that every step compares players with.
struct SquadPlan {
    static constexpr int kUrgent = 5;

    std::array<int, kPositionCount> urgency{};  // 0 surplus .. 5 urgent
    int64_t budget = 0;
    int teamStrength = 0;    // whole part of the squad's mean strength x 10
    int leagueStrength = 0;  // the same of the league's clubs
    int teamTalent = 0;      // whole part of the squad's mean talent x 10
};

// Buys players through transfer talks, the most urgent positions first.
void BuyPlayers(const ComputerClub& club, SquadPlan& plan);
// Youth and amateur players of the club move up to the squad.
void PromotePlayers(const ComputerClub& club, const SquadPlan& plan);
// A wider search with what is left of the budget, then free players.
void SignCheapPlayers(const ComputerClub& club, SquadPlan& plan);
void SignFreePlayers(const ComputerClub& club, SquadPlan& plan);
// After weeks with a short squad the club makes up the numbers itself.
void FillShortSquad(const ComputerClub& club);
