#include <gtest/gtest.h>

#include "screens/DefenceSystemLabels.h"
#include "screens/FormationPoints.h"
#include "screens/ScreenState.h"

namespace {

TEST(DefenceSystemLabels, ButtonsRunFromTheLastSystemToTheFirst) {
    const char* expected[] = {"  6 : 0  ", "  5 : 1  ", "  4 : 2  ", "3 : 2 : 1", "  3 : 3  ", "  1 : 5  "};
    for (int system = 1; system <= kDefenceSystemCount; ++system)
        EXPECT_EQ(DefenceSystemLabel(system), expected[system - 1]) << system;
    EXPECT_EQ(DefenceSystemButton(1), 5);
    EXPECT_EQ(DefenceSystemButton(6), 0);
}

TEST(FormationPoints, SystemsSlotsAndSubstitutesSitWhereTheBoardsExpectThem) {
    struct Case {
        Point actual, expected;
    };
    const Case cases[] = {
        {g_defenceFormationPoints[0], {105, 254}},   // system 1, goalkeeper
        {g_defenceFormationPoints[6], {133, 206}},   // system 1, slot 6
        {g_defenceFormationPoints[13], {133, 181}},  // system 2, slot 6
        {g_defenceFormationPoints[23], {183, 195}},  // system 4, slot 2
        {g_defenceFormationPoints[36], {215, 205}},  // system 6, slot 1
        {g_defenceFormationPoints[41], {133, 185}},  // system 6, slot 6
        {g_offenceFormationPoints[0], {230, 86}},    // slot 7
        {g_offenceFormationPoints[5], {148, 86}},    // slot 12
        {g_offenceFormationPoints[6], {3, 3}},       // slot 13
        {g_offenceFormationPoints[12], {3, 153}},    // slot 19
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.expected.x << "," << c.expected.y;
    EXPECT_EQ(std::size(g_defenceFormationPoints), 42u);
    EXPECT_EQ(std::size(g_offenceFormationPoints), 13u);
}

TEST(ScreenState, TacticsOptionButtonsFollowTheSixSystemButtons) {
    EXPECT_EQ(g_screenButtonRects.size(), 24u);
    EXPECT_EQ(g_lineupCardRects.size(), 20u);
    EXPECT_EQ(TacticsOptionButton(0, 0), 6);
    EXPECT_EQ(TacticsOptionButton(1, 0), 11);
    EXPECT_EQ(TacticsOptionButton(2, 4), 20);
}

}  // namespace
