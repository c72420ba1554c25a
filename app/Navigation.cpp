#include "app/Navigation.h"

#include "screens/ScreenIds.h"
#include "world/NoClubTeam.h"

namespace {

constexpr uint32_t kScreenMask = 0x7F;
constexpr uint32_t kNavigationBit = 1u << 7;
constexpr uint32_t kActionBit = 1u << 8;
constexpr uint32_t kTwoLinesBit = 1u << 12;
constexpr int kButtonShift = 19;
constexpr uint32_t kButtonMask = 0x1F;
constexpr int kLabelShift = 24;

constexpr uint32_t Select(uint32_t screen, uint32_t label, uint32_t lines = 0) {
    return screen | kNavigationBit | lines | label << kLabelShift;
}
constexpr uint32_t Press(uint32_t screen, uint32_t button, uint32_t label, uint32_t lines = 0) {
    return screen | kActionBit | lines | button << kButtonShift | label << kLabelShift;
}

constexpr uint32_t kTwo = kTwoLinesBit;
constexpr int kFirstClubTraining = kScreenYearPlanning;
constexpr int kLastClubManager = kScreenPersonal;
constexpr int kWeekPlanning = kScreenWeekPlanning;
constexpr int kLastClubScreen = kScreenClub;

}  // namespace

const std::array<int32_t, kNavGroupScreenCount> g_navGroupOfScreen = {
    0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 6, 3, 6, 6, 6, 4, 7, 5, 8, 0,
};

// Positions 0-3 stay free for the club's logo at the top of the column.
const std::array<std::array<uint32_t, kSubButtonCount>, kNavGroupCount> g_subButtonTable = {{
    {0, 0, 0, 0, Select(1, 0), Select(2, 1), Select(3, 2), Press(1, 8, 28), Press(1, 9, 29), Press(1, 10, 30),
     Press(1, 11, 31)},
    {0, 0, 0, 0, Select(4, 3), Select(5, 4), Select(6, 5)},
    {0, 0, 0, 0, Select(7, 6), Select(8, 7), Press(9, 9, 8), Press(9, 10, 32), Press(7, 13, 33), Press(7, 8, 44),
     Press(9, 5, 40), Press(9, 6, 41), Press(9, 8, 42, kTwo), Press(9, 4, 43, kTwo)},
    {0, 0, 0, 0, Select(12, 11), Select(10, 9), Press(12, 0, 34, kTwo), Press(10, 1, 35)},
    {0, 0, 0, 0, Press(16, 3, 18), Press(16, 8, 23), Press(16, 4, 19), Press(16, 9, 24), Press(16, 5, 20),
     Press(16, 6, 21), Press(16, 7, 22), Press(16, 10, 25), Press(16, 11, 26), Press(16, 12, 27)},
    {0, 0, 0, 0, Select(18, 17), Press(18, 3, 36), Press(18, 2, 37)},
    {0, 0, 0, 0, Select(14, 13), Select(15, 14, kTwo), Select(11, 10), Select(13, 12), Press(13, 5, 38),
     Press(13, 8, 39)},
    {0, 0, 0, 0, Press(17, 9, 16), Press(17, 10, 45)},
    {},
}};

const std::array<std::string, kNavTargetCount + 1> g_navTooltips = {
    "nominate your team",
    "Please select defence tactics and system",
    "Please select offence system.",
    "Please plan training individually for the players, the next training week or training for the entire season",
    "week planning training",
    "Individual abilities - see and determine in which direction the players should improve",
    "Overview the finances of the club and invest in new players",
    "Finances - administer the fortune of the club",
    "Pool of players",
    "arena - Extend your arena and change the admission fees",
    "Commitment - Use your commitment to improve your team",
    "Overview all information about your club",
    "Personal - View your contract, your progress and your fortune",
    "Overview your dates and skills",
    "week overview - watch your dates and games for next week",
    "Have a look on all important information",
    "Change the game skin, save and load games",
    "Nominate your national team",
    "start training week",
    "match start",
};

const std::array<std::string, kNavLabelCount> g_navLabels = {
    "lineup",           "defence tactics",  "offence tactics",  "year planning",
    "week planning",    "individual",       "year overview",    "situation",
    "players contracts", "stadium",         "skills",           "club",
    "personal",         "calendar",         "week/overview",    "statistic",
    "options",          "national team",    "league tables",    "competitions",
    "teams",            "league",           "recent",           "match days",
    "match days",       "history",          "finance",          "miscellaneous",
    "hospital",         "youth division",   "amateur division", "responsibilities",
    "pool of players",  "Calculation",      "extension-/of contract", "expand the arena",
    "best players",     "resign",           "new club",         "property",
    "transfer list",    "search player",    "search /by club",  "players-/evaluation",
    "employees",        "highscore",
};

const std::array<int, kNavGroupCount> g_navGroupButton = {0, 3, 6, 11, 15, 17, 13, 16, 18};

SubButton DecodeSubButton(uint32_t entry) {
    return SubButton{
        .screen = static_cast<int>(entry & kScreenMask),
        .navigation = (entry & kNavigationBit) != 0,
        .action = (entry & kActionBit) != 0,
        .twoLines = (entry & kTwoLinesBit) != 0,
        .button = static_cast<int>(entry >> kButtonShift & kButtonMask),
        .label = static_cast<int>(entry >> kLabelShift),
    };
}

NavAvailability NavigationAvailability(const CTeam* userTeam, const CTeam* nationalTeam) {
    NavAvailability available;
    available.fill(true);
    auto clear = [&](int first, int last) {
        for (int target = first; target <= last; ++target)
            available[target - 1] = false;
    };
    if (nationalTeam == &g_noClubTeam || nationalTeam == nullptr) {
        clear(kScreenNationalTeam, kScreenNationalTeam);
    } else if (userTeam == nationalTeam) {
        clear(kFirstClubTraining, kLastClubManager);
        available[kWeekPlanning - 1] = true;
    }
    if (userTeam == &g_noClubTeam)
        clear(1, kLastClubScreen);
    return available;
}

int ResolveNavButton(int i, const NavAvailability& available) {
    if (available[i])
        return i;
    for (int target = 1; target <= kNavTargetCount; ++target)
        if (g_navGroupOfScreen[target] == g_navGroupOfScreen[i + 1] && available[target - 1])
            return target - 1;
    return -1;
}
