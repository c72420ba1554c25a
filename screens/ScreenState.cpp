#include "screens/ScreenState.h"

std::array<Rect, kLineupSlotCount> g_lineupCardRects;
std::array<Rect, kScreenButtonSingles + kScreenButtonRowLength> g_screenButtonRects;
std::vector<uint8_t> g_screenListA;
int g_squadPoolPage = 0;
int g_statPage = 0;
int g_gameMenuPage = 0;

void ResetScreenState() {
    g_lineupCardRects = {};
    g_screenButtonRects = {};
    g_screenListA.clear();
    g_squadPoolPage = 0;
    g_statPage = 0;
    g_gameMenuPage = 0;
}
