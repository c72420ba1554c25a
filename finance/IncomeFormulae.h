#pragma once

#include <cstdint>

#include "world/FanArticles.h"

class CFinance;
class CLeague;
class CTeam;
struct ContractRecord;

// The formulae of the club economy: standard prices, the sums that sponsors,
// television and the staff are worth, and the costs of the youth and
// amateur teams. Every money amount takes the game's price rise
// (`CManager::GetInflationPermille`). League level 1 is the top league;
// position and team count place a club in its table (no table: count 0).

// The fan-article kinds: "jersey", "t-shirt", "flag", "scarf", "pennant".
extern const char* const g_merchandiseNames[kFanArticleKinds];

// Standard admission fees in cents for a home team at a league level.
struct AdmissionFees {
    int32_t bench = 0;
    int32_t seat = 0;
};
AdmissionFees CalcAdmissionFees(int leagueLevel, const CTeam& team);

// The count of teams a club's table position is measured against: the
// league's clubs for a professional account, else the field the league
// plays with.
int CountTableTeams(const CFinance& account, const CLeague& league);

// Yearly sums in euros that sponsors pay a club. Demand is the club's
// spectator demand, environment its financial environment (0-7).
uint32_t CalcMainSponsorSum(int demand, int environment, int leagueLevel, int position, int teamCount);
uint32_t CalcArenaSponsorSum(int demand, uint32_t capacity, int scoreBoard, int leagueLevel, int position,
                             int teamCount);
// The season total of the pool of small sponsors; participants is how
// many share it.
uint32_t CalcSponsorPool(int fanAmount, int environment, int leagueLevel, int position, int teamCount,
                         uint32_t& participants);

// The purchase price in cents of one article of a kind when `count` are
// bought at once; 0 for an unknown kind.
int32_t CalcMerchandisePurchasePrice(int kind, int32_t count);
// Half the sum of two amounts times 50.
uint32_t CalcScaledMeanAmount(uint32_t a, uint32_t b);
// Professional leagues below the second pay half as much again, the top two
// leagues without professionals half.
uint32_t AdjustAmountByLevel(uint32_t amount, int leagueLevel, bool professional);
// The yearly salary of a coach or manager of competence 1-10.
uint32_t CalcStaffSalary(int competence, int leagueLevel, bool professional);
// The cost curve of youth and amateur teams at a whole strength, inflated.
uint32_t GetTeamCostCurveValue(int wholeStrength);
// A season's costs of a youth or amateur team whose squad's mean strength
// is given.
uint32_t CalcYouthTeamCosts(float meanStrength);
uint32_t CalcAmateurTeamCosts(float meanStrength, int environment);
uint32_t CalcLeagueTvShare(int leagueLevel);
// Rounds the amounts of a contract offer to what a contract record holds.
void RoundContractAmounts(ContractRecord& contract);
