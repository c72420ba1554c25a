#include <gtest/gtest.h>

#include <utility>

#include "tools/sample-world/SampleWorld.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/World.h"

namespace {

class WorldRefsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SampleWorldSize size;
        size.nations = 3;
        size.extraTeams = 5;
        world = MakeSampleWorld(size);
    }
    void TearDown() override { g_manager.world = nullptr; }

    template <typename T>
    T* Resolve(WorldRef ref, RefLevel level) const {
        const WorldObject found = world->ResolveRef(ref, level);
        T* const* object = std::get_if<T*>(&found);
        return object ? *object : nullptr;
    }

    CNation& ThirdNationOfSecondContinent() const { return *world->continents[1]->nations[2]; }

    std::unique_ptr<CWorld> world;
};

}  // namespace

TEST_F(WorldRefsTest, NationLevelTeamsOfThirdNationOfSecondContinent) {
    CNation& nation = ThirdNationOfSecondContinent();
    EXPECT_EQ(world->GetTeamRef(&nation.nationalTeam), 0x0102FF00u);
    EXPECT_EQ(world->GetTeamRef(nation.extraTeams[0].get()), 0x0102FF01u);
    EXPECT_EQ(world->GetTeamRef(&g_noClubTeam), kRefNotFound);

    EXPECT_EQ(Resolve<CTeam>(0x0102FF00, RefLevel::kLeague), &nation.nationalTeam);
    EXPECT_EQ(Resolve<CTeam>(0x0102FF01, RefLevel::kLeague), &g_noClubTeam);
    EXPECT_EQ(world->ResolveTeam(0x0102FF05), nation.extraTeams[4].get());
    nation.extraTeams.pop_back();
    EXPECT_EQ(world->ResolveTeam(0x0102FF05), &g_noClubTeam);
}

TEST_F(WorldRefsTest, LevelFlagsStopAtTheirLevelAndOutOfRangeGivesNoClub) {
    CNation& nation = ThirdNationOfSecondContinent();
    EXPECT_EQ(Resolve<CLeague>(0x010201FF, RefLevel::kLeague), nation.leagues[1].get());
    EXPECT_EQ(Resolve<CNation>(0x0102FFFF, RefLevel::kNation), &nation);
    EXPECT_EQ(Resolve<CContinent>(0x01FFFFFF, RefLevel::kContinent), world->continents[1].get());
    for (WorldRef bad : {kRefNotFound, 0x02000000u, 0x01030000u, 0x01020200u, 0x01020006u})
        EXPECT_EQ(Resolve<CTeam>(bad, RefLevel::kTeam), &g_noClubTeam) << std::hex << bad;
    EXPECT_EQ(Resolve<CTeam>(0x01030000, RefLevel::kNation), &g_noClubTeam);
}

TEST_F(WorldRefsTest, EveryTeamResolvesBackToItself) {
    size_t teams = 0;
    auto check = [&](CTeam* team) {
        ++teams;
        EXPECT_EQ(world->ResolveTeam(world->GetTeamRef(team)), team) << team->name;
    };
    for (const auto& continent : world->continents)
        for (const auto& nation : continent->nations) {
            for (const auto& league : nation->leagues)
                for (const auto& club : league->clubs)
                    check(club.get());
            check(&nation->nationalTeam);
            for (const auto& extra : nation->extraTeams)
                check(extra.get());
        }
    EXPECT_EQ(teams, 2u * 3 * (2 * 6 + 1 + 5));
}

TEST_F(WorldRefsTest, PlayersAreNamedByTheirClubOnly) {
    CNation& nation = ThirdNationOfSecondContinent();
    uint8_t index = 99;
    CTeam& club = *nation.leagues[1]->clubs[3];
    EXPECT_EQ(world->GetPlayerRef(club.squad[7].get(), index), 0x01020103u);
    EXPECT_EQ(index, 7);
    EXPECT_EQ(world->GetPlayerRef(nation.extraTeams[2]->squad[1].get(), index), 0x0102FF03u);
    EXPECT_EQ(index, 1);

    CPlayer* freePlayer = nation.freePlayers.front().get();
    nation.nationalTeam.squad.push_back(LendPlayer(freePlayer));
    EXPECT_EQ(world->GetPlayerRef(freePlayer, index), kRefNotFound);
    EXPECT_EQ(index, 0);
}

// The place where a player was last found may be stale: he is named by
// where he stands now.
TEST_F(WorldRefsTest, PlayersAreNamedWhereTheyStandAfterTheirSquadsChanged) {
    CNation& nation = ThirdNationOfSecondContinent();
    CLeague& league = *nation.leagues[1];
    CPlayer* player = league.clubs[3]->squad[7].get();
    uint8_t index = 99;
    ASSERT_EQ(world->GetPlayerRef(player, index), 0x01020103u);

    league.clubs[3]->RemovePlayer(league.clubs[3]->squad[0].get());
    EXPECT_EQ(world->GetPlayerRef(player, index), 0x01020103u);
    EXPECT_EQ(index, 6);

    std::swap(league.clubs[3], league.clubs[4]);
    EXPECT_EQ(world->GetPlayerRef(player, index), 0x01020104u);
    EXPECT_EQ(index, 6);

    CTeam& buyer = *nation.leagues[0]->clubs[1];
    buyer.AddPlayer(league.clubs[4]->RemovePlayer(player));
    EXPECT_EQ(world->GetPlayerRef(player, index), 0x01020001u);
    EXPECT_EQ(index, buyer.squad.size() - 1);

    nation.freePlayers.push_back(buyer.RemovePlayer(player));
    EXPECT_EQ(world->GetPlayerRef(player, index), kRefNotFound);
    EXPECT_EQ(index, 0);
}

// Looked for first in a likely nation, a player is named as the search of
// the whole world names him, wherever he plays.
TEST_F(WorldRefsTest, ALikelyNationChangesNoPlayersReference) {
    CNation& nation = ThirdNationOfSecondContinent();
    CNation& other = *world->continents[0]->nations[1];
    const CNation outsider;
    struct Case {
        const char* what;
        const CPlayer* player;
        WorldRef ref;
        uint8_t index;
    };
    const Case cases[] = {
        {"league club", nation.leagues[1]->clubs[3]->squad[7].get(), 0x01020103u, 7},
        {"extra team", nation.extraTeams[2]->squad[1].get(), 0x0102FF03u, 1},
        {"free player", nation.freePlayers.front().get(), kRefNotFound, 0},
    };
    for (const Case& c : cases)
        for (const CNation* likely : {&std::as_const(nation), &std::as_const(other), &outsider}) {
            SCOPED_TRACE(::testing::Message() << c.what << ", likely nation " << likely);
            c.player->foundAt = {};
            uint8_t index = 99;
            EXPECT_EQ(world->GetPlayerRef(c.player, index, likely), c.ref);
            EXPECT_EQ(index, c.index);
        }
}

// Where a team was last found may be stale: it is named where it stands now.
TEST_F(WorldRefsTest, TeamsAreNamedWhereTheyStandAfterTheTreeChanged) {
    CNation& nation = ThirdNationOfSecondContinent();
    CLeague& league = *nation.leagues[1];
    const CTeam* club = league.clubs[3].get();
    ASSERT_EQ(world->GetTeamRef(club), 0x01020103u);
    std::swap(league.clubs[3], league.clubs[4]);
    EXPECT_EQ(world->GetTeamRef(club), 0x01020104u);
    EXPECT_EQ(world->GetTeamRef(league.clubs[3].get()), 0x01020103u);

    const CTeam* extra = nation.extraTeams.back().get();
    ASSERT_EQ(world->GetTeamRef(extra), 0x0102FF05u);
    nation.extraTeams.front().swap(nation.extraTeams.back());
    EXPECT_EQ(world->GetTeamRef(extra), 0x0102FF01u);
    std::unique_ptr<CTeam> gone = std::move(nation.extraTeams.front());
    nation.extraTeams.erase(nation.extraTeams.begin());
    EXPECT_EQ(world->GetTeamRef(gone.get()), kRefNotFound);
    EXPECT_EQ(world->GetTeamRef(&g_noClubTeam), kRefNotFound);
}
