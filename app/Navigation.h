#pragma once

#include <array>
#include <cstdint>
#include <string>

class CTeam;

// The manager screens' menu: nine groups, each with a button in the
// navigation bar along the bottom and a column of sub-buttons at the left.
// Navigation targets are the screens 1-18 and 19, the status panel while
// time runs ("start training week"); navigation button i leads to target
// i + 1.

constexpr int kNavTargetCount = 19;
constexpr int kNavGroupCount = 9;
constexpr int kSubButtonCount = 15;
constexpr int kNavLabelCount = 46;
// Screens 0-20 have a group: the start screen and one past the targets too.
constexpr int kNavGroupScreenCount = 21;

extern const std::array<int32_t, kNavGroupScreenCount> g_navGroupOfScreen;
extern const std::array<std::array<uint32_t, kSubButtonCount>, kNavGroupCount> g_subButtonTable;
extern const std::array<std::string, kNavLabelCount> g_navLabels;
// What each navigation target leads to, and last the match start.
extern const std::array<std::string, kNavTargetCount + 1> g_navTooltips;
// The button shown in the bar for each group.
extern const std::array<int, kNavGroupCount> g_navGroupButton;

// One entry of g_subButtonTable. A navigation entry selects its screen; an
// action entry presses the button with that index of its screen. Two-line
// labels are split at their "/".
struct SubButton {
    int screen = 0;
    bool navigation = false;
    bool action = false;
    bool twoLines = false;
    int button = 0;
    int label = 0;
};
SubButton DecodeSubButton(uint32_t entry);

// Whether each target (index target - 1) can be reached: without a national
// team there is no national-team screen; with the national team as the
// user's team only week planning is left of the club's training, finances,
// club and manager screens 4-13; without a club none of screens 1-12.
// "No club" and "no national team" are the no-club team (a manager not yet
// placed has a null national team).
using NavAvailability = std::array<bool, kNavTargetCount>;
NavAvailability NavigationAvailability(const CTeam* userTeam, const CTeam* nationalTeam);

// The navigation button a click on button i leads to: i itself when its
// target is available, else the first available button of its group; -1
// when the group has none.
int ResolveNavButton(int i, const NavAvailability& available);
