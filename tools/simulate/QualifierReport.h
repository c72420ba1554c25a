#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CTeam;
class CWorld;

// What each continent's qualification of a season sends to the tournament
// of the season after it (the championship or the world cup), and whether
// that tournament then plays exactly those teams beside the ones it takes
// without qualification (last time's best, the organiser).
struct ContinentQualifiers {
    std::string continent;
    std::string cup;  // the qualification played; empty when there was none
    std::vector<const CTeam*> teams;  // sent on, best first
};

struct QualifierReport {
    int seasonYear = 0;  // of the season that played the qualification
    std::vector<ContinentQualifiers> continents;  // in the world's order
    std::vector<std::string> faults;
};

// On the season's last day, or at the start for the qualification played
// before the first season.
QualifierReport MakeQualifierReport(const CWorld& world, int seasonYear);

// Names as the game stores them (code page 1252), printed in UTF-8.
void PrintQualifierReport(std::ostream& out, const QualifierReport& report);

// Once the next season has begun: each continent's national teams in the
// tournament are its qualifiers and those it takes without qualification,
// no more and no fewer.
std::vector<std::string> CheckQualifiedTournaments(const CWorld& world, const QualifierReport& report);
