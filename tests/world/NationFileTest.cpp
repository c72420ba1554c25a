#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "tests/world/FileFormChecks.h"
#include "tests/world/NationSamples.h"

namespace {

class NationFileTest : public ::testing::TestWithParam<uint8_t> {};

TEST_P(NationFileTest, FilledNationRoundTrips) {
    CNation nation;
    FillNation(nation);
    ExpectRoundTrip(nation, GetParam());
}

TEST_P(NationFileTest, NewNationRoundTrips) {
    CNation nation;
    ExpectRoundTrip(nation, GetParam());
}

// The nation's reader may be left partly filled, but it never reads
// past the end and never reports a cut file as read.
TEST_P(NationFileTest, EveryCutFails) {
    CNation nation;
    FillNation(nation);
    const std::vector<uint8_t> bytes = WrittenBytes(nation, GetParam());
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        MemoryFile in(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
        CNation target;
        EXPECT_FALSE(target.Read(in, GetParam())) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(WorldFileAndSaveGame, NationFileTest, ::testing::Values(0, 1));

TEST(NationFile, WorldFileLeavesOutTheSaveGameParts) {
    CNation nation;
    FillNation(nation);
    MemoryFile f(WrittenBytes(nation, 0));
    CNation copy;
    ASSERT_TRUE(copy.Read(f, 0));
    EXPECT_TRUE(copy.extraTeams.empty());
    EXPECT_TRUE(copy.freePlayers.empty());
    EXPECT_TRUE(copy.nationalTeam.name.empty());
    EXPECT_EQ(copy.nationalTeam.coachSurname, "Coach");
    EXPECT_EQ(copy.leagues.size(), 2u);
    EXPECT_EQ(copy.cups.size(), 3u);
}

TEST(NationFile, SaveGameKeepsTheNationalTeamAndPools) {
    CNation nation;
    FillNation(nation);
    MemoryFile f(WrittenBytes(nation, 1));
    CNation copy;
    ASSERT_TRUE(copy.Read(f, 1));
    ASSERT_EQ(copy.extraTeams.size(), 1u);
    EXPECT_EQ(copy.extraTeams[0]->name, "Extra");
    EXPECT_EQ(copy.nationalTeam.name, "Germany");
    EXPECT_EQ(copy.nationalTeam.titles, nation.nationalTeam.titles);
    EXPECT_EQ(copy.nationalTeam.arena.GetName(), "National Hall");
    ASSERT_EQ(copy.coachPool.size(), 2u);
    EXPECT_EQ(copy.coachPool[1].surname, "Trainer");
    EXPECT_EQ(copy.coachPool[1].birthday, 0x07B90202u);
    EXPECT_EQ(copy.keeperCoachPool[0].name, "Kai Keeper");
}

// Names first, then all birthdays, then all codes.
TEST(NationFile, StaffPoolIsStoredColumnByColumn) {
    CNation nation;
    nation.managerPool = {{"A", "B", 0x01020304, 0x05}, {"C", "D", 0x0A0B0C0D, 0x06}};
    const std::vector<uint8_t> bytes = WrittenBytes(nation, 0);
    const std::vector<uint8_t> pool = {2, 1, 'A', 1, 'B', 1, 'C', 1, 'D', 0x04, 0x03, 0x02, 0x01,
                                       0x0D, 0x0C, 0x0B, 0x0A, 0x05, 0x06};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), pool.begin(), pool.end()), bytes.end());
}

// A nation stored with fewer cups still has its national cup and super cup.
TEST(NationFile, FewerThanTwoCupsKeepTheConstructorCups) {
    for (size_t kept : {0u, 1u}) {
        CNation nation;
        nation.cups.resize(kept);
        if (kept)
            nation.cups[0]->name = "only cup";
        MemoryFile f(WrittenBytes(nation, 0));
        CNation copy;
        ASSERT_TRUE(copy.Read(f, 0)) << kept;
        EXPECT_EQ(f.Position(), f.Bytes().size());
        ASSERT_EQ(copy.cups.size(), 2u);
        EXPECT_EQ(copy.cups[1]->kind, kCupNationalSuper);
        if (kept)
            EXPECT_EQ(copy.cups[0]->name, "only cup");
        else
            EXPECT_EQ(copy.cups[0]->kind, kCupNational);
    }
}

TEST(NationFile, ListTooLongForItsCountIsNotWritten) {
    CNation nation;
    nation.keeperCoachPool.resize(256);
    MemoryFile f;
    EXPECT_FALSE(nation.Write(f, 0));
}

}  // namespace
