#pragma once

#include <array>

#include "world/CompetitionMask.h"

class CCup;
class CLeague;

// One day code per day of the season, indexed by the season day index
// (day 0 the first Monday of July). All nations, leagues and cups of the
// world share the one calendar: it says on which days each kind of
// competition plays, and each competition counts its own match days.
constexpr int kSeasonCalendarDays = 366;
using SeasonCalendar = std::array<CompetitionMask, kSeasonCalendarDays>;

// The calendar of the running season; saved with the game as it stands.
extern SeasonCalendar g_dayCodes;
// Empties it, as before the first season is laid out.
void ResetDayCodes();

// The day code of a season day index. The days of July before the first
// Monday count on past the end of the old season and have no code: they
// read 0, no match day.
CompetitionMask GetDayCode(int dayIndex);
CompetitionMask GetTodaysDayCode();

// The most match days each kind of competition needs in the coming season,
// gathered over the whole world. The season year (the year in which the
// season begins) decides which tournaments of national teams count.
struct SeasonCalendarCounts {
    explicit SeasonCalendarCounts(int seasonYear) : seasonYear(seasonYear) {}

    // Every league, with all its match days (regular season and play-offs).
    void AddLeague(const CLeague& league);
    void AddLeagueDays(int division, int matchDays);
    // The cup at `listIndex` of a nation's cup list; only the first two count.
    void AddNationalCup(int listIndex, const CCup& cup);
    // Each cup of a continent's club-cup list and its embedded club cup.
    void AddContinentalClubCup(const CCup& cup);
    void AddContinentalSuperCup(const CCup& cup);
    // A continent's two extra cups; the season year picks the one that plays.
    void AddQualificationCups(const CCup& firstExtra, const CCup& secondExtra);
    void AddChampionship(const CCup& cup);  // each continent's
    void AddWorldCup(const CCup& cup);
    void AddOlympia(const CCup& cup);

    int seasonYear;
    int topLeagueDays = 0;
    int lowerLeagueDays = 0;
    int firstNationalCupDays = 0;
    int secondNationalCupDays = 0;
    int continentalClubCupDays = 0;
    int continentalSuperCupDays = 0;
    int qualificationDays = 0;
    int nationalTeamTournamentDays = 0;
    int olympicDays = 0;
};

// Lays out the season's competition days from the counts, without match-day
// numbers.
SeasonCalendar LayOutSeasonCalendar(const SeasonCalendarCounts& counts);

// Writes the match-day numbers into the low bits, as the user's club reads
// them: the league days of his division, and the continental club cups
// only for a club of the top division. A club of a lower division that
// plays a continental club cup gets its cup days moved to days free of
// every competition.
void NumberMatchDays(SeasonCalendar& codes, bool userLeagueIsTop, bool userClubInContinentalCup);
