#include "screens/ScreenState.h"

#include "screens/DragPicture.h"

std::array<Rect, kLineupSlotCount> g_lineupCardRects;
std::array<Rect, kScreenButtonSingles + kScreenButtonRowLength> g_screenButtonRects;
std::vector<uint8_t> g_screenListA;
std::vector<uint8_t> g_screenListB;
bool g_showMarkingGuide = false;
Rect g_assistantButtonRect;
Rect g_screenListRect;
int g_screenListTop = 0;
int g_individualPage = 0;
int g_squadPoolPage = 0;
std::array<int, kPositionCount> g_planningFirstRows{};
int g_statPage = 0;
int g_gameMenuPage = kOptionsPage;
int g_gameMenuChoice = kNoMenuChoice;

void ResetScreenState() {
    g_lineupCardRects = {};
    g_screenButtonRects = {};
    g_screenListA.clear();
    g_screenListB.clear();
    g_showMarkingGuide = false;
    g_assistantButtonRect = {};
    ResetPlayerDrag();
    g_screenListRect = {};
    g_screenListTop = 0;
    g_individualPage = 0;
    g_squadPoolPage = 0;
    g_planningFirstRows = {};
    g_statPage = 0;
    g_gameMenuPage = kOptionsPage;
    g_gameMenuChoice = kNoMenuChoice;
}
