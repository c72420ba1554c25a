#pragma once

#include <cstdint>

// Match options and switches the engine reads; the match-day runner and
// the options dialog set them.

// Cards are reported while the user's match is shown live.
extern bool g_matchReportOn;
// The assistant coach also substitutes in the user's team.
extern uint8_t g_assistantSubstitutes;
// Ticks the live report stands still for a new line.
extern int g_reportPauseTicks;

// The user has started his match of the day; until the day's results
// are shown his lineup changes are substitutions.
extern bool g_matchDayStarted;

// Back to the switches the program starts with.
void ResetMatchOptions();
