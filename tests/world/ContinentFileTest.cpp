#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "tests/world/FileFormChecks.h"
#include "tests/world/NationSamples.h"
#include "world/Continent.h"

namespace {

void FillContinent(CContinent& c) {
    c.name = "Europe";
    c.shortName = "EHF";
    c.president = "Con Tinent";
    c.presidentBirthday = 0x07A50607;
    c.hostNation = 1;
    for (int i = 0; i < 2; ++i) {
        c.nations.push_back(std::make_unique<CNation>());
        FillNation(*c.nations.back());
    }
    c.clubCups.push_back(std::make_unique<CCup>(kCupContinental));
    c.clubCups.back()->name = "champions cup";
    c.championship.name = "championship";
    c.clubCup.name = "club cup";
    c.superCup.name = "super cup";
    c.extraCups[CContinent::kChampionshipQualification].name = "championship qual.";
    c.extraCups[CContinent::kWorldCupQualification].name = "world cup qual.";
}

class ContinentFileTest : public ::testing::TestWithParam<uint8_t> {};

TEST_P(ContinentFileTest, FilledContinentRoundTrips) {
    CContinent c;
    FillContinent(c);
    ExpectRoundTrip(c, GetParam());
}

TEST_P(ContinentFileTest, NewContinentRoundTrips) {
    CContinent c;
    ExpectRoundTrip(c, GetParam());
}

TEST_P(ContinentFileTest, EveryCutFails) {
    CContinent c;
    FillContinent(c);
    const std::vector<uint8_t> bytes = WrittenBytes(c, GetParam());
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        MemoryFile in(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
        CContinent target;
        EXPECT_FALSE(target.Read(in, GetParam())) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(WorldFileAndSaveGame, ContinentFileTest, ::testing::Values(0, 1));

TEST(ContinentFile, HostAndQualificationCupsOnlyInSaveGames) {
    CContinent c;
    FillContinent(c);

    MemoryFile world(WrittenBytes(c, 0));
    CContinent fromWorld;
    ASSERT_TRUE(fromWorld.Read(world, 0));
    EXPECT_EQ(fromWorld.hostNation, 0);
    EXPECT_TRUE(fromWorld.extraCups[0].name.empty());
    EXPECT_EQ(fromWorld.extraCups[1].kind, kCupPlayoff);
    EXPECT_EQ(fromWorld.superCup.name, "super cup");
    EXPECT_EQ(fromWorld.nations.size(), 2u);

    MemoryFile save(WrittenBytes(c, 1));
    CContinent fromSave;
    ASSERT_TRUE(fromSave.Read(save, 1));
    EXPECT_EQ(fromSave.hostNation, 1);
    EXPECT_EQ(fromSave.extraCups[1].name, "world cup qual.");
}

// The last bytes of a save game are the second qualification cup: a file
// cut there is refused like any other.
TEST(ContinentFile, SaveGameCutInTheQualificationCupsFails) {
    CContinent c;
    FillContinent(c);
    std::vector<uint8_t> bytes = WrittenBytes(c, 1);
    bytes.pop_back();
    MemoryFile in(bytes);
    CContinent target;
    EXPECT_FALSE(target.Read(in, 1));
}

TEST(ContinentFile, TooManyNationsAreNotWritten) {
    CContinent c;
    for (size_t i = 0; i <= CContinent::kMaxListSize; ++i)
        c.nations.push_back(std::make_unique<CNation>());
    MemoryFile f;
    EXPECT_FALSE(c.Write(f, 0));
}

}  // namespace
