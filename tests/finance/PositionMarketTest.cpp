#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "finance/PositionMarket.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

// A club of the sample world's second nation; its first nation shares the
// number, so the nation's searches take in both, in the world's order.
class PositionMarketTest : public ::testing::Test {
protected:
    void SetUp() override {
        world = MakeSampleWorld({.players = 20});
        g_gameDate = Date(2004, 8, 1);
        CNation& first = *world->continents[0]->nations[0];
        CNation& nation = *world->continents[1]->nations[1];
        first.nationNumber = nation.nationNumber;
        club.emplace(ComputerClub{nation, *nation.leagues[0], *nation.leagues[0]->clubs[1]});
    }
    void TearDown() override { g_manager.world = nullptr; }

    std::vector<CPlayer*> WorldSearch(PlayerSearchFilter filter, int position) const {
        filter.oneNation = true;
        filter.nationNumber = club->nation.nationNumber;
        filter.positionMask = static_cast<uint8_t>(1u << position);
        std::vector<CPlayer*> found;
        world->SearchPlayers(found, filter);
        return found;
    }

    std::unique_ptr<CWorld> world;
    std::optional<ComputerClub> club;
};

}  // namespace

TEST_F(PositionMarketTest, FindsWhatTheWorldSearchFindsAtEachPosition) {
    struct Case {
        const char* what;
        uint16_t strength;
        uint8_t talent;
        uint32_t age;
        bool listedOnly;
        bool contractEndsOnly;
    };
    const Case cases[] = {
        {"everyone", 0, 0, 0, false, false},
        {"strong and talented", 0x7C0, 0x0C, 0, false, false},
        {"of prime age", 0, 0, 0xFFC0, false, false},
        {"listed", 0, 0, 0, true, false},
        {"with contracts that end", 0x3E, 0x03, 0x1F, false, true},
    };
    const PositionMarket market(*club);
    size_t total = 0;
    for (const Case& c : cases) {
        PlayerSearchFilter filter;
        filter.strengthMask = c.strength;
        filter.talentMask = c.talent;
        filter.ageMask = c.age;
        filter.listedOnly = c.listedOnly;
        filter.contractEndsOnly = c.contractEndsOnly;
        for (int p = 0; p < kPositionCount; ++p) {
            const std::vector<CPlayer*> found = WorldSearch(filter, p);
            EXPECT_EQ(market.Search(p, filter), found) << c.what << " at position " << p;
            total += found.size();
        }
    }
    EXPECT_GT(total, 0u) << "the cases find someone";
}

// The market keeps who plays where; the transfer list is read at the search.
TEST_F(PositionMarketTest, SeesListingsMadeAfterItWasBuilt) {
    const PositionMarket market(*club);
    CPlayer& player = *club->nation.leagues[1]->clubs[2]->squad[4];
    const int position = player.GetPosition();
    PlayerSearchFilter listed;
    listed.listedOnly = true;
    ASSERT_TRUE(club->nation.AddToTransferList(&player, 0, false, false, false));
    const std::vector<CPlayer*> found = market.Search(position, listed);
    EXPECT_NE(std::find(found.begin(), found.end(), &player), found.end());
    EXPECT_EQ(found, WorldSearch(listed, position));
}
