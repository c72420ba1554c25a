#pragma once

#include "app/ScreenAreaLayout.h"
#include "platform/DeviceContext.h"

class CTeam;

// The painted parts of the screen area while a match day is on screen, in
// the places its layout gives.

// Each button's cell of the skin's mode-button picture stretched into a
// picture of the layout's button size at the button's corner; the button of
// the current screen (button i stands for screen i + 1) shows its selected
// picture.
void PaintModeButtons(DeviceContext& dc, const ScreenAreaLayout& layout, const Bitmap& modeButtons, int screenId);

// The team panel: the bars of the user's offence and defence strength and
// the four condition gauges of his lineup, each against the next opponent.
// The score line's row is not painted here.
void PaintRunningTeamPanel(DeviceContext& dc, const ScreenAreaLayout& layout, CTeam& userTeam);
