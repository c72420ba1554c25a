#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "tests/world/FileFormChecks.h"
#include "world/Arena.h"

namespace {

CArena BuiltArena() {
    CArena a;
    a.SetName("Halle Nord");
    a.AddGridLine(true, false, false, false, kStandingSmall);
    a.AddGridLine(false, false, false, true, kSeatsMiddle);
    a.GetGridLineCost(false, false, false, true, true, 0);
    a.UpgradeBlock(0, 0, 0);
    a.UpgradeScoreBoard(0);
    return a;
}

// Block states written, yet shorter than the kind list.
CArena ArenaWithShortStates() {
    CArena a;
    a.SetBlockState(0, 0);
    a.AddGridLine(false, false, true, false, kStandingLarge);
    std::vector<uint8_t> bytes = WrittenBytes(a, 1);
    bytes[0] = 4;
    bytes.erase(bytes.begin() + 5, bytes.begin() + 1 + 12);
    MemoryFile in(bytes);
    EXPECT_TRUE(a.Read(in, 1));
    return a;
}

}  // namespace

TEST(ArenaFile, DefaultArenaBytes) {
    const std::vector<uint8_t> world = {0, 0, 9, 0, 0, 0, 0, 0, 0, 2, 2, 2, 0x30, 0x30, 0, 0, 0};
    EXPECT_EQ(WrittenBytes(CArena(), 0), world);
    std::vector<uint8_t> save = world;
    save.insert(save.begin(), 0);  // no block states yet
    EXPECT_EQ(WrittenBytes(CArena(), 1), save);
}

TEST(ArenaFile, FieldOrder) {
    CArena a;
    a.SetName("AB");
    a.SetScoreBoard(3);
    a.AddGridLine(false, true, false, false, kSeatsSmall);
    a.UpgradeBlock(0, 0, 0);
    const std::vector<uint8_t> expected = {
        12, 0x83, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // states
        3, 0,                                      // score board, reserved byte
        12, 5, 0, 0, 0, 4, 0, 0, 0, 4, 2, 2, 2,    // kinds
        0x31, 0x30,                                // columns, rows
        2, 'A', 'B', 0, 0};                        // name, reserved word
    EXPECT_EQ(WrittenBytes(a, 1), expected);
}

TEST(ArenaFile, RoundTripsWithAndWithoutTheSaveGameFlag) {
    const CArena arenas[] = {CArena(), BuiltArena(), ArenaWithShortStates()};
    for (uint8_t flag : {0, 1})
        for (const CArena& a : arenas) {
            SCOPED_TRACE(testing::Message() << int{flag} << " " << a.GetName());
            ExpectRoundTrip(a, flag);
        }
}

TEST(ArenaFile, EveryTruncationFailsAndChangesNothing) {
    for (uint8_t flag : {0, 1}) {
        SCOPED_TRACE(flag);
        ExpectEveryCutFails(BuiltArena(), flag);
    }
}

TEST(ArenaFile, WorldFileLeavesEveryBlockOpen) {
    CArena a = BuiltArena();
    ASSERT_GT(a.GetLongestBuildTime(), 0);
    MemoryFile in(WrittenBytes(a, 0));
    ASSERT_TRUE(a.Read(in, 0));
    EXPECT_EQ(a.GetLongestBuildTime(), 0);
    EXPECT_EQ(a.GetCapacity(), a.CountPlaces(false, true) + a.CountPlaces(true, true));
}

TEST(ArenaFile, MalformedRecordsAreRefused) {
    // Offsets in the world-file form of the default arena.
    constexpr size_t kScoreBoard = 0;
    constexpr size_t kFirstKind = 3;
    constexpr size_t kColumns = 12;
    constexpr size_t kRows = 13;
    struct Case {
        size_t offset;
        uint8_t value;
    };
    const Case cases[] = {
        {kScoreBoard, 5}, {kFirstKind, 8},   {kColumns, 0x00}, {kColumns, 0x20},
        {kColumns, 0x90}, {kColumns, 0x36},  {kRows, 0x10},    {kRows, 0x80},
        {kRows, 0x06},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offset << " " << int{c.value});
        std::vector<uint8_t> bytes = WrittenBytes(CArena(), 0);
        bytes[c.offset] = c.value;
        CArena a;
        a.SetName("kept");
        MemoryFile in(bytes);
        EXPECT_FALSE(a.Read(in, 0));
        EXPECT_EQ(a.GetName(), "kept");
    }
}
