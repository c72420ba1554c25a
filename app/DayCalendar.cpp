#include "app/DayCalendar.h"

#include <algorithm>

#include "platform/Random.h"
#include "world/GameDate.h"

int g_seasonWeek = 0;
int g_lastReportMonth = kSeasonStartMonth;

void ResetDayCalendar() {
    g_seasonWeek = 0;
    g_lastReportMonth = kSeasonStartMonth;
}

namespace {

constexpr int kJanuary = 1;
constexpr int kJune = 6;
constexpr int kDecember = 12;
constexpr int kSquadDay = 16;

constexpr int kSalesFactorBase = 5;
constexpr int kSalesFactorSpread = 5;
constexpr int kShiftMask = 31;

constexpr int kFirstBuyersBase = 5;
constexpr int kFirstBuyersSpread = 6;
constexpr int kBuyingDaysSpread = 3;

constexpr int kAutoSaveShift = 24;
constexpr uint32_t kAutoSaveMask = 3;

bool Is(const Date& d, int month, int day) { return d.Month() == month && d.Day() == day; }

}  // namespace

uint32_t DatedStepsOf(const Date& date) {
    uint32_t steps = 0;
    if (Is(date, kSeasonEndMonth, kSeasonEndDay))
        steps |= DayStep::kSeasonChange;
    if (Is(date, kJune, 15) || Is(date, kDecember, 15))
        steps |= DayStep::kHalfYear;
    if (Is(date, kJanuary, 7))
        steps |= DayStep::kTransferListWarning;
    if (Is(date, kJune, 20))
        steps |= DayStep::kUnhappyPlayers;
    if (Is(date, kJanuary, 15))
        steps |= DayStep::kTransferLists;
    if (date.Day() == kSquadDay && date.Month() % 3 == 0)
        steps |= DayStep::kNationalSquads;
    if (Is(date, kJune, 14))
        steps |= DayStep::kSeasonHonours;
    const int weekday = date.DayOfWeek();
    if (weekday == Weekday::kMonday)
        steps |= DayStep::kWeekly;
    if (weekday >= Weekday::kMonday && weekday <= Weekday::kFriday)
        steps |= DayStep::kTraining;
    return steps;
}

// The sales of the match day itself reach the expected spectators; each
// day before leaves a random share of 50-90 per cent of the day after.
int32_t AdvanceSales(int32_t sold, int32_t expected, int daysLeft) {
    int64_t v = (static_cast<int64_t>(expected) * 10) >> (daysLeft & kShiftMask);
    const int factor = kSalesFactorBase + RandBelow(kSalesFactorSpread);
    for (int i = 0; i < daysLeft; ++i)
        v = v * factor / 10;
    v = std::min<int64_t>(v / 10, expected);
    return v >= sold ? static_cast<int32_t>(v) : sold;
}

int32_t SeasonTicketsAfterDay(int32_t sold, int32_t most) {
    int64_t n = sold > 0 ? sold : kFirstBuyersBase + RandBelow(kFirstBuyersSpread);
    const int64_t share = n / 4 + RandBelow(static_cast<int>(std::min<int64_t>(n, INT32_MAX)));
    n += share * RandBelow(kBuyingDaysSpread);
    n = std::min<int64_t>(n, most);
    return static_cast<int32_t>(std::max<int64_t>(n, sold));
}

bool IsAutoSaveWeek(uint32_t options, int seasonWeek) {
    switch ((options >> kAutoSaveShift) & kAutoSaveMask) {
    case 1:
        return seasonWeek % 2 == 0;
    case 2:
        return seasonWeek % 4 == 0;
    default:
        return false;
    }
}
