#pragma once

#include <array>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "screens/NewGameDlg.h"

class CGameView;

// The new-game wizard's pages as the start screen's "new game" shows them:
// the wizard on the world the window read, centred over the window's
// picture at its size. Page 0 gets a name typed in and "select first club",
// page 1 a nation deactivated, page 2 a club and a national team chosen;
// then the wizard is cancelled, so neither the world nor the manager
// changes. The window's option word lets the user choose the nations while
// the wizard runs.
using WizardPictures = std::array<Bitmap, CNewGameDlg::kPageCount>;

// A page the wizard did not show stays an empty picture.
WizardPictures TakeWizardPages(CGameView& view);
