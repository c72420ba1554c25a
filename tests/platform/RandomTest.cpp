#include <gtest/gtest.h>

#include <cmath>

#include "platform/Random.h"

TEST(Random, SeedOneGivesTheKnownSequence) {
    SeedRandom(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int v : expected)
        EXPECT_EQ(Rand(), v);
}

TEST(Random, BelowNStaysInRange) {
    SeedRandom(12345);
    for (int i = 0; i < 10000; ++i) {
        const int v = RandBelow(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
    }
    EXPECT_EQ(RandBelow(0), 0);
}

TEST(IntRoot, KnownValues) {
    struct Case {
        int value, n, root;
    };
    const Case cases[] = {{100, 2, 11}, {99, 2, 10}, {0, 2, 0},       {2, 2, 2},
                          {27, 3, 4},   {-4, 2, 0},  {1000000, 2, 1001}, {5, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(IntRoot(c.value, c.n), c.root) << c.value << " " << c.n;
}

TEST(IntRoot, SquareRootIsTheFloorPlusOne) {
    for (int v = 1; v < 300000; v += 7)
        ASSERT_EQ(IntRoot(v, 2), static_cast<int>(std::sqrt(static_cast<double>(v))) + 1) << v;
}
