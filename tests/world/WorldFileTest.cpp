#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/World.h"

namespace {

std::vector<uint8_t> WriteWorld(const CWorld& world, uint8_t saveGame) {
    MemoryFile f;
    EXPECT_TRUE(world.Write(f, saveGame));
    return f.Bytes();
}

bool ReadWorld(CWorld& world, std::vector<uint8_t> bytes, uint8_t saveGame) {
    g_manager.world = &world;
    MemoryFile f(std::move(bytes));
    return world.Read(f, saveGame);
}

size_t CountDeals(const CWorld& world) {
    size_t deals = 0;
    for (const auto& continent : world.continents)
        for (const auto& nation : continent->nations)
            deals += nation->listedPlayers.size() + nation->transferTalks.size() + nation->agreedTransfers.size() +
                     nation->nationalTeam.squad.size();
    return deals;
}

class WorldFileTest : public ::testing::TestWithParam<uint8_t> {
protected:
    void TearDown() override { g_manager.world = nullptr; }
};

}  // namespace

TEST_P(WorldFileTest, ReadAndWrittenAgainGivesTheSameBytes) {
    const uint8_t saveGame = GetParam();
    auto original = MakeSampleWorld();
    const auto bytes = WriteWorld(*original, saveGame);

    CWorld copy;
    ASSERT_TRUE(ReadWorld(copy, bytes, saveGame));
    EXPECT_EQ(WriteWorld(copy, saveGame), bytes);
    ASSERT_EQ(copy.continents.size(), 2u);
    EXPECT_EQ(copy.continents[1]->nations[1]->leagues[1]->clubs[5]->squad.size(), 14u);
    EXPECT_EQ(copy.DroppedNationalPlayers(), 0u);
    // The save game carries squads and deals; the world file neither.
    EXPECT_EQ(CountDeals(copy), saveGame ? CountDeals(*original) : 0u);
    EXPECT_GT(CountDeals(*original), 0u);
}

TEST(WorldFileFormTest, ClubsOfCupsAndMatchesAreTheReadWorldsOwn) {
    auto original = MakeSampleWorld();
    CLeague& league = *original->continents[1]->nations[0]->leagues[0];
    league.StartSeason();
    league.SetMatchDayOpponents();
    ASSERT_FALSE(league.matches.empty());
    const auto bytes = WriteWorld(*original, 1);

    CWorld copy;
    ASSERT_TRUE(ReadWorld(copy, bytes, 1));
    const CLeague& read = *copy.continents[1]->nations[0]->leagues[0];
    ASSERT_EQ(read.matches.size(), league.matches.size());
    for (size_t i = 0; i < read.matches.size(); ++i) {
        int home = -1, away = -1;
        ASSERT_TRUE(read.FindTeam(read.matches[i]->home.team, home));
        ASSERT_TRUE(read.FindTeam(read.matches[i]->away.team, away));
        int originalHome = -1;
        league.FindTeam(league.matches[i]->home.team, originalHome);
        EXPECT_EQ(home, originalHome);
    }
    const CCup& cup = *copy.continents[0]->nations[0]->cups[CNation::kNationalCup];
    ASSERT_FALSE(cup.participants.empty());
    for (const CTeam* team : cup.participants)
        EXPECT_EQ(copy.ResolveTeam(copy.GetTeamRef(team)), team);
    ASSERT_FALSE(copy.worldCup.participants.empty());
    EXPECT_EQ(copy.worldCup.participants[0], &copy.continents[0]->nations[0]->nationalTeam);
}

TEST_P(WorldFileTest, CutFileFailsAndClearLeavesAnEmptyWorld) {
    const uint8_t saveGame = GetParam();
    auto original = MakeSampleWorld();
    const auto bytes = WriteWorld(*original, saveGame);
    std::vector<size_t> cuts;
    for (size_t cut = 0; cut < bytes.size(); cut += 97)
        cuts.push_back(cut);
    for (size_t cut = bytes.size() > 64 ? bytes.size() - 64 : 0; cut < bytes.size(); ++cut)
        cuts.push_back(cut);
    for (size_t cut : cuts) {
        CWorld world;
        EXPECT_FALSE(ReadWorld(world, std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut), saveGame)) << cut;
        world.Clear();
        EXPECT_TRUE(world.continents.empty());
        EXPECT_TRUE(world.worldCup.drawnRounds.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(WorldFileAndSaveGame, WorldFileTest, ::testing::Values(0, 1));

TEST(WorldFileFormTest, EmptyWorldIsCountTournamentsNamesBirthdayAndYear) {
    CWorld world;
    world.shorthand = "HFW";
    world.startYear = 2005;
    const auto bytes = WriteWorld(world, 0);
    ASSERT_GE(bytes.size(), 1u + 1 + 3 + 1 + 4 + 2);
    EXPECT_EQ(bytes.front(), 0);
    const std::vector<uint8_t> tail(bytes.end() - 11, bytes.end());
    EXPECT_EQ(tail, (std::vector<uint8_t>{3, 'H', 'F', 'W', 0, 0x01, 0x01, 0x9E, 0x07, 0xD5, 0x07}));
    CWorld copy;
    ASSERT_TRUE(ReadWorld(copy, bytes, 0));
    EXPECT_EQ(copy.startYear, 2005);
    g_manager.world = nullptr;
}

// The save game cannot name a national player without a club: he is
// written as nobody and dropped on loading, so both ends report him.
TEST(WorldFileFormTest, ClublessNationalPlayerIsReportedOnSaveAndOnLoad) {
    auto world = MakeSampleWorld();
    CNation& nation = *world->continents[0]->nations[0];
    CPlayer* freePlayer = nation.freePlayers.front().get();
    nation.nationalTeam.squad.push_back(LendPlayer(freePlayer));
    std::vector<CPlayer*> clubless;
    world->FindClublessNationalPlayers(clubless);
    EXPECT_EQ(clubless, std::vector<CPlayer*>{freePlayer});

    const auto bytes = WriteWorld(*world, 1);
    CWorld copy;
    ASSERT_TRUE(ReadWorld(copy, bytes, 1));
    EXPECT_EQ(copy.DroppedNationalPlayers(), 1u);
    EXPECT_EQ(copy.continents[0]->nations[0]->nationalTeam.squad.size(), nation.nationalTeam.squad.size() - 1);
    g_manager.world = nullptr;
}

TEST(WorldFileFormTest, DealThatDoesNotFitTheWorldFailsTheRead) {
    auto world = MakeSampleWorld();
    g_manager.world = world.get();
    CNation& nation = *world->continents[0]->nations[0];
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"squad index beyond the squad", {1, 0, 0, 0, 0, 0, 200}},
        {"club of no continent", {1, 0, 0, 0, 0, 0x20, 0}},
        {"odd pair list", {0, 0, 1, 0}},
        {"entries not parallel to players", {0, 0, 0, 0, 0, 0, 1, 0, 1, 2, 3, 4, 0, 0}},
        {"huge count, short file", {0xFF, 0xFF, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        MemoryFile f(c.bytes);
        EXPECT_FALSE(nation.ReadTransferDeals(f, *world)) << c.what;
    }
    g_manager.world = nullptr;
}
