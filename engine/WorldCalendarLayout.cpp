#include "engine/SeasonCalendar.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/WorldWalk.h"

// The season calendar: the days of every kind of competition for the whole
// world, and the numbers of the match days as the user's club reads them.

namespace {

void CountNationalCups(SeasonCalendarCounts& counts, const CNation& nation) {
    for (size_t i = 0; i < nation.cups.size(); ++i)
        counts.AddNationalCup(static_cast<int>(i), *nation.cups[i]);
}

void CountContinentalCups(SeasonCalendarCounts& counts, const CContinent& continent) {
    for (const auto& cup : continent.clubCups)
        counts.AddContinentalClubCup(*cup);
    counts.AddContinentalClubCup(continent.clubCup);
    counts.AddContinentalSuperCup(continent.superCup);
    counts.AddQualificationCups(continent.extraCups[CContinent::kChampionshipQualification],
                                continent.extraCups[CContinent::kWorldCupQualification]);
    counts.AddChampionship(continent.championship);
}

// Does the user's club play in one of his continent's club cups?
bool UserClubInContinentalCup() {
    const CContinent* continent = g_manager.continent;
    if (!continent || !g_manager.club)
        return false;
    int index = 0;
    for (const auto& cup : continent->clubCups)
        if (cup->FindParticipant(g_manager.club, index))
            return true;
    return continent->clubCup.FindParticipant(g_manager.club, index);
}

}  // namespace

void CWorld::BuildSeasonCalendar() {
    SeasonCalendarCounts counts(g_gameDate.Year());
    VisitLeagues(*this, [&](CNation&, CLeague& league) { counts.AddLeague(league); });
    VisitNations(*this, [&](CNation& nation) { CountNationalCups(counts, nation); });
    for (const auto& continent : continents)
        CountContinentalCups(counts, *continent);
    // The world cup's days replace the championships' in its seasons.
    counts.AddWorldCup(worldCup);
    counts.AddOlympia(olympia);
    g_dayCodes = LayOutSeasonCalendar(counts);
    NumberCalendarMatchDays();
}

// Without a league the user reads the calendar as a club of the top
// division would.
void CWorld::NumberCalendarMatchDays() {
    const bool top = !g_manager.league || g_manager.league->division == 1;
    NumberMatchDays(g_dayCodes, top, !top && UserClubInContinentalCup());
}
