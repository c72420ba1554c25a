#pragma once

#include <string>

#include "platform/DeviceContext.h"

class CTeam;

// The six defence-system buttons of the lineup and defence tactics screens,
// entries 0-5 of g_screenButtonRects: a stair narrowing upward from the
// screen's bottom right corner, button k (for system 6 - k) on button
// k - 1. The stair's foot stands `rowsUp` button heights above the bottom.
// The button of the team's system is shown pressed.
void DrawDefenceSystemButtons(DeviceContext& dc, const Rect& screen, int rowsUp, const CTeam& team);
// A click on button k chooses system 6 - k and ends every marking; false
// when the click is on none of them.
bool OnDefenceSystemButton(CTeam& team, Point p);

// Buttons of the tactics and lineup screens: a fifth of the screen wide, a
// twentieth high.
constexpr int kButtonsAcross = 5;
constexpr int kButtonsDown = 20;
// Skin colours of their faces and texts, and the shading of the faces.
constexpr int kButtonFaceColour = 1;
constexpr int kButtonTextColour = 7;
constexpr int kButtonShade = 16;
// A bevelled button with its text in the button text colour.
void DrawScreenButton(DeviceContext& dc, const Rect& r, const std::string& text);
