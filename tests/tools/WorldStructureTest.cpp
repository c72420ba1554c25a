#include <gtest/gtest.h>

#include <functional>

#include "tests/world/CalendarWorldFixture.h"
#include "tools/simulate/WorldStructure.h"

namespace {

// One fault planted in a small world, and whether each check finds it.
struct PlantedFault {
    const char* name;
    std::function<void(CalendarWorld&)> plant;
    std::function<void(CalendarWorld&)> undo;  // gives the world its owners back
    bool clubFault, playerFault, sheetFault, coachFault;
};

CTeam* Club(CalendarWorld& w, int nation, int club) { return w.League(0, nation).clubs[club].get(); }

// Every list that does not own its entries gives them up before the end.
void Release(std::vector<std::unique_ptr<CTeam>>& list) { list.back().release(), list.pop_back(); }
void Release(PlayerList& list) { list.back().release(), list.pop_back(); }

const PlantedFault kFaults[] = {
    {"a sound world", [](CalendarWorld&) {}, [](CalendarWorld&) {}, false, false, false, false},
    {"a club in two leagues",
     [](CalendarWorld& w) { w.League(0, 1).clubs.emplace_back(Club(w, 0, 2)); },
     [](CalendarWorld& w) { Release(w.League(0, 1).clubs); }, true, true, false, false},
    {"a league club also outside the leagues",
     [](CalendarWorld& w) { w.Nation(0, 0).extraTeams.emplace_back(Club(w, 0, 1)); },
     [](CalendarWorld& w) { Release(w.Nation(0, 0).extraTeams); }, true, true, false, false},
    {"a player in two squads",
     [](CalendarWorld& w) { Club(w, 1, 3)->squad.emplace_back(Club(w, 0, 0)->squad[4].get()); },
     [](CalendarWorld& w) { Release(Club(w, 1, 3)->squad); }, false, true, false, false},
    {"a player both in a squad and free",
     [](CalendarWorld& w) { w.Nation(0, 1).freePlayers.emplace_back(Club(w, 0, 0)->squad[0].get()); },
     [](CalendarWorld& w) { Release(w.Nation(0, 1).freePlayers); }, false, true, false, false},
    {"a national squad lending a player nobody owns",
     [](CalendarWorld& w) {
         static CPlayer nobodys;
         w.Nation(0, 0).nationalTeam.squad.push_back(LendPlayer(&nobodys));
     },
     [](CalendarWorld& w) { w.Nation(0, 0).nationalTeam.squad.clear(); }, false, true, false, false},
    {"a squad too short for the first match day",
     [](CalendarWorld& w) { Club(w, 0, 5)->squad.resize(11); }, [](CalendarWorld&) {}, false, false, true, false},
    {"a nation that plays without a national coach",
     [](CalendarWorld& w) { w.Nation(0, 1).nationalTeam.coachSurname.clear(); }, [](CalendarWorld&) {}, false,
     false, false, true},
    {"a nation that only draws its results without one",
     [](CalendarWorld& w) {
         w.Nation(0, 1).nationalTeam.coachSurname.clear();
         w.League(0, 1).flags |= kLeaguePassive;
     },
     [](CalendarWorld&) {}, false, false, false, false},
};

}  // namespace

TEST(WorldStructure, EachCheckFindsItsFaultAndOnlyItsFault) {
    for (const PlantedFault& fault : kFaults) {
        SCOPED_TRACE(fault.name);
        CalendarWorld w;
        for (const auto& league : w.Nation(0, 0).leagues)
            league->StartSeason();
        for (int n = 0; n < 2; ++n)
            w.Nation(0, n).nationalTeam.coachSurname = "Coach";
        fault.plant(w);
        EXPECT_EQ(!CheckClubPlaces(w.world).empty(), fault.clubFault);
        EXPECT_EQ(!CheckPlayerOwners(w.world).empty(), fault.playerFault);
        EXPECT_EQ(!CheckFirstMatchDaySheets(w.world, DayCode::kTopLeagues | 1).empty(), fault.sheetFault);
        EXPECT_EQ(!CheckNationalCoaches(w.world).empty(), fault.coachFault);
        fault.undo(w);
    }
}

// Only a league that plays its first match day that day is held to its
// sheets: not on a cup day, not once it has played, not when passive.
TEST(WorldStructure, ShortSquadsCountOnlyOnTheirLeaguesFirstMatchDay) {
    CalendarWorld w({.nations = 1});
    CLeague& league = w.League(0, 0);
    league.StartSeason();
    league.clubs[0]->squad.resize(5);
    EXPECT_EQ(CheckFirstMatchDaySheets(w.world, DayCode::kTopLeagues | 1).size(), 1u);
    EXPECT_TRUE(CheckFirstMatchDaySheets(w.world, DayCode::kLowerLeagues | 1).empty());
    EXPECT_TRUE(CheckFirstMatchDaySheets(w.world, DayCode::kFirstNationalCup | 1).empty());
    league.currentMatchDay = 2;
    EXPECT_TRUE(CheckFirstMatchDaySheets(w.world, DayCode::kTopLeagues | 2).empty());
    league.currentMatchDay = 1;
    league.flags |= kLeaguePassive;
    EXPECT_TRUE(CheckFirstMatchDaySheets(w.world, DayCode::kTopLeagues | 1).empty());
}

TEST(WorldStructure, WorldCheckRemarksAreCountedByKind) {
    CalendarWorld w({.nations = 1});
    w.League(0, 0).clubs[0]->squad.resize(9);
    w.League(0, 0).clubs[1]->squad.resize(8);
    EXPECT_NE(SummariseWorldCheck(w.world).find("only # players: 2"), std::string::npos)
        << SummariseWorldCheck(w.world);
}
