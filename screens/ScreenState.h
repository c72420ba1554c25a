#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"
#include "squad/Tactics.h"
#include "world/Team.h"

// What the screen that painted last leaves for the click, move and
// right-click handlers, which test it as it stands; each screen rewrites the
// entries it uses when it paints.

// Where the card of lineup slot k was last drawn.
extern std::array<Rect, kLineupSlotCount> g_lineupCardRects;

// Six single click areas, then a row of eighteen; each screen gives them its
// own meaning.
constexpr int kScreenButtonSingles = 6;
constexpr int kScreenButtonRowLength = 18;
extern std::array<Rect, kScreenButtonSingles + kScreenButtonRowLength> g_screenButtonRects;

// The tactics screens: the defence-system buttons are entries 0-5, then
// the buttons of values 0-4 of each of the three settings.
constexpr int TacticsOptionButton(int setting, int value) {
    return kScreenButtonSingles + (kTacticsLevelMax + 1) * setting + value;
}

// The list indices of the shown list's rows (squad indices on the squad
// lists).
extern std::vector<uint8_t> g_screenListA;

// The pages shown on the player pool (screen 9), the statistics (16) and
// the game menu (17); the sub-buttons that select them read them.
extern int g_squadPoolPage;
extern int g_statPage;
extern int g_gameMenuPage;

// Back to the empty rectangles and list the program starts with.
void ResetScreenState();
