#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "tests/world/CalendarWorldFixture.h"
#include "tools/simulate/QualifierReport.h"

namespace {

// Two continents of four nations. Season 2004/05 played the championships'
// qualification: continent 0's sent its first two, Nation 3 and Nation 4,
// to the championship of 2005/06, which also takes last time's winner
// (Nation 1) and its organiser (Nation 2). Continent 1 played none.
struct QualifiedWorld : CalendarWorld {
    QualifiedWorld() : CalendarWorld({.continents = 2, .nations = 4, .leagues = 0}) {
        CContinent& continent = *world.continents[0];
        CCup& qualification = continent.extraCups[CContinent::kChampionshipQualification];
        qualification.name = "Qualification";
        qualification.takesPlace = 1;
        qualification.roundCount = 1;
        qualification.cumulativePlaces = {2, 4};
        qualification.currentMatchDay = 3;  // after both legs
        qualification.ranking = {Team(2), Team(3), Team(1)};
        CCup& championship = continent.championship;
        championship.name = "Championship";
        championship.takesPlace = 1;
        championship.flags = kCupExtraPlace;
        championship.cumulativePlaces = {1, 3};
        championship.ranking = {Team(0)};
        continent.hostNation = 1;
        championship.participants = {Team(0), Team(2), Team(3), Team(1)};
    }
    CTeam* Team(int nation) { return &Nation(0, nation).nationalTeam; }
};

TEST(QualifierReport, ListsWhatEachContinentsQualificationSends) {
    QualifiedWorld w;
    const QualifierReport report = MakeQualifierReport(w.world, 2004);
    std::ostringstream out;
    PrintQualifierReport(out, report);
    EXPECT_EQ(out.str(),
              "Qualifiers of 2004/05\n"
              "  Continent 0: Qualification - Nation 3, Nation 4\n"
              "  Continent 1: no qualification\n");
    EXPECT_TRUE(CheckQualifiedTournaments(w.world, report).empty());
}

// A fault planted in the qualification or the tournament that follows it.
TEST(QualifierReport, TellsATournamentThatDoesNotPlayItsQualifiers) {
    struct Case {
        const char* what;
        std::function<void(QualifiedWorld&)> plant;
        std::vector<std::string> reportFaults, checkFaults;
    };
    const Case cases[] = {
        {"a qualifier left out",
         [](QualifiedWorld& w) { w.world.continents[0]->championship.participants[2] = &g_noClubTeam; },
         {},
         {"Nation 4 qualified in Qualification but does not play Championship"}},
        {"a team that did not qualify",
         [](QualifiedWorld& w) { w.world.continents[0]->hostNation = 0; },
         {},
         {"Nation 2 plays Championship without qualifying in Qualification"}},
        {"no championship",
         [](QualifiedWorld& w) { w.world.continents[0]->championship.takesPlace = 0; },
         {},
         {"Championship does not take place, though Qualification was played"}},
        {"a qualification not over",
         [](QualifiedWorld& w) {
             w.world.continents[0]->extraCups[CContinent::kChampionshipQualification].currentMatchDay = 2;
         },
         {"Qualification did not finish"},
         {}},
        {"too short a ranking",
         [](QualifiedWorld& w) {
             w.world.continents[0]->extraCups[CContinent::kChampionshipQualification].ranking.resize(1);
         },
         {"Qualification sends 1 teams, not 2"},
         {"Nation 4 plays Championship without qualifying in Qualification"}},
    };
    for (const Case& c : cases) {
        QualifiedWorld w;
        c.plant(w);
        const QualifierReport report = MakeQualifierReport(w.world, 2004);
        EXPECT_EQ(report.faults, c.reportFaults) << c.what;
        EXPECT_EQ(CheckQualifiedTournaments(w.world, report), c.checkFaults) << c.what;
    }
}

// The world cup's qualification of 2005/06 sends to the world cup of
// 2006/07, beside the last winner and the organiser of any continent.
TEST(QualifierReport, TheWorldCupTakesItsQualifiersBesideWinnerAndOrganiser) {
    QualifiedWorld w;
    CContinent& continent = *w.world.continents[0];
    continent.extraCups[CContinent::kWorldCupQualification] =
        std::move(continent.extraCups[CContinent::kChampionshipQualification]);
    CCup& worldCup = w.world.worldCup;
    worldCup.name = "World Cup";
    worldCup.takesPlace = 1;
    worldCup.flags = kCupExtraPlace;
    worldCup.cumulativePlaces = {1, 3, 3};
    worldCup.ranking = {w.Team(0)};
    w.world.worldCupHost = 0x0001;
    worldCup.participants = {w.Team(0), w.Team(2), w.Team(3), w.Team(1), &w.Nation(1, 0).nationalTeam};

    const QualifierReport report = MakeQualifierReport(w.world, 2005);
    EXPECT_TRUE(report.faults.empty());
    EXPECT_TRUE(CheckQualifiedTournaments(w.world, report).empty());
    w.world.worldCupHost = 0x0100;
    EXPECT_EQ(CheckQualifiedTournaments(w.world, report),
              std::vector<std::string>{"Nation 2 plays World Cup without qualifying in Qualification"});
}

}  // namespace
