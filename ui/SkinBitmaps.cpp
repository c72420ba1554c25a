#include "ui/SkinBitmaps.h"

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
