#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"
#include "squad/Tactics.h"
#include "world/Team.h"
#include "world/Vocabulary.h"

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
// lists), and on the lineup screen each row's mark (LineupList.h).
extern std::vector<uint8_t> g_screenListA;
extern std::vector<uint8_t> g_screenListB;

// The defence tactics screen shows which defenders may mark whom.
extern bool g_showMarkingGuide;
// The assistant coach's button of the offence tactics screen.
extern Rect g_assistantButtonRect;

// The screen's list or table area, and the first row it shows (on the
// contracts screen's pool the squad index of its first player column).
extern Rect g_screenListRect;
extern int g_screenListTop;

// The individual screen shows squad players from its page × 3 on.
extern int g_individualPage;

// The contracts screen shows the pool of players side by side (page 0) or
// the planning table, a box of three lines for each position (page 1),
// with the first line each box shows.
enum SquadPoolPage : int { kPoolPage = 0, kPlanningPage = 1 };
extern int g_squadPoolPage;
extern std::array<int, kPositionCount> g_planningFirstRows;

// The pages shown on the statistics (16) and the game menu (17); the
// sub-buttons that select a page read them, as they read the pool's.
extern int g_statPage;
enum GameMenuPage : int { kOptionsPage = 0, kHighscorePage = 1 };
extern int g_gameMenuPage;

// The item of the game menu's options page the last click chose, for the
// main window to carry out; 0 for none.
enum GameMenuChoice : int {
    kNoMenuChoice = 0,
    kChoiceNewGame = 1,
    kChoiceGameOptions = 2,
    kChoiceSoundOptions = 3,
    kChoiceSaveGame = 4,
    kChoiceLoadGame = 5,
    kChoiceQuitGame = 6,
};
extern int g_gameMenuChoice;

// Back to the empty rectangles, lists and first pages the program starts with.
void ResetScreenState();
