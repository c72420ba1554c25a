#pragma once

#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "world/CompetitionMask.h"

class CTeam;

// Members of the main window that code without a window pointer reads and
// writes. The window sets them when it is built and clears them when it
// goes; they are null before and after. The option word is g_pOptions
// and the running flag g_pRunning (platform/GameOptions.h); the world is
// g_manager.world.
extern CompetitionMask* g_pCompetitionMask;  // today's competitions
extern CTeam** g_pUserTeamSlot;              // the user's club, &g_noClubTeam for none
extern Rect* g_pLayoutRect;                  // emptied to force a new layout at the next paint
extern std::vector<std::string>* g_pStatusLines;  // the lines of the status panel

// Nulls them all, as when the window goes.
void ResetMainWindowState();
