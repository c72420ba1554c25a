#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/BlockScrambler.h"
#include "app/ConfigFile.h"
#include "app/Highscore.h"
#include "app/StateBlock.h"
#include "finance/InterestRates.h"
#include "platform/BinaryFile.h"
#include "platform/Path.h"
#include "tests/TempFolder.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> CountingBytes(size_t n) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

StateBlock ChangedState() {
    StateBlock s;
    s.gameDate = Date(2007, 3, 14, 12, 30);
    s.planWeek = 33;
    s.dayCodes[0] = 0x1234;
    s.dayCodes[365] = 0xFFFF;
    s.statPage[11] = 9;
    s.weekTrainingRow[14] = 3;
    s.matchTempo = {4, 5};
    s.options = 0x13C80000;
    s.matchListTop = 0xBEEF;
    s.interestRates = {1, 2, 3};
    s.skinFolder = "Bitmaps\\Night\\";
    s.fontFaceName = "Times New Roman";
    s.showEvents = false;
    s.music.on = false;
    s.music.nextIndex = {-1, 70000};
    s.music.folder = "/home/me/music/";
    s.music.titles = {"a.mp3", "b.ogg.mp3"};
    s.music.titles2 = {std::string(255, 'x')};
    return s;
}

std::vector<uint8_t> BlockBytes(const StateBlock& s) {
    MemoryFile f;
    EXPECT_TRUE(WriteStateBlock(f, s));
    return f.Bytes();
}

// A program folder of the test's own.
class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override { SetProgramFolder(folder.Path()); }
    void TearDown() override { SetProgramFolder(GetModulePath().parent_path()); }

    void CutFile(const fs::path& file, size_t size) { fs::resize_file(file, size); }

    TempFolder folder;
};

}  // namespace

TEST(BlockScrambler, IsItsOwnInverseAndKeepsTheFourKeyWords) {
    for (size_t words : {kConfigBlockWords, kSaveGameBlockWords}) {
        for (uint32_t blockNumber : {0u, 1u, 77u}) {
            const std::vector<uint8_t> plain = CountingBytes(words * 4);
            std::vector<uint8_t> block = plain;
            ScrambleBlock(block.data(), words, blockNumber);
            EXPECT_NE(block, plain);
            ScrambleBlock(block.data(), words, blockNumber);
            EXPECT_EQ(block, plain) << words << " words, block " << blockNumber;
        }
    }
}

TEST(BlockScrambler, AZeroBlockIsScrambledWithTheFallbackKeys) {
    std::vector<uint8_t> block(kConfigBlockWords * 4, 0);
    ScrambleBlock(block.data(), kConfigBlockWords, 0);
    // All four key words are word 0, which stays; the others change.
    EXPECT_EQ(block[0] | block[1] | block[2] | block[3], 0);
    EXPECT_NE(block[4] | block[5] | block[6] | block[7], 0);
    ScrambleBlock(block.data(), kConfigBlockWords, 0);
    EXPECT_EQ(block, std::vector<uint8_t>(kConfigBlockWords * 4, 0));
}

TEST(BlockScrambler, PadsTheStreamToWholeBlocks) {
    EXPECT_EQ(ScrambleBlocks(CountingBytes(8192), kSaveGameBlockWords).size(), 8192u);
    EXPECT_EQ(ScrambleBlocks(CountingBytes(8193), kSaveGameBlockWords).size(), 3 * 4096u);
    EXPECT_TRUE(ScrambleBlocks({}, kConfigBlockWords).empty());
}

TEST(StateBlock, TheDefaultBlockIs905Bytes) { EXPECT_EQ(BlockBytes(StateBlock{}).size(), 905u); }

TEST(StateBlock, RoundTripsEveryFieldAndFailsWhenCutShort) {
    const StateBlock original = ChangedState();
    const std::vector<uint8_t> bytes = BlockBytes(original);
    MemoryFile in(bytes);
    StateBlock read;
    ASSERT_TRUE(ReadStateBlock(in, read));
    EXPECT_EQ(BlockBytes(read), bytes);
    EXPECT_EQ(in.Position(), bytes.size());

    for (size_t cut : {size_t{0}, size_t{11}, size_t{800}, bytes.size() - 1}) {
        MemoryFile shortFile(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
        StateBlock partial;
        EXPECT_FALSE(ReadStateBlock(shortFile, partial)) << cut;
    }
}

// The year's interest rates are game state: a save game and the options
// file take them from the game and give them back.
TEST(StateBlock, CarriesTheInterestRatesOfTheGame) {
    g_interestRates = {31, 88, 120};
    StateBlock block;
    CollectGlobalState(block);
    EXPECT_EQ(block.interestRates, (InterestRates::Words{31, 88, 120}));
    ResetInterestRates();
    ApplyGlobalState(block);
    EXPECT_EQ(g_interestRates.ToWords(), (InterestRates::Words{31, 88, 120}));
}

TEST_F(SettingsFiles, ConfigFileIsWholeScrambledBlocksAndReadsBack) {
    const StateBlock original = ChangedState();
    ASSERT_TRUE(WriteConfigFile(kConfigFileName, original));
    const fs::path file = folder / kConfigFileName;
    EXPECT_EQ(fs::file_size(file) % 1024, 0u);
    EXPECT_GT(fs::file_size(file), 1024u);

    std::ifstream raw(file, std::ios::binary);
    std::vector<uint8_t> stored((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
    const std::vector<uint8_t> plain = BlockBytes(original);
    EXPECT_FALSE(std::equal(plain.begin(), plain.end(), stored.begin()));  // not readable as it is

    StateBlock read;
    ASSERT_TRUE(ReadConfigFile(kConfigFileName, read));
    EXPECT_EQ(BlockBytes(read), plain);
}

TEST_F(SettingsFiles, ConfigFileThatIsMissingCutOrASaveGameBlockLeavesTheSettings) {
    StateBlock settings;
    settings.ticksPerDay = 99;
    EXPECT_FALSE(ReadConfigFile(kConfigFileName, settings));

    ASSERT_TRUE(WriteConfigFile(kConfigFileName, ChangedState()));
    CutFile(folder / kConfigFileName, 1000);
    EXPECT_FALSE(ReadConfigFile(kConfigFileName, settings));

    // The same block scrambled as a save game's 4096-byte block.
    const std::vector<uint8_t> asSaveGame = ScrambleBlocks(BlockBytes(ChangedState()), kSaveGameBlockWords);
    std::ofstream(folder / kConfigFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(asSaveGame.data()), asSaveGame.size());
    StateBlock misread = settings;
    if (ReadConfigFile(kConfigFileName, misread)) {
        EXPECT_NE(BlockBytes(misread), BlockBytes(ChangedState()));
    }
    EXPECT_EQ(settings.ticksPerDay, 99u);
}

TEST_F(SettingsFiles, HighscoreRoundTripsLongNamesAndAShortFileChangesNothing) {
    HighscoreTables tables;
    tables.names[0] = std::string(255, 'N');
    tables.clubs[0] = "HC Lindholm";
    tables.names[9] = "Ann \xE9lan";
    tables.level = {11, 0, 0, 0, 0, 0, 0, 0, 0, 3};
    tables.score = {32768, 5, 5, 5, 5, 5, 5, 5, 5, 1};
    tables.season[4] = 2009;
    tables.years[9] = 7;
    ASSERT_TRUE(WriteHighscoreFile(kHighscorePath, tables));  // makes "Save\"

    HighscoreTables read;
    ASSERT_TRUE(ReadHighscoreFile(kHighscorePath, read));
    EXPECT_EQ(read.names, tables.names);
    EXPECT_EQ(read.clubs, tables.clubs);
    EXPECT_EQ(read.level, tables.level);
    EXPECT_EQ(read.score, tables.score);
    EXPECT_EQ(read.season, tables.season);
    EXPECT_EQ(read.years, tables.years);

    const fs::path file = ResolvePath(kHighscorePath);
    CutFile(file, fs::file_size(file) - 1);
    HighscoreTables kept;
    kept.names[0] = "kept";
    EXPECT_FALSE(ReadHighscoreFile(kHighscorePath, kept));
    EXPECT_EQ(kept.names[0], "kept");
    fs::remove(file);
    EXPECT_FALSE(ReadHighscoreFile(kHighscorePath, kept));
}
