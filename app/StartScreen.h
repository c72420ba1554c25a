#pragma once

#include <array>
#include <string>

#include "platform/DeviceContext.h"

// The start screen: the skin's start picture over the whole window, the six
// entries of the game menu in a column in the middle, the version line at
// the bottom and, at its right end, the selected world's name, which the
// user clicks to switch worlds. The main window paints it while no game
// screen is chosen and tests its clicks against the rectangles it stores.

constexpr int kGameMenuItemCount = 6;
extern const std::array<std::string, kGameMenuItemCount> g_gameMenuItems;
extern const std::string g_versionText;

// The main window's control rectangles; on the start screen 0-5 are the menu
// entries, 6 is unused and 7 is the world switch.
constexpr int kControlRectCount = 8;
constexpr int kWorldSwitchControl = 7;
using ControlRects = std::array<Rect, kControlRectCount>;

struct StartScreenLayout {
    ControlRects controls;
    Rect versionLine;
};

StartScreenLayout LayOutStartScreen(const Rect& client);
// Paints into the main window's back buffer and stores the rectangles the
// clicks are tested against. The variant world is the women's.
void DrawStartScreen(DeviceContext& dc, const Rect& client, bool variantWorld, ControlRects& controlRects);
// The control under a point: a menu entry 0-5 or the world switch; -1 for none.
int HitTestStartScreen(const ControlRects& controlRects, Point p);
