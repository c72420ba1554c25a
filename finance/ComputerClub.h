#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/Vocabulary.h"

class CLeague;
class CNation;
class CPlayer;
class CTeam;
class Date;
struct PlayerRecipe;

// The board of a computer-run club at work: the parts of the weekly check
// (CFinance::CheckWeekly) that value, list, keep, buy, promote and generate
// players, spend or save the club's money and deal with a financial crisis.

struct ComputerClub {
    CNation& nation;
    CLeague& league;
    CTeam& team;
};

// The player's regular position, 0-6.
int SquadPosition(const CPlayer& player);

// Which dated parts of the weekly check run on a day.
struct WeeklyCheckDays {
    bool review = false;
    bool contracts = false;
    bool crisisTest = false;
};
WeeklyCheckDays GetWeeklyCheckDays(const Date& date, bool professionalAccount);

// What a squad player will cost the club this season: his salary and the
// match bonus for the matches he is expected to play.
uint32_t GetSeasonCost(const CPlayer& player, const CLeague& league);
// The fee a club expects for a listed player: the list's price, his
// transfer value when it names none, nothing for a loan or when he is not
// on the list.
uint32_t GetExpectedFee(const ComputerClub& club, const CPlayer& player);

// The review's measure of the squad, one entry per player in squad order.
struct SquadValuation {
    std::vector<uint16_t> ratings;       // CTeam::RateSquadPlayers
    std::vector<uint32_t> seasonCost;    // GetSeasonCost
    std::vector<uint32_t> costPerValue;  // season cost per thousandth of his earned wage
    std::array<int, kPositionCount> count{};
    std::array<int, kPositionCount> strongest{};
};

// Review weeks: the players who cost too much for what they are worth go
// on the transfer list, and listed players who proved worth it come off.
// Gives the valuation it judged by.
SquadValuation ReviewSquad(const ComputerClub& club);
// Then the board spends or saves by the club's health forecast: a new coach
// for a club in trouble, sales of the players who cost most for their
// worth, or building works and subsidies for the youth and amateur teams.
void ReviewFinances(const ComputerClub& club, const SquadValuation& valuation);
// Every second month: a club deep in debt goes through an emergency
// programme, and when it is in trouble again, through bankruptcy.
void TestForFinancialCrisis(const ComputerClub& club);
// Whether the club's debts, credit and forecast put it in crisis: negative
// net assets, no credit left and no prospect of a good season.
bool MeetsCrisisCondition(const CLeague& league, const CTeam& team);
// Contract weeks: good players whose contracts run out are kept.
void RenewContracts(const ComputerClub& club);
// Whether the squad is planned this week; may draw a chance.
bool IsSquadPlanningDue(const ComputerClub& club);
// Plans the squad position by position and fills it within a budget.
void PlanSquad(const ComputerClub& club);

// What the club's made-up players are drawn around: the squad's means.
PlayerRecipe MakeSquadRecipe(const ComputerClub& club);
// New players of the recipe at random positions, each with a random
// condition, until the squad has `size` players.
void AddGeneratedPlayers(const ComputerClub& club, PlayerRecipe recipe, size_t size);
