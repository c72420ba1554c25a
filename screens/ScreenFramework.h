#pragma once

#include "platform/DeviceContext.h"

// What every manager screen stands on: its background picture stretched
// over the screen's rectangle and, on most screens, a title band at the top.
// The screens 1-18 each add their own contents over it.

constexpr int kFirstScreenId = 1;
constexpr int kLastScreenId = 18;
// A screen's heights are counted in twelfths of its rectangle.
constexpr int kScreenUnitsPerHeight = 12;

// The background and the fixed title lines of the screen; nothing for a
// number outside 1-18. The calendar names the season and month of the game
// date, the game menu its page.
void DrawScreenFrame(DeviceContext& dc, const Rect& rect, int screenId);
