#pragma once

#include "ui/SkinLoader.h"

// Puts every global the skin loader fills back to how the program starts.
inline void ResetSkinGlobals() {
    g_skinColours = kDefaultSkinColours;
    g_listMarkColours = kDefaultListMarkColours;
    g_layoutPoints = {};
    g_pCardBitmap = nullptr;
    g_pViewBitmap = nullptr;
    for (Bitmap* b : {&g_bmpSkills, &g_bmpFlags, &g_bmpProperty, &g_bmpHall, &g_bmpBackGame, &g_bmpBackFinance,
                      &g_bmpBackClub, &g_bmpBackStatistics, &g_bmpBackDialog, &g_bmpBackTeam, &g_bmpTButtons,
                      &g_bmpBar, &g_bmpTraining, &g_bmpSIcon, &g_bmpScrollBar, &g_bmpPics, &g_bmpMoney,
                      &g_bmpPkView, &g_bmpDButtons, &g_bmpFanArticles, &g_bmpLogoBall, &g_bmpKeyVisual})
        b->Clear();
}
