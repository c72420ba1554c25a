#include <gtest/gtest.h>

#include <set>

#include "app/Navigation.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace {

std::set<int> Unavailable(const NavAvailability& available) {
    std::set<int> targets;
    for (int i = 0; i < kNavTargetCount; ++i)
        if (!available[i])
            targets.insert(i + 1);
    return targets;
}

}  // namespace

TEST(Navigation, AvailabilityFollowsTheUsersTeamAndNationalTeam) {
    CTeam club;
    CTeam national;
    struct Case {
        const char* name;
        const CTeam* userTeam;
        const CTeam* nationalTeam;
        std::set<int> unavailable;
    };
    const Case cases[] = {
        {"club, no national team", &club, &g_noClubTeam, {18}},
        {"club before the manager is placed", &club, nullptr, {18}},
        {"club and a national team", &club, &national, {}},
        {"no club, no national team", &g_noClubTeam, &g_noClubTeam, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 18}},
        {"no club, a national team", &g_noClubTeam, &national, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"the national team as the user's team", &national, &national, {4, 6, 7, 8, 9, 10, 11, 12, 13}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Unavailable(NavigationAvailability(c.userTeam, c.nationalTeam)), c.unavailable) << c.name;
}

TEST(Navigation, AButtonOfAnUnavailableScreenLeadsToTheFirstAvailableOfItsGroup) {
    CTeam national;
    const NavAvailability noClub = NavigationAvailability(&g_noClubTeam, &national);
    const NavAvailability nationalCoach = NavigationAvailability(&national, &national);
    NavAvailability onlyPlayerPool = NavigationAvailability(&g_noClubTeam, &national);
    onlyPlayerPool[8] = true;
    struct Case {
        const char* name;
        const NavAvailability& available;
        int button;
        int resolved;
    };
    const Case cases[] = {
        {"available itself", noClub, 15, 15},
        {"lineup without a club", noClub, 0, -1},
        {"club group without a club", noClub, 11, -1},
        {"skills without a club: personal, first of its group", noClub, 10, 12},
        {"finances: the first available in screen order", onlyPlayerPool, 6, 8},
        {"year planning of the national coach: week planning", nationalCoach, 3, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveNavButton(c.button, c.available), c.resolved) << c.name;
}

TEST(Navigation, EveryGroupsBarButtonAndSubButtonBelongToThatGroup) {
    for (int g = 0; g < kNavGroupCount; ++g) {
        EXPECT_EQ(g_navGroupOfScreen[g_navGroupButton[g] + 1], g) << g;
        for (int p = 0; p < kSubButtonCount; ++p) {
            const uint32_t entry = g_subButtonTable[g][p];
            if (entry == 0)
                continue;
            const SubButton b = DecodeSubButton(entry);
            EXPECT_NE(b.navigation, b.action) << g << "/" << p;
            EXPECT_GE(p, 4);
            EXPECT_LT(b.label, kNavLabelCount);
            EXPECT_EQ(b.twoLines, g_navLabels[b.label].find('/') != std::string::npos) << g_navLabels[b.label];
            if (b.navigation) {
                EXPECT_EQ(g_navGroupOfScreen[b.screen], g) << g_navLabels[b.label];
            }
        }
    }
}

TEST(Navigation, EntriesDecodeToTheirScreenButtonAndLabel) {
    struct Case {
        int group, position;
        SubButton expected;
        const char* label;
    };
    const Case cases[] = {
        {0, 4, {1, true, false, false, 0, 0}, "lineup"},
        {0, 10, {1, false, true, false, 11, 31}, "responsibilities"},
        {2, 12, {9, false, true, true, 8, 42}, "search /by club"},
        {3, 6, {12, false, true, true, 0, 34}, "extension-/of contract"},
        {4, 13, {16, false, true, false, 12, 27}, "miscellaneous"},
        {6, 5, {15, true, false, true, 0, 14}, "week/overview"},
        {7, 5, {17, false, true, false, 10, 45}, "highscore"},
    };
    for (const Case& c : cases) {
        const SubButton b = DecodeSubButton(g_subButtonTable[c.group][c.position]);
        EXPECT_EQ(b.screen, c.expected.screen) << c.label;
        EXPECT_EQ(b.navigation, c.expected.navigation) << c.label;
        EXPECT_EQ(b.action, c.expected.action) << c.label;
        EXPECT_EQ(b.twoLines, c.expected.twoLines) << c.label;
        EXPECT_EQ(b.button, c.expected.button) << c.label;
        EXPECT_EQ(g_navLabels[b.label], c.label);
    }
    for (uint32_t entry : g_subButtonTable[8])
        EXPECT_EQ(entry, 0u);
}
