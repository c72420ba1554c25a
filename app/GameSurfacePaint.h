#pragma once

#include <string>

#include "app/GameSurfaceLayout.h"
#include "platform/DeviceContext.h"

class CTeam;
struct WindowSkinBitmaps;

// The parts of the game surface around the current manager screen, painted
// where LayOutGameSurface puts them: the navigation bar with one button per
// menu group, the information panel (manager, date, money, club), the
// sub-button column of the current screen's group and the column's overlay.

// A group's button shows its selected picture when the screen belongs to it,
// its unavailable picture when none of its targets can be reached.
void PaintNavigationBar(DeviceContext& dc, const GameSurfaceLayout& layout, const Bitmap& navBar, Size navBarSize,
                        int screenId, const NavAvailability& available);
// The manager's names, the game date, the club's net assets (none for the
// national team or without a club) and the club's name.
// The game date as the information panel shows it.
std::string ShownGameDate();
void PaintInfoPanel(DeviceContext& dc, const GameSurfaceLayout& layout, const WindowSkinBitmaps& skin,
                    const CTeam& userTeam);
// The sub-buttons of the screen's group on the column's background, each
// with a mark and its label in the colour of its state, and the column's
// overlay picture over them.
void PaintSubButtonColumn(DeviceContext& dc, const GameSurfaceLayout& layout, const WindowSkinBitmaps& skin,
                          int screenId, const NavAvailability& available);

// The manager's club logo over the column's first rows, which hold no
// buttons; nothing without a logo. It keeps within the column.
void PaintClubLogo(DeviceContext& dc, const GameSurfaceLayout& layout, const Bitmap& logo, Size logoSize);

// A sub-button's state: unavailable, normal or current (its screen, or on
// the pages of screens 9, 16 and 17 its page, is shown).
enum class SubButtonState { kUnavailable = -1, kNormal = 0, kCurrent = 1 };
SubButtonState StateOfSubButton(const SubButton& button, int screenId, const NavAvailability& available);
