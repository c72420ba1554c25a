#pragma once

#include <array>

#include "app/Navigation.h"
#include "platform/Geometry.h"

// Where the parts of the game surface of the manager screens lie: the
// navigation bar along the bottom, the information panel at the top left,
// the sub-button column under it and the current screen to the right. The
// sizes follow the window's client rectangle and the skin's pictures, so
// that each picture keeps its proportions.

// Navigation bar: one cell per group across, normal, selected and
// unavailable down.
constexpr int kNavBarRows = 3;
constexpr int kSubButtonInset = 5;  // the column's rows start this far in

struct GameSurfaceLayout {
    int navHeight = 0;
    int panelWidth = 0;
    // Only the buttons the bar shows, one per group, get a rectangle.
    std::array<Rect, kNavTargetCount> navRects{};
    Rect infoPanel;
    Rect subButtonColumn;
    std::array<Rect, kSubButtonCount> subButtonRects{};
    Rect screenArea;
};

// navBar, leftColumn (picture beside its mask) and infoPanel are the sizes
// of the skin's navigation bar, left-column overlay and information panel
// pictures; a picture without size gives its part no room.
GameSurfaceLayout LayOutGameSurface(const Rect& client, Size navBar, Size leftColumn, Size infoPanel);
