#include <gtest/gtest.h>

#include "tools/sample-world/SampleWorld.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/World.h"

namespace {

class WorldQueriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        world = MakeSampleWorld();
        g_gameDate = Date(2004, 8, 1);
        CTeam& club = *world->continents[1]->nations[0]->leagues[1]->clubs[2];
        target = club.squad[3].get();
        target->firstName = "Jan";
        target->lastName = "Van Berk";
        target->strengthTalent = 0xC3;  // class 12, talent 3
        target->skillWords = {0, 0};
        target->positions = 2;  // right back
    }
    void TearDown() override { g_manager.world = nullptr; }

    std::vector<CPlayer*> Search(const PlayerSearchFilter& filter) const {
        std::vector<CPlayer*> found;
        world->SearchPlayers(found, filter);
        return found;
    }

    std::unique_ptr<CWorld> world;
    CPlayer* target = nullptr;
};

}  // namespace

TEST_F(WorldQueriesTest, NameTextSplitsAtTheFirstBlank) {
    PlayerSearchFilter filter;
    filter.skillMask = 0x3FF;  // any field skill: the target has none
    target->skillWords = {0x4000, 0};
    const struct {
        const char* text;
        bool found;
    } cases[] = {{"Jan Van", true}, {"Ja Van B", true}, {"jan Van", false}, {"Van", true},
                 {" Van", false}, {"Jan", false}};
    for (const auto& c : cases) {
        filter.name = c.text;
        const auto found = Search(filter);
        EXPECT_EQ(std::find(found.begin(), found.end(), target) != found.end(), c.found) << c.text;
    }
    target->lastName = " Van";
    filter.name = " Van";
    EXPECT_EQ(Search(filter), std::vector<CPlayer*>{target});
}

TEST_F(WorldQueriesTest, MasksWidenAsTheScreensOfferThem) {
    target->skillWords = {0x2000, 0};  // skill 0 at level 2
    PlayerSearchFilter filter;
    filter.name = "Jan Van";
    filter.strengthMask = 1u << 10;  // "10 and above"
    filter.talentMask = 1u << 3;
    EXPECT_EQ(Search(filter).size(), 1u);
    filter.skillMask = 1u << 1;  // another skill than his
    EXPECT_TRUE(Search(filter).empty());
    filter.skillMask = 1u << 0;
    EXPECT_EQ(Search(filter).size(), 1u);
    target->skillWords = {0, 0};
    filter.skillMask = 0;
    EXPECT_TRUE(Search(filter).empty()) << "no skill at all passes no skill test";
}

TEST_F(WorldQueriesTest, OnlyLeaguePlayersAreFoundAndTheLimitStopsTheWalk) {
    PlayerSearchFilter all;
    const auto found = Search(all);
    CNation& nation = *world->continents[0]->nations[0];
    EXPECT_EQ(std::count(found.begin(), found.end(), nation.extraTeams[0]->squad[0].get()), 0);
    EXPECT_EQ(std::count(found.begin(), found.end(), nation.freePlayers[0].get()), 0);
    all.maxResults = 5;
    EXPECT_EQ(Search(all).size(), 5u);
    all.maxResults = 0;
    all.oneNation = true;
    all.nationNumber = nation.nationNumber;
    for (CPlayer* p : Search(all))
        EXPECT_EQ(p->nationality, nation.nationNumber);
}

TEST_F(WorldQueriesTest, ContainsPlayerLooksWhereItIsAsked) {
    CNation& nation = *world->continents[0]->nations[1];
    const CPlayer* freePlayer = nation.freePlayers[0].get();
    const CPlayer* extra = nation.extraTeams[1]->squad[0].get();
    EXPECT_TRUE(world->ContainsPlayer(target, false, false));
    EXPECT_FALSE(world->ContainsPlayer(freePlayer, true, false));
    EXPECT_TRUE(world->ContainsPlayer(freePlayer, false, true));
    EXPECT_FALSE(world->ContainsPlayer(extra, false, true));
    EXPECT_TRUE(world->ContainsPlayer(extra, true, false));
    EXPECT_TRUE(world->IsNationalPlayer(nation.nationalTeam.squad[0].get()));
    EXPECT_FALSE(world->IsNationalPlayer(extra));
}

TEST_F(WorldQueriesTest, ClubPlayersAnswerContainsPlayerForAll) {
    CNation& nation = *world->continents[0]->nations[1];
    const CPlayer* asked[] = {target, nation.freePlayers[0].get(), nation.extraTeams[1]->squad[0].get(),
                              nation.nationalTeam.squad[0].get()};
    for (const bool extraTeams : {false, true}) {
        const auto clubPlayers = world->CollectClubPlayers(extraTeams);
        for (const CPlayer* player : asked)
            EXPECT_EQ(clubPlayers.count(player) == 1, world->ContainsPlayer(player, extraTeams, false))
                << player->GetDisplayName(false) << (extraTeams ? " with" : " without") << " extra teams";
    }
}
