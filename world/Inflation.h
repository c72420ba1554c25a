#pragma once

#include <cstdint>

class Date;

// The price rise of the game's economy since the world's start year. Every
// amount of money the game calculates passes through it.

// Each season prices rise by 1012 / 1000.
constexpr int32_t kYearlyRiseNumerator = 1012;

// Seasons passed since the start year; the season turns in July.
int SeasonsSinceStart(const Date& today, int startYear);
// Price rise in per mille after a number of seasons: each season
// p = p * 1012 / 1000 + 12, truncated, so 12, 24, ..., 84, 97, 110, 123.
int InflationPermilleAfter(int seasons);
// Raises an amount by a price rise in per mille.
void InflateAmount(int32_t& amount, int permille);
// The manager's costs of living for one month: the cost of his coaching
// level raised by the price rise, or a twentieth of his salary if more.
uint32_t MonthlyLivingCosts(int coachingLevel, int32_t salary, int permille);
