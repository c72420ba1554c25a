#include <gtest/gtest.h>

#include "engine/SeasonCalendar.h"
#include "platform/Random.h"
#include "tests/world/CalendarWorldFixture.h"
#include "tests/world/PlayerSamples.h"
#include "world/GameDate.h"
#include "world/Match.h"

namespace {

constexpr uint16_t kUnset = 0x7777;
constexpr uint8_t kUnsetNation = 200;

struct YearCase {
    int year;
    bool worldCupCleared, championshipCleared, olympiaCleared;
    bool olympicHostDrawn, worldCupHostDrawn, continentHostsDrawn;
};

// The season end clears each tournament before the season that plays it
// and draws the hosts by the year of 30 June.
TEST(WorldSeasonChange, EndOfSeasonByTheYear) {
    const YearCase cases[] = {
        {2004, true, false, false, true, false, true},
        {2003, false, true, true, false, true, false},
        {2006, true, false, false, false, false, true},
    };
    for (const YearCase& c : cases) {
        CalendarWorld fixture;
        CWorld& world = fixture.world;
        CContinent& continent = *world.continents[0];
        CTeam* someone = &fixture.Nation(0, 0).nationalTeam;
        for (CCup* cup : {&world.worldCup, &world.olympia, &continent.championship})
            cup->participants = {someone};
        world.olympicHost = world.worldCupHost = kUnset;
        continent.hostNation = kUnsetNation;
        g_gameDate = Date(c.year, 6, 30);

        world.EndSeason();

        EXPECT_EQ(world.worldCup.participants.empty(), c.worldCupCleared) << c.year;
        EXPECT_EQ(continent.championship.participants.empty(), c.championshipCleared) << c.year;
        EXPECT_EQ(world.olympia.participants.empty(), c.olympiaCleared) << c.year;
        EXPECT_EQ(world.olympicHost != kUnset, c.olympicHostDrawn) << c.year;
        EXPECT_EQ(world.worldCupHost != kUnset, c.worldCupHostDrawn) << c.year;
        EXPECT_EQ(continent.hostNation != kUnsetNation, c.continentHostsDrawn) << c.year;
    }
}

TEST(WorldSeasonChange, AHostOfAContinentWithoutNationsIsNone) {
    CalendarWorld fixture({.continents = 2, .nations = 1});
    fixture.world.continents[1]->nations.clear();
    bool sawNone = false, sawHost = false;
    SeedRandom(3);
    for (int draw = 0; draw < 40; ++draw) {
        fixture.world.PickBiennialHost();
        const uint16_t host = fixture.world.worldCupHost;
        sawNone |= host == CWorld::kNoHost;
        sawHost |= host == 0x0000;
        EXPECT_TRUE(host == CWorld::kNoHost || host == 0x0000) << host;
    }
    EXPECT_TRUE(sawNone);
    EXPECT_TRUE(sawHost);
}

// A veteran of many caps leaves the national squad in about a third of
// season starts; a player without caps never does; a player who left the
// world's clubs always.
TEST(WorldSeasonChange, NationalPlayersRetire) {
    int retired = 0;
    constexpr int kTrials = 60;
    for (int trial = 0; trial < kTrials; ++trial) {
        SeedRandom(static_cast<uint32_t>(trial));
        CalendarWorld fixture({.continents = 1, .nations = 1});
        g_gameDate = Date(2003, 6, 30);
        CTeam& club = *fixture.League(0, 0).clubs[0];
        CTeam& squad = fixture.Nation(0, 0).nationalTeam;
        CPlayer* veteran = club.squad[0].get();
        veteran->birthday = 0x07B20101;  // 1970: 33 years old
        veteran->nationalMatches = 160;
        CPlayer* uncapped = club.squad[1].get();
        uncapped->birthday = 0x07A80101;
        auto gone = MakeCalendarPlayer(1, 3, 5);
        for (CPlayer* p : {veteran, uncapped, gone.get()})
            squad.squad.push_back(LendPlayer(p));

        fixture.world.StartNewSeason();

        size_t index = 0;
        EXPECT_TRUE(squad.FindPlayer(uncapped, index));
        EXPECT_FALSE(squad.FindPlayer(gone.get(), index));
        const bool left = !squad.FindPlayer(veteran, index);
        EXPECT_EQ(left, (veteran->popularityHealth & CPlayer::kFormerInternational) != 0);
        retired += left;
    }
    EXPECT_GT(retired, kTrials / 6);
    EXPECT_LT(retired, kTrials / 2);
}

// A national player let go by his club whose career then ends at the
// season's end leaves his national squad before he is gone: the squad
// must not keep the place of a player who no longer exists, which a new
// player could take over at the same address.
TEST(WorldSeasonChange, AnEndedCareerLeavesTheNationalSquad) {
    SeedRandom(5);
    CalendarWorld fixture({.continents = 1, .nations = 2});
    GameDateScope date(Date(2003, 6, 30));
    CNation& home = fixture.Nation(0, 0);
    auto weak = MakeCalendarPlayer(1, 3, 5);
    weak->strengthTalent = 0x11;  // the weakest class: he becomes a coach or the like
    const CPlayer* ended = weak.get();
    fixture.Nation(0, 1).nationalTeam.squad.push_back(LendPlayer(weak.get()));
    home.freePlayers.push_back(std::move(weak));

    fixture.world.EndSeason();

    size_t index = 0;
    EXPECT_FALSE(fixture.Nation(0, 1).nationalTeam.FindPlayer(ended, index));
    EXPECT_TRUE(home.endedCareers.empty());
}

// A day whose code carries only a number, or nothing, is no match day.
TEST(WorldSeasonChange, ADayWithoutCompetitionCollectsNothing) {
    CalendarWorld fixture;
    g_gameDate = Date(2003, 7, 7);
    CMatch stray;
    for (CompetitionMask code : {CompetitionMask{0}, CompetitionMask{100}}) {
        g_dayCodes[0] = code;
        std::vector<CMatch*> matches = {&stray};
        EXPECT_FALSE(fixture.world.CollectTodaysMatches(matches));
        EXPECT_EQ(matches.size(), 1u);
    }
    g_dayCodes.fill(0);
}

}  // namespace
