#include "screens/ScreenState.h"

std::array<Rect, kLineupSlotCount> g_lineupCardRects;
std::array<Rect, kScreenButtonSingles + kScreenButtonRowLength> g_screenButtonRects;
std::vector<uint8_t> g_screenListA;

void ResetScreenState() {
    g_lineupCardRects = {};
    g_screenButtonRects = {};
    g_screenListA.clear();
}
