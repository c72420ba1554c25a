#pragma once

#include "app/StartScreen.h"
#include "platform/Geometry.h"

// Where the parts of the screen area lie while a match day is on screen:
// the four mode buttons along the bottom (the team's three lineup screens
// and the match start), the team panel on the left and the current screen
// to its right. The sizes follow the window's client rectangle and the
// skin's pictures, so that each picture keeps its proportions.

// The mode-button picture: one cell per button across, the normal and the
// selected picture down.
constexpr int kModeButtonCount = 4;
constexpr int kModeButtonRows = 2;

struct ScreenAreaLayout {
    int buttonWidth = 0;  // of the pictures; the last button's rectangle reaches the right edge
    int buttonHeight = 0;
    int panelWidth = 0;
    // The mode buttons at 0-3; the other rectangles are empty.
    ControlRects controlRects{};
    // The team panel, top to bottom: the score line of the user's live match
    // (empty without it), the offence and defence bars, a band with the
    // freshness and fitness gauges and, down to the buttons, one with the
    // team and fighting spirit gauges.
    Rect scoreLine;
    Rect offenceBar;
    Rect defenceBar;
    Rect freshness;
    Rect fitness;
    Rect teamSpirit;
    Rect fightingSpirit;
    Rect screenArea;
};

// modeButtons, leftColumn (picture beside its mask) and infoPanel are the
// sizes of the skin's mode-button, left-column overlay and information
// panel pictures; a picture without size gives its part no room. The panel
// keeps within the window however low or narrow it is. liveMatch: the
// user's match of the day is being played, so the panel shows its score line.
ScreenAreaLayout LayOutScreenArea(const Rect& client, Size modeButtons, Size leftColumn, Size infoPanel,
                                  bool liveMatch);
