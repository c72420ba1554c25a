#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "engine/SeasonCalendar.h"

namespace {

SeasonCalendar CalendarOf(const std::map<int, CompetitionMask>& days) {
    SeasonCalendar codes{};
    for (auto [day, code] : days)
        codes[day] = code;
    return codes;
}

// The numbers of the days that carry any of the bits, in day order.
std::vector<int> NumbersOf(const SeasonCalendar& codes, CompetitionMask bits) {
    std::vector<int> numbers;
    for (CompetitionMask code : codes)
        if (code & bits)
            numbers.push_back(MatchDayNumber(code));
    return numbers;
}

std::vector<int> CountingUpTo(int n) {
    std::vector<int> numbers(n);
    for (int i = 0; i < n; ++i)
        numbers[i] = i + 1;
    return numbers;
}

constexpr CompetitionMask kTop = DayCode::kTopLeagues;
constexpr CompetitionMask kLower = DayCode::kLowerLeagues;
constexpr CompetitionMask kClubCups = DayCode::kContinentalClubCups;

}  // namespace

TEST(MatchDayNumbers, EachKindCountsItsOwnDaysAsTheUsersDivisionSeesThem) {
    const SeasonCalendar laidOut = CalendarOf({
        {33, kTop | kLower},
        {34, kTop},
        {37, DayCode::kFirstNationalCup},
        {40, kLower},
        {41, kClubCups},
        {44, kTop | kLower},
        {47, kClubCups | kLower},
        {51, DayCode::kSecondNationalCup},
        {200, DayCode::kWorldCup},
        {205, DayCode::kWorldCup},
        {340, DayCode::kFurtherNationalCups},
    });

    SeasonCalendar top = laidOut;
    NumberMatchDays(top, true, false);
    EXPECT_EQ(NumbersOf(top, kTop), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(NumbersOf(top, kClubCups), (std::vector<int>{1, 2}));
    EXPECT_EQ(MatchDayNumber(top[40]), 0);  // a lower-league day alone
    EXPECT_EQ(MatchDayNumber(top[37]), 1);
    EXPECT_EQ(MatchDayNumber(top[51]), 1);
    EXPECT_EQ(MatchDayNumber(top[205]), 2);
    EXPECT_EQ(MatchDayNumber(top[340]), 1);

    SeasonCalendar lower = laidOut;
    NumberMatchDays(lower, false, false);
    EXPECT_EQ(NumbersOf(lower, kLower), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(MatchDayNumber(lower[34]), 0);  // a top-league day alone
    EXPECT_EQ(MatchDayNumber(lower[41]), 0);  // club cups are not counted
    EXPECT_EQ(lower[41], kClubCups);          // and stay where they are
}

TEST(MatchDayNumbers, RenumberingReplacesEveryNumberBit) {
    // 70 top-league days number past 64; numbered again for a lower-division
    // club, those days must lose their numbers entirely.
    SeasonCalendar codes{};
    for (int d = 0; d < 70; ++d)
        codes[d * 5] = kTop;
    codes[1] = kLower;
    NumberMatchDays(codes, true, false);
    EXPECT_EQ(MatchDayNumber(codes[69 * 5]), 70);

    NumberMatchDays(codes, false, false);
    EXPECT_EQ(NumbersOf(codes, kTop), std::vector<int>(70, 0));
    EXPECT_EQ(MatchDayNumber(codes[1]), 1);
}

TEST(MatchDayNumbers, LowerDivisionClubPlaysItsContinentalCupOnFreeDays) {
    const SeasonCalendar laidOut = CalendarOf({
        {33, kClubCups},
        {34, kTop},
        {40, kClubCups | kLower},
        {41, kClubCups},
        {42, kTop},
        {45, kTop},
    });

    SeasonCalendar codes = laidOut;
    NumberMatchDays(codes, false, true);
    // Day 33 moves to the Monday after the busy Sunday; days 40 and 41 both
    // move, in order, even though 40's free day lies past 41.
    EXPECT_EQ(codes[35], kClubCups | 1);
    EXPECT_EQ(codes[43], kClubCups | 2);
    EXPECT_EQ(codes[44], kClubCups | 3);
    EXPECT_EQ(codes[33], 0);
    EXPECT_EQ(codes[40], kLower | 1);  // the league keeps its day
    EXPECT_EQ(codes[41], 0);
    EXPECT_EQ(NumbersOf(codes, kClubCups), (std::vector<int>{1, 2, 3}));

    // A club of the top division, or one without a continental cup, plays
    // the cup days as laid out.
    for (bool top : {true, false}) {
        SeasonCalendar unmoved = laidOut;
        NumberMatchDays(unmoved, top, top);
        for (int day : {33, 40, 41})
            EXPECT_TRUE(unmoved[day] & kClubCups) << day;
    }
}

TEST(MatchDayNumbers, LaidOutLeaguesNumberTheirWholeSeason) {
    SeasonCalendarCounts counts(2025);
    counts.topLeagueDays = 62;
    counts.lowerLeagueDays = 30;
    counts.firstNationalCupDays = 6;
    counts.continentalClubCupDays = 10;
    SeasonCalendar codes = LayOutSeasonCalendar(counts);

    SeasonCalendar top = codes;
    NumberMatchDays(top, true, false);
    EXPECT_EQ(NumbersOf(top, kTop), CountingUpTo(62));

    NumberMatchDays(codes, false, true);
    EXPECT_EQ(NumbersOf(codes, kLower), CountingUpTo(30));
    EXPECT_EQ(NumbersOf(codes, kClubCups).size(), 10u);
}
