#pragma once

#include <array>
#include <string>

#include "platform/DeviceContext.h"

// The game menu, screen 17, in two pages (g_gameMenuPage): the options
// page, a column of six buttons between the game date and the manager's
// name, and the highscore page, the board's evaluation of his work above
// the ten best careers. A click on a button only records the chosen item
// in g_gameMenuChoice (ScreenState.h); the main window carries it out.

constexpr int kGameMenuButtonCount = 6;
// The options page's buttons, top down: choice k is entry k - 1.
extern const std::array<std::string, kGameMenuButtonCount> g_gameMenuButtons;
// The two buttons the page's sub-buttons press: options and highscore.
constexpr int kOptionsPageButton = 9;
constexpr int kHighscorePageButton = 10;

// A repaint that is not full leaves the options page as it stands; the
// highscore page is painted either way.
void DrawGameMenu(DeviceContext& dc, const Rect& rect, bool full);
// The highscore page (GameMenuHighscore.cpp). It leaves the screen's click
// areas empty, so this page takes no click of its own.
void DrawGameMenuHighscore(DeviceContext& dc, const Rect& rect);
// A weighted score in tenths of a percent, as the evaluation's total column
// shows it: -5 is "-0.5 %".
std::string FormatWeightedScore(int tenths);

// New game and quit are asked about first; "no" chooses nothing. True when
// the click changed the page, which is then painted with the whole surface.
bool OnGameMenuClick(Point p, bool* redrawBackground);
