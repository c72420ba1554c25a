#include <gtest/gtest.h>

#include <vector>

#include "engine/ScreenWords.h"
#include "tests/world/FileFormChecks.h"
#include "world/Arena.h"

namespace {

// A block beside the field of the default arena: column 1 of the row below it.
constexpr int kCol = 1;
constexpr int kRow = 2;
constexpr size_t kIndex = 7;

CArena ArenaWithBlock(uint8_t kind) {
    CArena a;
    a.SetBlockKind(kIndex, kind);
    return a;
}

}  // namespace

TEST(Arena, NewArenaHasThreeBlocksOfAHundred) {
    CArena a;
    EXPECT_EQ(a.GetColumnCount(), 3);
    EXPECT_EQ(a.GetRowCount(), 3);
    EXPECT_EQ(a.GetCapacity(), 300u);
    EXPECT_EQ(a.CountPlaces(false, false), 300u);
    EXPECT_EQ(a.CountPlaces(true, true), 0u);
    EXPECT_EQ(a.GetLongestBuildTime(), 0);
    EXPECT_TRUE(a.IsFieldBlock(2, 1));
    EXPECT_FALSE(a.IsFieldBlock(0, 2));
}

TEST(Arena, CapacityIsAtLeastOne) {
    CArena a;
    for (size_t i = 6; i < 9; ++i)
        a.SetBlockKind(i, kBlockEmpty);
    EXPECT_EQ(a.GetCapacity(), 1u);
}

TEST(Arena, UpgradePricesAndKinds) {
    struct Case {
        uint8_t kind;
        uint8_t newKind;
        uint32_t price;
        uint32_t placesAdded;
    };
    const Case cases[] = {
        {kBlockEmpty, kStandingSmall, 3000, 50},  {kStandingSmall, kStandingMiddle, 3000, 50},
        {kStandingMiddle, kStandingLarge, 9000, 100}, {kSeatsSmall, kSeatsMiddle, 4500, 50},
        {kSeatsMiddle, kSeatsLarge, 12000, 100},  {kStandingLarge, kStandingLarge, 0, 0},
        {kSeatsLarge, kSeatsLarge, 0, 0},         {kSeatsNoPlaces, kSeatsNoPlaces, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.kind});
        CArena a = ArenaWithBlock(c.kind);
        const uint32_t places = a.CountPlaces(false, true) + a.CountPlaces(true, true);
        EXPECT_EQ(a.UpgradeBlock(kCol, kRow, 0), c.price);
        EXPECT_EQ(a.GetBlockKind(kIndex), c.newKind);
        EXPECT_EQ(a.CountPlaces(false, true) + a.CountPlaces(true, true), places + c.placesAdded);
        EXPECT_EQ(a.GetBlockState(kIndex), c.price ? 0x83 : 0);
    }
}

TEST(Arena, PricesRiseWithInflation) {
    CArena a;
    EXPECT_EQ(a.UpgradeBlock(kCol, kRow, 24), 9000u + 24 * 9000 / 1000);
    EXPECT_EQ(a.GetGridLineCost(true, false, false, false, false, 12), 122400u + 12 * 122400 / 1000);
    EXPECT_EQ(a.UpgradeScoreBoard(24), 2000u + 2 * 24);
    CArena b = ArenaWithBlock(kStandingMiddle);
    EXPECT_EQ(b.ConvertToSeats(kCol, kRow, 110), 3000u + 110 * 3000 / 1000);
}

TEST(Arena, UpgradeRefusesFieldAndBlocksOutsideTheGrid) {
    const Point refused[] = {{0, 0}, {2, 1}, {3, 2}, {-1, 2}, {0, 3}, {1, -1}};
    for (Point p : refused) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        CArena a;
        a.SetBlockKind(0, kStandingSmall);  // a field block holding a kind
        const auto before = WrittenBytes(a, 1);
        EXPECT_EQ(a.UpgradeBlock(p.x, p.y, 0), 0u);
        EXPECT_EQ(a.ConvertToSeats(p.x, p.y, 0), 0u);
        EXPECT_FALSE(a.DowngradeBlock(p.x, p.y));
        EXPECT_EQ(WrittenBytes(a, 1), before);
    }
}

TEST(Arena, TwoUpgradesInAWeekCloseForSixWeeks) {
    CArena a = ArenaWithBlock(kStandingSmall);
    a.UpgradeBlock(kCol, kRow, 0);
    a.UpgradeBlock(kCol, kRow, 0);
    EXPECT_EQ(a.GetBlockState(kIndex), 0x86);
    EXPECT_EQ(a.GetLongestBuildTime(), 6);
    EXPECT_EQ(a.CountPlacesUnderConstruction(false), 200u);
    EXPECT_EQ(a.GetCapacity(), 200u);  // the closed block holds no places
    for (int week = 5; week >= 0; --week) {
        a.CountDownConstruction();
        EXPECT_EQ(a.GetBlockState(kIndex), week ? 0x80 | week : 0);
    }
    EXPECT_EQ(a.GetCapacity(), 400u);
    EXPECT_EQ(a.CountPlacesUnderConstruction(false), 0u);
}

TEST(Arena, OpenPlacesAreTheOpenBlocksOfEachKind) {
    CArena a = ArenaWithBlock(kStandingSmall);
    a.ConvertToSeats(kCol, kRow, 0);
    const auto countedApart = [](const CArena& arena) {
        return std::vector<uint32_t>{arena.CountPlaces(false, false), arena.CountPlaces(true, false), arena.GetCapacity()};
    };
    const auto countedAtOnce = [](const CArena& arena) {
        const CArena::OpenPlaces open = arena.CountOpenPlaces();
        return std::vector<uint32_t>{open.standing, open.seats, open.capacity};
    };
    EXPECT_EQ(countedAtOnce(a), countedApart(a)) << "the converted block is closed";
    for (int week = 0; week < 2; ++week)
        a.CountDownConstruction();
    EXPECT_EQ(countedAtOnce(a), countedApart(a)) << "and open again";
    EXPECT_GT(a.CountOpenPlaces().seats, 0u);
}

TEST(Arena, WorkBeyondTheCounterStaysClosed) {
    CArena a;
    a.SetBlockState(kIndex, 0xFE);
    a.UpgradeBlock(kCol, kRow, 0);
    EXPECT_EQ(a.GetBlockState(kIndex), 0xFF);
}

TEST(Arena, ConvertToSeats) {
    struct Case {
        uint8_t kind;
        uint8_t newKind;
        uint32_t price;
        uint8_t state;
    };
    const Case cases[] = {
        {kStandingSmall, kSeatsSmall, 1500, 0x82}, {kStandingMiddle, kSeatsMiddle, 3000, 0x82},
        {kStandingLarge, kSeatsLarge, 6000, 0x82}, {kBlockEmpty, kBlockEmpty, 0, 0x82},
        {kSeatsSmall, kSeatsSmall, 0, 0},          {kSeatsNoPlaces, kSeatsNoPlaces, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.kind});
        CArena a = ArenaWithBlock(c.kind);
        EXPECT_EQ(a.ConvertToSeats(kCol, kRow, 0), c.price);
        EXPECT_EQ(a.GetBlockKind(kIndex), c.newKind);
        EXPECT_EQ(a.GetBlockState(kIndex), c.state);
    }
}

TEST(Arena, DowngradeOnlyMiddleAndLargeBlocks) {
    for (uint8_t kind = 0; kind < kArenaBlockKindCount; ++kind) {
        SCOPED_TRACE(int{kind});
        CArena a = ArenaWithBlock(kind);
        const bool shrinks = kind == kStandingMiddle || kind == kStandingLarge ||
                             kind == kSeatsMiddle || kind == kSeatsLarge;
        EXPECT_EQ(a.DowngradeBlock(kCol, kRow), shrinks);
        EXPECT_EQ(a.GetBlockKind(kIndex), shrinks ? kind - 1 : kind);
        EXPECT_EQ(a.GetBlockState(kIndex), 0);
    }
}

TEST(Arena, AddingAndRemovingARightColumn) {
    CArena a;
    ASSERT_TRUE(a.AddGridLine(false, false, false, true, kBlockEmpty));
    EXPECT_EQ(a.GetColumnCount(), 4);
    EXPECT_EQ(a.GetRowCount(), 3);
    EXPECT_EQ(a.GetBlockKinds(), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 0}));
    ASSERT_TRUE(a.RemoveGridLine(false, false, false, true));
    EXPECT_EQ(a.GetBlockKinds(), CArena().GetBlockKinds());
    EXPECT_EQ(a.GetLongestBuildTime(), 0);
}

TEST(Arena, GridLinesOnEverySide) {
    struct Case {
        bool top, left, bottom, right;
        std::vector<uint8_t> kinds;  // after adding a line of kind 1 to the default arena
    };
    const Case cases[] = {
        {true, false, false, false, {1, 1, 1, 0, 0, 0, 0, 0, 0, 2, 2, 2}},
        {false, false, true, false, {0, 0, 0, 0, 0, 0, 2, 2, 2, 1, 1, 1}},
        {false, true, false, false, {1, 0, 0, 0, 1, 0, 0, 0, 1, 2, 2, 2}},
        {false, false, false, true, {0, 0, 0, 1, 0, 0, 0, 1, 2, 2, 2, 1}},
    };
    for (const Case& c : cases) {
        CArena a;
        ASSERT_TRUE(a.AddGridLine(c.top, c.left, c.bottom, c.right, kStandingSmall));
        EXPECT_EQ(a.GetBlockKinds(), c.kinds);
        // New blocks are open and finished: they count at once.
        EXPECT_EQ(a.GetCapacity(), 450u);
        EXPECT_EQ(a.GetLongestBuildTime(), 0);
        ASSERT_TRUE(a.RemoveGridLine(c.top, c.left, c.bottom, c.right));
        EXPECT_EQ(a.GetBlockKinds(), CArena().GetBlockKinds());
    }
}

TEST(Arena, GridLinesStopAtTheLimits) {
    struct Case {
        bool top, left, bottom, right;
        int adds;     // lines that can be added to the default arena
        int removes;  // lines that can be removed from it
    };
    const Case cases[] = {
        {true, false, false, false, 5, 0},
        {false, true, false, false, 5, 0},
        {false, false, true, false, 4, 1},
        {false, false, false, true, 5, 0},
    };
    CArena full;
    for (const Case& c : cases) {
        CArena a;
        int added = 0;
        while (a.AddGridLine(c.top, c.left, c.bottom, c.right, kBlockEmpty) && added < 20)
            ++added;
        EXPECT_EQ(added, c.adds);
        CArena b;
        int removed = 0;
        while (b.RemoveGridLine(c.top, c.left, c.bottom, c.right) && removed < 20)
            ++removed;
        EXPECT_EQ(removed, c.removes);
        while (full.AddGridLine(c.top, c.left, c.bottom, c.right, kSeatsLarge)) {
        }
    }
    EXPECT_EQ(full.GetRowCount(), 12);
    EXPECT_EQ(full.GetColumnCount(), 13);
    EXPECT_EQ(full.GetBlockKinds().size(), 156u);
    EXPECT_EQ(full.GetCapacity(), (156u - 6 - 3) * 200 + 3 * 100);  // the old row keeps its 100s
    EXPECT_TRUE(full.IsFieldBlock(5, 5));
    ExpectRoundTrip(full, 1);
}

TEST(Arena, GridLineCostClosesTheOutermostLine) {
    struct Case {
        bool top, bottom, left, right;
        std::vector<size_t> closed;  // of the default arena
    };
    const Case cases[] = {
        {true, false, false, false, {0, 1, 2}},
        {false, true, false, false, {6, 7, 8}},
        {false, false, true, false, {0, 3, 6}},
        {false, false, false, true, {2, 5, 8}},
    };
    for (const Case& c : cases) {
        CArena a;
        EXPECT_EQ(a.GetGridLineCost(c.top, c.bottom, c.left, c.right, false, 0), 122400u);
        EXPECT_EQ(a.GetLongestBuildTime(), 0);
        EXPECT_EQ(a.GetGridLineCost(c.top, c.bottom, c.left, c.right, true, 0), 122400u);
        for (size_t i = 0; i < 9; ++i) {
            const bool closed = std::find(c.closed.begin(), c.closed.end(), i) != c.closed.end();
            EXPECT_EQ(a.GetBlockState(i), closed ? 0x80 + 24 : 0) << i;
        }
    }
    CArena wide;
    wide.AddGridLine(false, false, false, true, kBlockEmpty);
    EXPECT_EQ(wide.GetGridLineCost(true, false, false, false, false, 0), 4u * 40800);
    EXPECT_EQ(wide.GetGridLineCost(false, false, false, false, true, 0), 0u);
}

TEST(Arena, ScoreBoardUpgrades) {
    CArena a;
    for (uint32_t price : {2000u, 10000u, 200000u, 200000u})
        EXPECT_EQ(a.UpgradeScoreBoard(0), price);
    EXPECT_EQ(a.GetScoreBoard(), 4);
    EXPECT_EQ(a.UpgradeScoreBoard(0), 0u);
    EXPECT_EQ(a.GetScoreBoard(), 4);
    EXPECT_STREQ(g_scoreBoardNames[a.GetScoreBoard()], "video score board");
}

TEST(Arena, ClearFieldAreaFitsTheListsAndEmptiesTheField) {
    CArena a;
    a.AddGridLine(true, false, false, false, kStandingSmall);
    for (size_t i = 0; i < a.GetBlockKinds().size(); ++i)
        a.SetBlockKind(i, kSeatsSmall);
    a.SetScoreBoard(9);
    a.RemoveGridLine(true, false, false, false);
    EXPECT_TRUE(a.ClearFieldArea());
    EXPECT_EQ(a.GetBlockKinds(), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 4, 4, 4}));
    EXPECT_EQ(a.GetScoreBoard(), 4);
}

TEST(Arena, HitTestCell) {
    const CArena a;
    const Rect rect{20, 20, 350, 320};
    EXPECT_EQ(a.HitTestCell(20, 20, rect), (Point{0, 0}));
    EXPECT_EQ(a.HitTestCell(129, 119, rect), (Point{0, 0}));
    EXPECT_EQ(a.HitTestCell(130, 120, rect), (Point{1, 1}));
    EXPECT_EQ(a.HitTestCell(349, 319, rect), (Point{2, 2}));
    EXPECT_FALSE(a.HitTestCell(19, 100, rect));
    EXPECT_FALSE(a.HitTestCell(350, 100, rect));
    EXPECT_FALSE(a.HitTestCell(100, 100, Rect{}));
}

TEST(Arena, CopyIsEqualAndIndependent) {
    CArena a;
    a.SetName("Halle Nord");
    a.UpgradeBlock(kCol, kRow, 0);
    a.AddGridLine(false, true, false, false, kSeatsSmall);
    CArena copy;
    copy.CopyFrom(a);
    EXPECT_EQ(WrittenBytes(copy, 1), WrittenBytes(a, 1));
    copy.UpgradeBlock(0, 0, 0);
    copy.SetName("Other");
    EXPECT_EQ(a.GetName(), "Halle Nord");
    EXPECT_EQ(a.GetBlockKind(0), kSeatsSmall);
}

TEST(Arena, CancelledEditKeepsNameAndScoreBoard) {
    CArena a;
    a.SetName("Halle Nord");
    a.SetScoreBoard(2);
    EXPECT_FALSE(a.Edit());
    EXPECT_EQ(a.GetName(), "Halle Nord");
    EXPECT_EQ(a.GetScoreBoard(), 2);
}
