#pragma once

#include <cstdint>

#include "world/Vocabulary.h"

class CLeague;
class CNation;
class CPlayer;
class CTeam;
class Date;

// The board of a computer-run club at work on its squad: the parts of the
// weekly check (CFinance::CheckWeekly) that value, list, keep, buy, promote
// and generate players.

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
};
WeeklyCheckDays GetWeeklyCheckDays(const Date& date, bool professionalAccount);

// What a squad player will cost the club this season: his salary and the
// match bonus for the matches he is expected to play.
uint32_t GetSeasonCost(const CPlayer& player, const CLeague& league);

// Review weeks: the players who cost too much for what they are worth go
// on the transfer list, and listed players who proved worth it come off.
void ReviewSquad(const ComputerClub& club);
// Contract weeks: good players whose contracts run out are kept.
void RenewContracts(const ComputerClub& club);
// Whether the squad is planned this week; may draw a chance.
bool IsSquadPlanningDue(const ComputerClub& club);
// Plans the squad position by position and fills it within a budget.
void PlanSquad(const ComputerClub& club);
