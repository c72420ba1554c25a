#pragma once

#include <cstdint>

#include "platform/Date.h"

// Which of the game's dated steps fall on a date, and the two small sums
// of the day cycle. The main window's day tick (GameViewDayStep.cpp) runs
// the steps in the order of the bits.

namespace DayStep {
constexpr uint32_t kSeasonChange = 1u << 0;         // 30 June
constexpr uint32_t kHalfYear = 1u << 1;             // 15 June, 15 December
constexpr uint32_t kTransferListWarning = 1u << 2;  // 7 January
constexpr uint32_t kUnhappyPlayers = 1u << 3;       // 20 June
constexpr uint32_t kTransferLists = 1u << 4;        // 15 January
constexpr uint32_t kNationalSquads = 1u << 5;       // the 16th of every third month
constexpr uint32_t kSeasonHonours = 1u << 6;        // 14 June
constexpr uint32_t kWeekly = 1u << 7;               // Mondays
constexpr uint32_t kTraining = 1u << 8;             // Monday to Friday
}  // namespace DayStep

// The season week and the month of the last weekly report; saved with
// the game.
extern int g_seasonWeek;
extern int g_lastReportMonth;
// Back to the values the program starts with.
void ResetDayCalendar();

uint32_t DatedStepsOf(const Date& date);

// The advance ticket sales of the user's next match, daysLeft days before
// it: they grow towards the expected spectators as the day comes nearer
// and never fall.
int32_t AdvanceSales(int32_t sold, int32_t expected, int daysLeft);

// One day of the season-ticket sale: the tickets sold so far (a first few
// when none) grow by a random share, up to the most that can be sold; a
// sale never takes back tickets already sold.
int32_t SeasonTicketsAfterDay(int32_t sold, int32_t most);

// The automatic save of the weekly report: bits 24-25 of the option word
// choose every second week (1), every fourth (2) or none (0, 3).
bool IsAutoSaveWeek(uint32_t options, int seasonWeek);
