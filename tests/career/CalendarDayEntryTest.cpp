#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "career/CalendarDayEntry.h"
#include "engine/SeasonCalendar.h"
#include "tests/career/DiaryFixture.h"
#include "tests/world/CalendarWorldFixture.h"
#include "world/Cup.h"
#include "world/NoClubTeam.h"

namespace {

constexpr int kDay = 60;
constexpr Colour kLowerLeagueColour = Rgb(200, 200, 150);

// A drawn cup of one round and one leg: home against away on match day 1.
void Pair(CCup& cup, const std::string& name, CTeam* home, CTeam* away) {
    cup.name = name;
    cup.takesPlace = 1;
    cup.roundCount = 1;
    cup.legs = 1;
    cup.participants = {home, away};
    cup.drawnRounds = {{0, 1}};
}

// Two nations of two divisions; the manager runs the first club of the top
// division of nation 1 and coaches its national team.
class CalendarDayEntry : public ::testing::Test {
protected:
    void SetUp() override {
        world.ManageClub(0, 0);
        club = g_manager.club;
        rival = world.League(0, 0).clubs[1].get();
        g_manager.nationalTeam = &world.Nation(0, 0).nationalTeam;
    }

    // The entry of kDay under the day code.
    bool EntryOf(CompetitionMask code, std::string& label, Colour& colour) {
        g_dayCodes[kDay] = code;
        return GetCalendarDayEntry(label, kDay, colour, kIndexColours);
    }

    CalendarWorld world{CalendarWorldSize{.continents = 1, .nations = 2, .leagues = 2}};
    CTeam* club = nullptr;
    CTeam* rival = nullptr;
};

TEST_F(CalendarDayEntry, LeagueDayNamesTheFixtureOfTheUsersDivision) {
    std::string label;
    Colour colour = kBlack;
    ASSERT_TRUE(EntryOf(DayCode::kTopLeagues | 3, label, colour));
    EXPECT_EQ(label.rfind("League 1.1, 3. match day, Club 1.1.", 0), 0u) << label;
    EXPECT_EQ(label, world.League(0, 0).GetOpponentText(3, 0));
    EXPECT_EQ(colour, kIndexColours[27]);

    label.clear();
    EXPECT_FALSE(EntryOf(DayCode::kLowerLeagues | 3, label, colour));  // not his division's day

    CLeague& lower = world.League(0, 0, 1);
    g_manager.league = &lower;
    g_manager.club = lower.clubs[0].get();
    ASSERT_TRUE(EntryOf(DayCode::kLowerLeagues | 3, label, colour));
    EXPECT_EQ(label, lower.GetOpponentText(3, 0));
    EXPECT_EQ(colour, kLowerLeagueColour);
    label.clear();
    EXPECT_FALSE(EntryOf(DayCode::kTopLeagues | 3, label, colour));
}

TEST_F(CalendarDayEntry, CupDaysNameTheCupsTheClubPlays) {
    CNation& nation = world.Nation(0, 0);
    CContinent& continent = *world.world.continents[0];
    CTeam* stranger = world.League(0, 0, 1).clubs[0].get();
    CTeam& nationalTeam = nation.nationalTeam;
    CTeam& otherNation = world.Nation(0, 1).nationalTeam;
    while (nation.cups.size() < 4)
        nation.cups.push_back(std::make_unique<CCup>(kCupNational));
    Pair(*nation.cups[0], "Cup", club, rival);
    Pair(*nation.cups[1], "Super Cup", rival, club);
    Pair(*nation.cups[2], "Third", club, rival);
    Pair(*nation.cups[3], "Fourth", rival, club);
    continent.clubCups.push_back(std::make_unique<CCup>(kCupContinental));
    continent.clubCups.push_back(std::make_unique<CCup>(kCupContinental));
    Pair(*continent.clubCups[0], "Not his", rival, stranger);
    Pair(*continent.clubCups[1], "Listed", club, stranger);
    Pair(continent.clubCup, "Embedded", stranger, club);
    Pair(continent.superCup, "Super", stranger, club);
    Pair(continent.championship, "Championship", &otherNation, &nationalTeam);
    Pair(continent.extraCups[CContinent::kChampionshipQualification], "Qualification A", &nationalTeam, &otherNation);
    Pair(continent.extraCups[CContinent::kWorldCupQualification], "Qualification B", &otherNation, &nationalTeam);
    Pair(world.world.worldCup, "World Cup", &nationalTeam, &otherNation);
    Pair(world.world.olympia, "Olympia", &otherNation, &nationalTeam);

    struct Case {
        CompetitionMask code;
        const char* label;
        int colour;
    };
    const Case cases[] = {
        {DayCode::kFirstNationalCup | 1, "Cup - Club 1.1.2", 27},
        {DayCode::kSecondNationalCup | 1, "Super Cup - Club 1.1.2 (A)", 27},
        {DayCode::kFurtherNationalCups | 1, "Third - Club 1.1.2Fourth - Club 1.1.2 (A)", 28},
        {DayCode::kContinentalClubCups | 1, "Listed - Club 1.2.1", 29},
        {DayCode::kContinentalSuperCup | 1, "Super - Club 1.2.1 (A)", 29},
        {DayCode::kChampionship | 1, "Championship - Nation 2 (A)", 30},
        {DayCode::kChampionshipQualification | 1, "Qualification A - Nation 2", 30},
        {DayCode::kWorldCupQualification | 1, "Qualification B - Nation 2 (A)", 30},
        {DayCode::kWorldCup | 1, "World Cup - Nation 2", 30},
        {DayCode::kOlympia | 1, "Olympia - Nation 2 (A)", 30},
        {DayCode::kFirstNationalCup | DayCode::kOlympia | 1, "Cup - Club 1.1.2Olympia - Nation 2 (A)", 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::string label;
        Colour colour = kBlack;
        ASSERT_TRUE(EntryOf(c.code, label, colour));
        EXPECT_EQ(label, c.label);
        EXPECT_EQ(colour, kIndexColours[c.colour]);
    }

    // Cups without his club or his national team.
    g_manager.club = stranger;
    g_manager.nationalTeam = &g_noClubTeam;
    std::string label;
    Colour colour = kBlack;
    EXPECT_FALSE(EntryOf(DayCode::kFirstNationalCup | DayCode::kWorldCup | 1, label, colour));
    EXPECT_EQ(label, "");
    EXPECT_EQ(colour, kBlack);
}

TEST_F(CalendarDayEntry, AnAppointmentFollowsTheMatchInItsOwnColour) {
    BookDiaryEntry(kDay, DiaryHeadWord(5, 0, 0), {});
    std::string label;
    Colour colour = kBlack;
    ASSERT_TRUE(EntryOf(DayCode::kTopLeagues | 3, label, colour));
    EXPECT_EQ(label, world.League(0, 0).GetOpponentText(3, 0) + "fan advertisement");
    EXPECT_EQ(colour, kIndexColours[31]);

    label.clear();
    ASSERT_TRUE(EntryOf(0, label, colour));
    EXPECT_EQ(label, "fan advertisement");
}

TEST_F(CalendarDayEntry, ADayWithoutAnythingHasNoEntry) {
    std::string label;
    Colour colour = kWhite;
    EXPECT_FALSE(EntryOf(0, label, colour));
    EXPECT_EQ(label, "");
    EXPECT_EQ(colour, kWhite);

    label = "kept";
    EXPECT_FALSE(GetCalendarDayEntry(label, -1, colour, kIndexColours));
    EXPECT_EQ(label, "");
}

// The no-club team fills the empty places of cups: a manager without a
// club must not find himself there.
TEST_F(CalendarDayEntry, AManagerWithoutClubPlaysNoCup) {
    g_manager.club = &g_noClubTeam;
    g_manager.nationalTeam = &g_noClubTeam;
    Pair(*world.Nation(0, 0).cups[0], "Cup", &g_noClubTeam, rival);
    Pair(world.world.worldCup, "World Cup", &g_noClubTeam, rival);
    std::string label;
    Colour colour = kBlack;
    EXPECT_FALSE(EntryOf(DayCode::kFirstNationalCup | DayCode::kWorldCup | 1, label, colour));
    EXPECT_EQ(label, "");
}

}  // namespace
