#pragma once

#include <array>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// The skin's pictures that painters everywhere draw from. They live as long
// as the program; loading a skin fills them again (a missing file leaves a
// small empty picture, so every painter always finds one).
extern Bitmap g_bmpSkills;
extern Bitmap g_bmpFlags;
extern Bitmap g_bmpProperty;
extern Bitmap g_bmpHall;
extern Bitmap g_bmpBackGame;
extern Bitmap g_bmpBackFinance;
extern Bitmap g_bmpBackClub;
extern Bitmap g_bmpBackStatistics;
extern Bitmap g_bmpBackDialog;
extern Bitmap g_bmpBackTeam;
extern Bitmap g_bmpTButtons;
extern Bitmap g_bmpBar;
extern Bitmap g_bmpTraining;
extern Bitmap g_bmpSIcon;
extern Bitmap g_bmpScrollBar;  // 40 × 40 cells: the arrows up and down, the thumb
constexpr int kScrollBarCell = 40;
constexpr Point kScrollUpCell{0, 0};
constexpr Point kScrollDownCell{40, 0};
constexpr Point kScrollThumbCell{120, 0};
extern Bitmap g_bmpPics;   // count and rate icons, 40 × 40 each
extern Bitmap g_bmpMoney;  // bank notes, 60 × 40 each
extern Bitmap g_bmpPkView;
extern Bitmap g_bmpDButtons;
extern Bitmap g_bmpFanArticles;
extern Bitmap g_bmpLogoBall;
extern Bitmap g_bmpKeyVisual;

// Pictures the main window owns and publishes: the card texture of boxes and
// the view with the shirts.
extern Bitmap* g_pCardBitmap;
extern Bitmap* g_pViewBitmap;

// The skin's pictures the main window owns, loaded with the rest; the card
// texture and the shirt view are published through the two pointers above.
struct WindowSkinBitmaps {
    Bitmap mainMenu;
    Bitmap layer;
    Bitmap edge;         // the card texture of boxes
    Bitmap emptyLayer;
    Bitmap modeButtons;  // the four running-mode buttons
    Bitmap view;         // the shirts
};

// Sizes of the main pictures, which backgrounds and menus are laid out by.
enum LayoutPoint : int {
    kLayoutBackTeam,
    kLayoutBackGame,
    kLayoutBackStatistics,
    kLayoutBackFinance,
    kLayoutBackClub,
    kLayoutBackDialog,
    kLayoutMainMenu,
    kLayoutModeButtons,
    kLayoutTraining,
    kLayoutLogoBall,
    kLayoutLayer,
    kLayoutEdge,
    kLayoutEmptyLayer,
    kLayoutKeyVisual,
    kLayoutClubLogo,  // not a skin picture: the manager's club logo, set by its loader
    kLayoutPointCount,
};
extern std::array<Size, kLayoutPointCount> g_layoutPoints;

// Empties every picture, pointer and size above, as before a skin is loaded.
void ResetSkinBitmaps();
