#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "engine/SeasonCalendar.h"
#include "world/Cup.h"
#include "world/League.h"

namespace {

constexpr int kEvenYear = 2024;     // world cup, no olympic tournament
constexpr int kOddYear = 2025;      // continental championships
constexpr int kOlympicYear = 2027;  // championships and the olympic tournament

std::vector<int> DaysWhere(const SeasonCalendar& codes, const std::function<bool(CompetitionMask)>& test) {
    std::vector<int> days;
    for (int d = 0; d < kSeasonCalendarDays; ++d)
        if (test(codes[d]))
            days.push_back(d);
    return days;
}

std::vector<int> DaysWithBits(const SeasonCalendar& codes, CompetitionMask bits) {
    return DaysWhere(codes, [bits](CompetitionMask c) { return (c & bits) != 0; });
}

std::vector<int> DaysWithField(const SeasonCalendar& codes, CompetitionMask field, CompetitionMask value) {
    return DaysWhere(codes, [=](CompetitionMask c) { return (c & field) == value; });
}

int Count(const SeasonCalendar& codes, CompetitionMask field, CompetitionMask value) {
    return static_cast<int>(DaysWithField(codes, field, value).size());
}

struct World {
    int year = kEvenYear;
    int top = 0, lower = 0, firstCup = 0, secondCup = 0, clubCups = 0, superCup = 0;
    int qualification = 0, tournament = 0, olympia = 0;

    SeasonCalendarCounts Counts() const {
        SeasonCalendarCounts counts(year);
        counts.topLeagueDays = top;
        counts.lowerLeagueDays = lower;
        counts.firstNationalCupDays = firstCup;
        counts.secondNationalCupDays = secondCup;
        counts.continentalClubCupDays = clubCups;
        counts.continentalSuperCupDays = superCup;
        counts.qualificationDays = qualification;
        counts.nationalTeamTournamentDays = tournament;
        counts.olympicDays = olympia;
        return counts;
    }
};

// A cup that takes place with `days` match days: one-leg knock-out rounds.
std::unique_ptr<CCup> CupOfDays(uint8_t kind, int days) {
    auto cup = std::make_unique<CCup>(kind);
    cup->legs = 1;
    cup->roundCount = static_cast<uint8_t>(days);
    cup->takesPlace = 1;
    return cup;
}

bool OnWeekday(int day, int weekday) {
    return day % 7 == weekday;
}

}  // namespace

TEST(SeasonCalendar, HoldsEveryCompetitionsDays) {
    const World worlds[] = {
        {kEvenYear, 34, 30, 6, 3, 10, 1, 8, 12, 0},
        {kOddYear, 26, 22, 5, 1, 4, 2, 10, 8, 0},
        {kOlympicYear, 30, 30, 7, 2, 12, 1, 6, 10, 10},
        {kEvenYear, 62, 38, 6, 2, 10, 1, 8, 12, 0},  // Saturdays move to Fridays
        {kOddYear, 90, 60, 10, 4, 14, 1, 8, 12, 0},  // top leagues reach the Sundays
    };
    for (const World& w : worlds) {
        SCOPED_TRACE(testing::Message() << "top leagues " << w.top << ", year " << w.year);
        const SeasonCalendar codes = LayOutSeasonCalendar(w.Counts());
        EXPECT_EQ(Count(codes, DayCode::kTopLeagues, DayCode::kTopLeagues), w.top);
        EXPECT_EQ(Count(codes, DayCode::kLowerLeagues, DayCode::kLowerLeagues), w.lower);
        EXPECT_EQ(Count(codes, DayCode::kNationalCupField, DayCode::kFirstNationalCup), w.firstCup);
        EXPECT_EQ(Count(codes, DayCode::kNationalCupField, DayCode::kSecondNationalCup), w.secondCup);
        EXPECT_EQ(Count(codes, DayCode::kNationalCupField, DayCode::kFurtherNationalCups), 8);
        EXPECT_EQ(Count(codes, DayCode::kContinentalClubCups, DayCode::kContinentalClubCups), w.clubCups);
        EXPECT_EQ(Count(codes, DayCode::kContinentalSuperCup, DayCode::kContinentalSuperCup), w.superCup);
        EXPECT_EQ(Count(codes, DayCode::kTournamentField, NationalTeamTournamentOf(w.year)), w.tournament);
        EXPECT_EQ(Count(codes, DayCode::kTournamentField, QualificationOf(w.year)), w.qualification);
        EXPECT_EQ(Count(codes, DayCode::kTournamentField, DayCode::kOlympia), w.olympia);
        // The lay-out leaves the match-day numbers to the numbering.
        EXPECT_TRUE(DaysWhere(codes, [](CompetitionMask c) { return MatchDayNumber(c) != 0; }).empty());
        // League and cup days of one club never fall on the same day.
        EXPECT_TRUE(DaysWhere(codes, [](CompetitionMask c) {
                        return (c & (DayCode::kTopLeagues | DayCode::kContinentalClubCups)) ==
                                   (DayCode::kTopLeagues | DayCode::kContinentalClubCups) ||
                               ((c & DayCode::kLowerLeagues) && PlaysNationalCup(c, 0));
                    }).empty());
    }
}

TEST(SeasonCalendar, RegularDaysStayOnTheirWeekdaysAndWeeks) {
    const World w{kEvenYear, 34, 30, 6, 0, 10, 0, 0, 0, 0};
    const SeasonCalendar codes = LayOutSeasonCalendar(w.Counts());
    const CompetitionMask leaguesAndClubCups =
        DayCode::kTopLeagues | DayCode::kLowerLeagues | DayCode::kContinentalClubCups;
    const std::vector<int> regularDays = DaysWhere(codes, [=](CompetitionMask c) {
        return (c & leaguesAndClubCups) != 0 || PlaysNationalCup(c, 0);
    });
    // Every Saturday is taken before the lower leagues walk them.
    EXPECT_EQ(regularDays.size(), 34u + 10u + 6u);
    for (int day : regularDays) {
        const int week = day / 7;
        EXPECT_TRUE((week >= 4 && week <= 24) || (week >= 30 && week <= 46)) << day;
        EXPECT_TRUE(OnWeekday(day, 2) || OnWeekday(day, 5) || OnWeekday(day, 6)) << day;
    }
}

TEST(SeasonCalendar, ClubCupsSpreadOverSaturdaysFromTheFrontAndWednesdaysFromTheBack) {
    // 10 club-cup days reach a quarter of 34 league days: five Saturdays at
    // the list positions 0, 7, 15, 22, 30 and five Wednesdays from the end.
    const World w{kEvenYear, 34, 0, 0, 0, 10, 0, 0, 0, 0};
    const SeasonCalendar codes = LayOutSeasonCalendar(w.Counts());
    const std::vector<int> expected = {33, 79, 82, 135, 138, 219, 222, 275, 278, 324};
    EXPECT_EQ(DaysWithBits(codes, DayCode::kContinentalClubCups), expected);
}

TEST(SeasonCalendar, CrowdedWeekendsMoveTheSaturdaysToFridays) {
    // 34 + 6 + 10 = 50 days stay on Saturdays; 62 + 6 + 10 = 78 move.
    for (int top : {34, 62}) {
        const World w{kEvenYear, top, 30, 6, 0, 10, 0, 0, 0, 0};
        const SeasonCalendar codes = LayOutSeasonCalendar(w.Counts());
        int fridays = 0, saturdays = 0;
        for (int day : DaysWithBits(codes, DayCode::kTopLeagues)) {
            fridays += OnWeekday(day, 4);
            saturdays += OnWeekday(day, 5);
        }
        const bool shifted = top == 62;
        EXPECT_EQ(fridays > 0, shifted) << top;
        EXPECT_EQ(saturdays > 0, !shifted) << top;
        // The lower leagues keep their Saturdays either way.
        EXPECT_TRUE(OnWeekday(DaysWithBits(codes, DayCode::kLowerLeagues).front(), 5)) << top;
    }
}

TEST(SeasonCalendar, SecondNationalCupCountsBackOnFreeDays) {
    World w;
    w.secondCup = 3;
    EXPECT_EQ(DaysWithField(LayOutSeasonCalendar(w.Counts()), DayCode::kNationalCupField, DayCode::kSecondNationalCup),
              (std::vector<int>{26, 28, 30}));

    // 76 top-league days take every Saturday and every Wednesday, day 30
    // among them: it is passed over without using up a cup day.
    w.top = 76;
    EXPECT_EQ(DaysWithField(LayOutSeasonCalendar(w.Counts()), DayCode::kNationalCupField, DayCode::kSecondNationalCup),
              (std::vector<int>{24, 26, 28}));

    // More than 15 days come closer together.
    World many;
    many.secondCup = 16;
    EXPECT_EQ(DaysWithField(LayOutSeasonCalendar(many.Counts()), DayCode::kNationalCupField,
                            DayCode::kSecondNationalCup),
              (std::vector<int>{8, 9, 11, 12, 14, 15, 17, 18, 20, 21, 23, 24, 26, 27, 29, 30}));
}

TEST(SeasonCalendar, AnEmptyWorldKeepsOnlyTheFixedDays) {
    const SeasonCalendar codes = LayOutSeasonCalendar(World{}.Counts());
    // The lower leagues always get their first Saturday, the qualification
    // its last two days, the further national cups their eight days.
    EXPECT_EQ(DaysWithBits(codes, DayCode::kLowerLeagues), (std::vector<int>{33}));
    EXPECT_EQ(DaysWithField(codes, DayCode::kTournamentField, DayCode::kChampionshipQualification),
              (std::vector<int>{352, 356}));
    EXPECT_EQ(DaysWithField(codes, DayCode::kNationalCupField, DayCode::kFurtherNationalCups),
              (std::vector<int>{331, 332, 334, 335, 337, 338, 340, 341}));
    EXPECT_EQ(DaysWhere(codes, [](CompetitionMask c) { return c != 0; }).size(), 11u);
}

TEST(SeasonCalendar, TournamentsAndQualificationAtTheTurnOfTheYear) {
    World w;
    w.year = kEvenYear;
    w.tournament = 7;
    w.qualification = 5;
    const SeasonCalendar codes = LayOutSeasonCalendar(w.Counts());
    // Seven world-cup days back from day 209 over two weeks.
    EXPECT_EQ(DaysWithField(codes, DayCode::kTournamentField, DayCode::kWorldCup),
              (std::vector<int>{197, 199, 201, 203, 205, 207, 209}));
    // Three qualification days back from three days before it over the days
    // from 177, and the last two at the end of the season.
    EXPECT_EQ(DaysWithField(codes, DayCode::kTournamentField, DayCode::kChampionshipQualification),
              (std::vector<int>{183, 189, 194, 352, 356}));
}

TEST(SeasonCalendar, OlympicQualificationEndsBeforeTheOlympicTournament) {
    World w;
    w.year = kOlympicYear;
    w.olympia = 10;
    w.qualification = 2;
    const SeasonCalendar codes = LayOutSeasonCalendar(w.Counts());
    const std::vector<int> olympia = DaysWithField(codes, DayCode::kTournamentField, DayCode::kOlympia);
    ASSERT_EQ(olympia.size(), 10u);
    EXPECT_EQ(olympia.back(), 356);
    const int first = olympia.front();
    EXPECT_EQ(DaysWithField(codes, DayCode::kTournamentField, DayCode::kWorldCupQualification),
              (std::vector<int>{first - 7, first - 3}));
}

TEST(SeasonCalendar, SuperCupEndsTheFirstFreeStretchOfSixDays) {
    World w;
    w.superCup = 2;
    // Nothing is placed from day 84 on before the season's end, so the first
    // free stretch ends on day 89; two days spread back over six.
    EXPECT_EQ(DaysWithBits(LayOutSeasonCalendar(w.Counts()), DayCode::kContinentalSuperCup),
              (std::vector<int>{86, 89}));
}

TEST(SeasonCalendar, YearRulesPickTheTournaments) {
    struct Case {
        int year;
        CompetitionMask tournament, qualification;
        bool olympic;
    };
    const Case cases[] = {
        {2024, DayCode::kWorldCup, DayCode::kChampionshipQualification, false},
        {2025, DayCode::kChampionship, DayCode::kWorldCupQualification, false},
        {2026, DayCode::kWorldCup, DayCode::kChampionshipQualification, false},
        {2027, DayCode::kChampionship, DayCode::kWorldCupQualification, true},
    };
    const auto worldCup = CupOfDays(kCupWorldCup, 9);
    const auto championship = CupOfDays(kCupChampionship, 7);
    const auto olympia = CupOfDays(kCupOlympia, 6);
    const auto firstExtra = CupOfDays(kCupChampionship, 5);
    const auto secondExtra = CupOfDays(kCupChampionship, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(NationalTeamTournamentOf(c.year), c.tournament);
        EXPECT_EQ(QualificationOf(c.year), c.qualification);
        EXPECT_EQ(IsOlympicSeason(c.year), c.olympic);

        SeasonCalendarCounts counts(c.year);
        counts.AddChampionship(*championship);
        counts.AddWorldCup(*worldCup);
        counts.AddOlympia(*olympia);
        counts.AddQualificationCups(*firstExtra, *secondExtra);
        const bool worldCupYear = c.tournament == DayCode::kWorldCup;
        EXPECT_EQ(counts.nationalTeamTournamentDays, worldCupYear ? 9 : 7);
        EXPECT_EQ(counts.qualificationDays, worldCupYear ? 5 : 4);
        EXPECT_EQ(counts.olympicDays, c.olympic ? 6 : 0);

        const SeasonCalendar codes = LayOutSeasonCalendar(counts);
        EXPECT_EQ(Count(codes, DayCode::kTournamentField, c.tournament), counts.nationalTeamTournamentDays);
        EXPECT_EQ(Count(codes, DayCode::kTournamentField, c.qualification), counts.qualificationDays);
        EXPECT_EQ(Count(codes, DayCode::kTournamentField, DayCode::kOlympia), counts.olympicDays);
    }
}

TEST(SeasonCalendarCounts, TakesTheMostDaysOfEachKind) {
    SeasonCalendarCounts counts(kEvenYear);
    CLeague top;
    top.flags = kLeaguePassive;  // a passive league plays its stored club count
    top.storedClubCount = 18;
    CLeague smallTop;
    smallTop.flags = kLeaguePassive;
    smallTop.storedClubCount = 12;
    CLeague second;
    second.flags = kLeaguePassive;
    second.storedClubCount = 16;
    second.division = 2;
    counts.AddLeague(top);
    counts.AddLeague(second);
    counts.AddLeague(smallTop);
    EXPECT_EQ(counts.topLeagueDays, 34);
    EXPECT_EQ(counts.lowerLeagueDays, 30);
    // A top league shorter than the longest counts among the lower ones.
    counts.AddLeagueDays(1, 32);
    EXPECT_EQ(counts.lowerLeagueDays, 32);

    auto idle = CupOfDays(kCupNational, 9);
    idle->takesPlace = 0;
    counts.AddNationalCup(0, *CupOfDays(kCupNational, 6));
    counts.AddNationalCup(0, *idle);
    counts.AddNationalCup(1, *CupOfDays(kCupNationalSuper, 1));
    counts.AddNationalCup(2, *CupOfDays(kCupNational, 12));
    EXPECT_EQ(counts.firstNationalCupDays, 6);
    EXPECT_EQ(counts.secondNationalCupDays, 1);

    counts.AddContinentalClubCup(*CupOfDays(kCupContinental, 10));
    counts.AddContinentalClubCup(*CupOfDays(kCupContinental, 8));
    counts.AddContinentalSuperCup(*CupOfDays(kCupContinentalSuper, 1));
    EXPECT_EQ(counts.continentalClubCupDays, 10);
    EXPECT_EQ(counts.continentalSuperCupDays, 1);
}

TEST(SeasonCalendar, DaysOutsideTheCalendarHaveNoCode) {
    g_dayCodes.fill(DayCode::kTopLeagues | 3);
    EXPECT_EQ(GetDayCode(0), DayCode::kTopLeagues | 3);
    EXPECT_EQ(GetDayCode(365), DayCode::kTopLeagues | 3);
    // 1-6 July before the first Monday count on up to 370.
    for (int index : {-1, 366, 370})
        EXPECT_EQ(GetDayCode(index), 0) << index;
    g_dayCodes.fill(0);
}
