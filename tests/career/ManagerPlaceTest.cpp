#include <gtest/gtest.h>

#include <functional>

#include "tools/sample-world/SampleWorld.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

namespace {

struct Place {
    size_t continent, nation, league;
};

// Where a manager without a club lives, for worlds changed in one way each.
TEST(ManagerPlace, WithoutAClubHeLivesWhereMostClubsPlay) {
    struct Case {
        const char* what;
        std::function<void(CWorld&)> change;
        bool placed;
        Place place;
    };
    const auto nation = [](CWorld& w, size_t c, size_t n) -> CNation& { return *w.continents[c]->nations[n]; };
    const Case cases[] = {
        {"equal nations: the first", [](CWorld&) {}, true, {0, 0, 0}},
        {"one club more", [&](CWorld& w) { nation(w, 1, 1).leagues[1]->clubs.push_back(std::make_unique<CTeam>()); },
         true, {1, 1, 0}},
        {"passive leagues do not count",
         [&](CWorld& w) {
             for (auto& league : nation(w, 0, 0).leagues)
                 league->flags |= kLeaguePassive;
         },
         true, {0, 1, 0}},
        {"nothing plays: the first league that would",
         [&](CWorld& w) {
             VisitLeagues(w, [](CNation&, CLeague& league) {
                 league.flags |= kLeaguePassive;
                 league.clubs.clear();
             });
             nation(w, 1, 0).leagues[1]->flags &= ~kLeaguePassive;
         },
         true, {1, 0, 1}},
        {"only passive leagues: the last",
         [](CWorld& w) { VisitLeagues(w, [](CNation&, CLeague& league) { league.flags |= kLeaguePassive; }); }, true,
         {1, 1, 1}},
        {"no league at all",
         [](CWorld& w) { VisitNations(w, [](CNation& n) { n.leagues.clear(); }); }, false, {}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CWorld> world = MakeSampleWorld();
        c.change(*world);
        CManager manager;
        manager.world = world.get();
        EXPECT_EQ(manager.PlaceWithoutClub(), c.placed) << c.what;
        EXPECT_EQ(manager.club, &g_noClubTeam) << c.what;
        if (!c.placed)
            continue;
        CNation& expected = nation(*world, c.place.continent, c.place.nation);
        EXPECT_EQ(manager.continent, world->continents[c.place.continent].get()) << c.what;
        EXPECT_EQ(manager.nation, &expected) << c.what;
        EXPECT_EQ(manager.league, expected.leagues[c.place.league].get()) << c.what;
    }
}

}  // namespace
