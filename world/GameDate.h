#pragma once

#include "platform/Date.h"

// The one date of the game; weekdays, day codes and the season derive from it.
extern Date g_gameDate;
// Back to the empty date the program starts with.
void ResetGameDate();

// A season runs from 1 July to 30 June; its match days begin on the first
// Monday of July, and a date before July belongs to the season that began
// the year before.
constexpr int kSeasonStartMonth = 7;
constexpr int kSeasonEndMonth = 6;
constexpr int kSeasonEndDay = 30;

// The year in which the season of a date began.
int SeasonYearOf(const Date& date);
// The first Monday of July of a season's first year.
Date FirstMondayOfSeason(int seasonYear);
