#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/SaveGameFile.h"
#include "platform/BinaryFile.h"
#include "platform/Path.h"
#include "tests/TempFolder.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Manager.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kBlock = 4096;

std::vector<uint8_t> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> Pattern(size_t size, uint8_t seed) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 31 + seed);
    return bytes;
}

class SaveGameFiles : public ::testing::Test {
protected:
    SaveGameFiles() { SetProgramFolder(folder.Path()); }
    ~SaveGameFiles() override { ResetProgramFolder(); }
    TempFolder folder;
};

TEST_F(SaveGameFiles, AFileIsWholeBlocksAndReadsBackItsStream) {
    struct Case {
        size_t streamSize;
        size_t fileSize;
    };
    for (const Case c : {Case{1, kBlock}, Case{8192, 8192}, Case{8193, 12288}}) {
        const std::vector<uint8_t> stream = Pattern(c.streamSize, 7);
        ASSERT_TRUE(WriteSaveFile("Save\\game.ksv", stream, {}));
        const fs::path file = folder / "Save/game.ksv";
        EXPECT_EQ(fs::file_size(file), c.fileSize) << c.streamSize;
        // Scrambled: the stream is not to be read in the file.
        if (c.streamSize > kBlock)
            EXPECT_FALSE(std::equal(stream.begin(), stream.end(), FileBytes(file).begin())) << c.streamSize;
        std::vector<uint8_t> back;
        ASSERT_TRUE(ReadSaveFile("Save\\game.ksv", back, {}));
        ASSERT_EQ(back.size(), c.fileSize);
        EXPECT_TRUE(std::equal(stream.begin(), stream.end(), back.begin())) << c.streamSize;
    }
}

TEST_F(SaveGameFiles, ProgressRisesThroughTheBlocks) {
    std::vector<int> shown;
    ASSERT_TRUE(WriteSaveFile("Save\\p.ksv", Pattern(10 * kBlock, 1), [&](int p) { shown.push_back(p); }));
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_EQ(shown.front(), 50);
    EXPECT_EQ(shown.back(), 95);
    shown.clear();
    std::vector<uint8_t> back;
    ASSERT_TRUE(ReadSaveFile("Save\\p.ksv", back, [&](int p) { shown.push_back(p); }));
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(shown.back(), 45);
}

TEST_F(SaveGameFiles, AFileThatIsMissingOrNotWholeBlocksIsNotRead) {
    std::vector<uint8_t> back = {1, 2, 3};
    EXPECT_FALSE(ReadSaveFile("Save\\none.ksv", back, {}));
    fs::create_directories(folder / "Save");
    std::ofstream(folder / "Save/cut.ksv", std::ios::binary) << std::string(kBlock + 10, 'x');
    EXPECT_FALSE(ReadSaveFile("Save\\cut.ksv", back, {}));
    EXPECT_EQ(back, (std::vector<uint8_t>{1, 2, 3}));
}

// A write that cannot be finished leaves the old file as it was: here the
// name beside the target, which the write needs, is taken by a folder.
TEST_F(SaveGameFiles, AFailedWriteLeavesTheOldFile) {
    const std::vector<uint8_t> old = Pattern(100, 3);
    ASSERT_TRUE(WriteSaveFile("Save\\keep.ksv", old, {}));
    const std::vector<uint8_t> before = FileBytes(folder / "Save/keep.ksv");
    fs::create_directories(folder / "Save/keep.ksv.part/blocked");
    EXPECT_FALSE(WriteSaveFile("Save\\keep.ksv", Pattern(100, 9), {}));
    EXPECT_EQ(FileBytes(folder / "Save/keep.ksv"), before);
}

TEST_F(SaveGameFiles, AutomaticSavesRotateTwoFiles) {
    const fs::path newest = folder / "Save/Auto.ksv";
    const fs::path older = folder / "Save/Auto2.ksv";
    ASSERT_TRUE(WriteAutosave(Pattern(10, 1), {}));
    EXPECT_TRUE(fs::exists(newest));
    EXPECT_FALSE(fs::exists(older));
    const std::vector<uint8_t> first = FileBytes(newest);
    ASSERT_TRUE(WriteAutosave(Pattern(10, 2), {}));
    EXPECT_EQ(FileBytes(older), first);
    const std::vector<uint8_t> second = FileBytes(newest);
    EXPECT_NE(second, first);
    ASSERT_TRUE(WriteAutosave(Pattern(10, 3), {}));
    EXPECT_EQ(FileBytes(older), second);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "Save"), fs::directory_iterator{}), 2);
}

TEST(AutosaveInterval, FollowsBits24And25OfTheOptionWord) {
    struct Case {
        uint32_t bits;
        uint32_t week;
        bool due;
    };
    for (const Case c : {Case{0, 4, false}, Case{1, 2, true}, Case{1, 3, false}, Case{2, 8, true},
                         Case{2, 6, false}, Case{3, 4, false}}) {
        EXPECT_EQ(AutosaveDue(c.bits << 24 | 0x00840000, c.week), c.due) << c.bits << " " << c.week;
    }
}

TEST(GameStream, WritesTheCareerListsAndReadsThemOnlyWhenTheOptionWordSaysSo) {
    std::unique_ptr<CWorld> world = MakeSampleWorld();
    CManager manager;
    manager.world = world.get();
    manager.clubCareerRows = {1, 2, 3};
    manager.clubCareerNames = {"SV Alpha"};
    manager.statisticsBookmarks = {7};
    manager.statisticsBookmarkNames = {"mine"};
    StateBlock state;
    state.options = 0;
    MemoryFile f;
    ASSERT_TRUE(WriteGameStream(f, *world, manager, state, {}));
    EXPECT_TRUE(state.options & kOptCareerLists);

    LoadedGame game;
    f.Rewind();
    ASSERT_TRUE(ReadGameStream(f, game, {}));
    EXPECT_EQ(game.manager->clubCareerRows, manager.clubCareerRows);
    EXPECT_EQ(game.manager->statisticsBookmarkNames, manager.statisticsBookmarkNames);

    // The same stream with the option bit taken out of the state block
    // loads with the lists empty.
    MemoryFile without;
    ASSERT_TRUE(world->Write(without, 1) && manager.Write(without));
    state.options &= ~kOptCareerLists;
    ASSERT_TRUE(WriteStateBlock(without, state) && WriteCareerLists(without, manager));
    LoadedGame plain;
    plain.manager->clubCareerRows = {9};
    without.Rewind();
    ASSERT_TRUE(ReadGameStream(without, plain, {}));
    EXPECT_TRUE(plain.manager->clubCareerRows.empty());
    EXPECT_TRUE(plain.manager->statisticsBookmarks.empty());
}

}  // namespace
