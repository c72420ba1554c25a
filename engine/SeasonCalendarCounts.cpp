#include <algorithm>

#include "engine/SeasonCalendar.h"
#include "world/Cup.h"
#include "world/League.h"

namespace {

// A cup that does not take place this season needs no day.
int CupDays(const CCup& cup) {
    return cup.TakesPlace() ? cup.GetLastMatchDay() : 0;
}

void Raise(int& most, int days) {
    most = std::max(most, days);
}

}  // namespace

void SeasonCalendarCounts::AddLeague(const CLeague& league) {
    AddLeagueDays(league.division, league.GetMatchDayCount(true, true, true));
}

// A top league that does not need more days than the longest so far counts
// among the lower leagues, which only ever makes their days more.
void SeasonCalendarCounts::AddLeagueDays(int division, int matchDays) {
    if (division == 1 && matchDays > topLeagueDays)
        topLeagueDays = matchDays;
    else
        Raise(lowerLeagueDays, matchDays);
}

void SeasonCalendarCounts::AddNationalCup(int listIndex, const CCup& cup) {
    if (listIndex == 0)
        Raise(firstNationalCupDays, CupDays(cup));
    else if (listIndex == 1)
        Raise(secondNationalCupDays, CupDays(cup));
}

void SeasonCalendarCounts::AddContinentalClubCup(const CCup& cup) {
    Raise(continentalClubCupDays, CupDays(cup));
}

void SeasonCalendarCounts::AddContinentalSuperCup(const CCup& cup) {
    Raise(continentalSuperCupDays, CupDays(cup));
}

void SeasonCalendarCounts::AddQualificationCups(const CCup& firstExtra, const CCup& secondExtra) {
    Raise(qualificationDays, CupDays(IsWorldCupSeason(seasonYear) ? firstExtra : secondExtra));
}

void SeasonCalendarCounts::AddChampionship(const CCup& cup) {
    if (!IsWorldCupSeason(seasonYear))
        Raise(nationalTeamTournamentDays, CupDays(cup));
}

void SeasonCalendarCounts::AddWorldCup(const CCup& cup) {
    if (IsWorldCupSeason(seasonYear))
        nationalTeamTournamentDays = CupDays(cup);
}

void SeasonCalendarCounts::AddOlympia(const CCup& cup) {
    if (IsOlympicSeason(seasonYear))
        olympicDays = CupDays(cup);
}
