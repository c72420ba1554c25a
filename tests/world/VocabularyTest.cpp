#include <gtest/gtest.h>

#include <cstring>

#include "world/Vocabulary.h"

TEST(Vocabulary, EveryNationHasANameAndACode) {
    EXPECT_EQ(std::strlen(g_nationCodes), 3u * kNationCount);
    for (int i = 0; i < kNationCount; ++i) {
        EXPECT_FALSE(NationName(i).empty()) << i;
        EXPECT_EQ(NationCode(i).size(), 3u) << i;
    }
    EXPECT_EQ(NationName(34), "Germany");
    EXPECT_EQ(NationCode(34), "GER");
    EXPECT_EQ(NationCode(196), "SON");
    EXPECT_EQ(NationName(197), "");
    EXPECT_EQ(NationCode(-1), "");
}

TEST(Vocabulary, PositionCodes) {
    const char* expected[] = {"GK", "RW", "RB", "CB", "LB", "LW", "LP"};
    for (int p = 0; p < kPositionCount; ++p)
        EXPECT_EQ(PositionCode(p), expected[p]);
    EXPECT_EQ(MirrorPosition(kRightWing), kLeftWing);
    EXPECT_FALSE(HasMirrorPosition(kCentreBack));
}
