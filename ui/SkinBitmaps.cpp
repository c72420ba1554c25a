#include "ui/SkinBitmaps.h"

#include <initializer_list>

Bitmap g_bmpSkills;
Bitmap g_bmpFlags;
Bitmap g_bmpProperty;
Bitmap g_bmpHall;
Bitmap g_bmpBackGame;
Bitmap g_bmpBackFinance;
Bitmap g_bmpBackClub;
Bitmap g_bmpBackStatistics;
Bitmap g_bmpBackDialog;
Bitmap g_bmpBackTeam;
Bitmap g_bmpTButtons;
Bitmap g_bmpBar;
Bitmap g_bmpTraining;
Bitmap g_bmpSIcon;
Bitmap g_bmpScrollBar;
Bitmap g_bmpPics;
Bitmap g_bmpMoney;
Bitmap g_bmpPkView;
Bitmap g_bmpDButtons;
Bitmap g_bmpFanArticles;
Bitmap g_bmpLogoBall;
Bitmap g_bmpKeyVisual;

Bitmap* g_pCardBitmap = nullptr;
Bitmap* g_pViewBitmap = nullptr;

std::array<Size, kLayoutPointCount> g_layoutPoints{};

void ResetSkinBitmaps() {
    for (Bitmap* b : {&g_bmpSkills, &g_bmpFlags, &g_bmpProperty, &g_bmpHall, &g_bmpBackGame, &g_bmpBackFinance,
                      &g_bmpBackClub, &g_bmpBackStatistics, &g_bmpBackDialog, &g_bmpBackTeam, &g_bmpTButtons,
                      &g_bmpBar, &g_bmpTraining, &g_bmpSIcon, &g_bmpScrollBar, &g_bmpPics, &g_bmpMoney,
                      &g_bmpPkView, &g_bmpDButtons, &g_bmpFanArticles, &g_bmpLogoBall, &g_bmpKeyVisual})
        b->Clear();
    g_pCardBitmap = nullptr;
    g_pViewBitmap = nullptr;
    g_layoutPoints = {};
}
