#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "world/CompetitionMask.h"

class CWorld;

// What a world must keep whatever its seasons bring: each club has one
// place, each player one owner, each nation whose leagues play a national
// coach, and a league that starts its season can put every club's match
// sheet together. Each broken rule gives a line that names the club,
// player, nation or league.

// Every club stands in exactly one league, or among its nation's clubs
// outside the leagues, and nowhere else.
std::vector<std::string> CheckClubPlaces(const CWorld& world);

// Every player is owned by one list only: a club's squad, youth or
// amateurs, or his nation's free players. National squads only lend
// players, but only players the world owns.
std::vector<std::string> CheckPlayerOwners(const CWorld& world);

// Every active nation's national team has a coach as a season starts.
std::vector<std::string> CheckNationalCoaches(const CWorld& world);

// The clubs of the played leagues whose first match day falls on the day
// of `code`, before it is played: each squad holds a whole match sheet.
std::vector<std::string> CheckFirstMatchDaySheets(const CWorld& world, CompetitionMask code);

// The world check's remarks, counted by kind (their text with "#" for each
// number): "N remarks (kind: n, ...)". A played world may raise them; they
// are no fault of the season.
std::string SummariseWorldCheck(const CWorld& world);

size_t CountFreePlayers(const CWorld& world);
