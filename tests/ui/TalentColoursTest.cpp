#include <gtest/gtest.h>

#include "ui/TalentColours.h"

// Written as red, green, blue: a table copied in the other byte order would
// swap the badges' red and blue.
TEST(TalentColours, ByTalentAsRedGreenBlue) {
    const int expected[kTalentCount][3] = {{180, 117, 117}, {240, 170, 70}, {170, 170, 170}, {255, 255, 64}, {128, 128, 255}};
    for (int t = 0; t < kTalentCount; ++t) {
        EXPECT_EQ(RedOf(g_talentColours[t]), expected[t][0]) << t;
        EXPECT_EQ(GreenOf(g_talentColours[t]), expected[t][1]) << t;
        EXPECT_EQ(BlueOf(g_talentColours[t]), expected[t][2]) << t;
    }
}
