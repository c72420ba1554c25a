#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class CLeague;
class CWorld;

// What a season leaves in the world on its last day, before the change of
// season moves clubs between divisions: every league's table, the winners
// of the cups that were played, the size of the squads, and each rule of a
// season it broke.
struct LeagueTableRow {
    std::string club;
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int goalDifference = 0;
    int Played() const { return wins + draws + losses; }
    int Points() const { return 2 * wins + draws; }
};

struct LeagueTable {
    std::string nation;
    std::string league;
    // A passive league's results are drawn, not played.
    bool drawn = false;
    int rounds = 0;  // how often each pair of clubs meets
    std::vector<LeagueTableRow> rows;  // top first
};

struct CupWinner {
    std::string cup;
    std::string winner;
};

// How full the league clubs' squads are on the season's last day.
struct SquadCensus {
    size_t clubs = 0;
    size_t players = 0;
    size_t shortOfSheet = 0;  // fewer players than their league's match sheet
    size_t freePlayers = 0;   // of every nation, without a club
};

struct SeasonReport {
    int seasonYear = 0;
    std::vector<LeagueTable> tables;
    std::vector<CupWinner> cupWinners;
    SquadCensus squads;
    std::vector<std::string> faults;
};

SeasonReport MakeSeasonReport(const CWorld& world, int seasonYear);
LeagueTable MakeLeagueTable(const std::string& nation, const CLeague& league);

// A league that is played: each club meets every other `rounds` times,
// and every match gives out two points.
std::vector<std::string> CheckLeagueTable(const LeagueTable& table);

// Names as the game stores them (code page 1252), printed in UTF-8.
void PrintSeasonReport(std::ostream& out, const SeasonReport& report);

// A hash of the world's save-game form and the game date: two runs that
// end with the same checksum ended in the same state. 0 when the world
// could not be written.
uint64_t WorldChecksum(const CWorld& world);
