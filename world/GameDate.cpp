#include "world/GameDate.h"

Date g_gameDate;

void ResetGameDate() { g_gameDate = Date(); }

int SeasonYearOf(const Date& date) { return date.Month() >= kSeasonStartMonth ? date.Year() : date.Year() - 1; }

Date FirstMondayOfSeason(int seasonYear) {
    const Date first(seasonYear, kSeasonStartMonth, 1);
    return first.AddDays((Weekday::kMonday - first.DayOfWeek() + kDaysPerWeek) % kDaysPerWeek);
}
