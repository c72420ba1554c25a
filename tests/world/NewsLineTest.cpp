#include <gtest/gtest.h>

#include "world/NewsLine.h"

TEST(NewsLine, TextIsFollowedByRedGreenBlue) {
    EXPECT_EQ(NewsLine("Kowal injured", 0x000060), std::string("Kowal injured\x60\0\0", 16));
    EXPECT_EQ(NewsLine("won", 0x006000), std::string("won\0\x60\0", 6));
    EXPECT_EQ(NewsLine("", 0x123456), "\x56\x34\x12");
}
