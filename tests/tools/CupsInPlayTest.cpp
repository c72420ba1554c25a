#include <gtest/gtest.h>

#include <functional>

#include "tests/world/CalendarWorldFixture.h"
#include "tools/simulate/CupsInPlay.h"
#include "world/Cup.h"
#include "world/NoClubTeam.h"

namespace {

CTeam* Club(CalendarWorld& w, int nation, int club) { return w.League(0, nation).clubs[club].get(); }
CCup& NationalCup(CalendarWorld& w) { return *w.Nation(0, 0).cups[CNation::kNationalCup]; }

// A team the world does not hold, as a dissolved club would be.
CTeam* Stranger() {
    static CTeam stranger;
    return &stranger;
}

struct PlantedCupFault {
    const char* name;
    std::function<void(CalendarWorld&)> plant;
    bool fault;
};

const PlantedCupFault kCupFaults[] = {
    {"a sound world", [](CalendarWorld&) {}, false},
    {"clubs and national teams of the world and empty places",
     [](CalendarWorld& w) {
         NationalCup(w).participants = {Club(w, 0, 0), Club(w, 1, 0), &w.Nation(0, 1).nationalTeam, &g_noClubTeam,
                                        &g_noClubTeam};
         NationalCup(w).drawnRounds = {{0, 1, 2, 4}};
         NationalCup(w).ranking = {Club(w, 0, 3), &g_noClubTeam};
     },
     false},
    {"a cup that takes place but no longer fits its nation",
     [](CalendarWorld& w) {
         CCup& cup = NationalCup(w);
         cup.roundCount = 2;
         cup.cumulativePlaces = {0, 4};
         ASSERT_TRUE(cup.PrepareStructure(w.Nation(0, 0).GetCupOwnerView()));
         w.League(0, 0).clubs.resize(3);
     },
     true},
    {"a participant the world does not hold",
     [](CalendarWorld& w) { NationalCup(w).participants = {Club(w, 0, 0), Stranger()}; }, true},
    {"a club twice among the participants",
     [](CalendarWorld& w) { NationalCup(w).participants = {Club(w, 0, 1), Club(w, 0, 1)}; }, true},
    {"a ranking that keeps a team the world does not hold",
     [](CalendarWorld& w) { w.world.continents[0]->clubCup.ranking = {Stranger()}; }, true},
    {"a drawn round naming a participant the cup lacks",
     [](CalendarWorld& w) {
         NationalCup(w).participants = {Club(w, 0, 0), Club(w, 0, 1)};
         NationalCup(w).drawnRounds = {{0, 2}};
     },
     true},
    {"a league's play-off with a participant the world does not hold",
     [](CalendarWorld& w) {
         w.League(0, 1).playoffCups.push_back(std::make_unique<CCup>(kCupPlayoff));
         w.League(0, 1).playoffCups.back()->participants = {Stranger()};
     },
     true},
};

}  // namespace

TEST(CupsInPlay, EachPlantedFaultIsFoundAndASoundWorldPasses) {
    for (const PlantedCupFault& fault : kCupFaults) {
        SCOPED_TRACE(fault.name);
        CalendarWorld w;
        fault.plant(w);
        const std::vector<std::string> faults = CheckCupsInPlay(w.world);
        EXPECT_EQ(!faults.empty(), fault.fault) << (faults.empty() ? "" : faults.front());
    }
}
