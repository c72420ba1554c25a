#include "ui/SkinFiles.h"

#include <array>
#include <strings.h>

#include "world/ArenaPicture.h"

namespace {

// Smallest sizes: the far edge of the last cell a painter reads. Pictures
// that are only ever stretched whole need no more than to be a picture.
constexpr int kWhole = 64;

constexpr std::array<SkinFile, kSkinBitmapCount> kFiles = {{
    {"SKILLS.BMP", "g_bmpSkills", 360, 96, 24, 24},
    {"FLAGS.BMP", "g_bmpFlags", 600, 800, 60, 40},
    {"PROPERTY.BMP", "g_bmpProperty", 40, 40, 40, 40},
    {"HALL.BMP", "g_bmpHall", ArenaPicture::kWidth, ArenaPicture::kHeight, ArenaPicture::kTile, ArenaPicture::kTile},
    {"BGGAME.BMP", "g_bmpBackGame", kWhole, kWhole, 0, 0},
    {"BGFINANZ.BMP", "g_bmpBackFinance", kWhole, kWhole, 0, 0},
    {"BGCLUB.BMP", "g_bmpBackClub", kWhole, kWhole, 0, 0},
    {"BGSTAT.BMP", "g_bmpBackStatistics", kWhole, kWhole, 0, 0},
    {kDialogBackgroundFile, "g_bmpBackDialog", kWhole, kWhole, 0, 0},
    {"BGTEAM.BMP", "g_bmpBackTeam", kWhole, kWhole, 0, 0},
    {"TBUTTONS.BMP", "g_bmpTButtons", 300, 50, 50, 50},
    {"BAR.BMP", "g_bmpBar", 200, 50, 50, 50},
    {"TRAINING.BMP", "g_bmpTraining", 400, 240, 40, 40},
    {"SICON.BMP", "g_bmpSIcon", 200, 250, 200, 50},
    {"SCROLLB.BMP", "g_bmpScrollBar", 160, 240, 40, 40},
    {"PICS.BMP", "g_bmpPics", 520, 160, 40, 40},
    {"MONEY.BMP", "g_bmpMoney", 480, 80, 60, 40},
    {"PKVIEW.BMP", "g_bmpPkView", 60, 80, 60, 40},
    {"HAUPTMEN.BMP", "mainMenuBitmap", 9 * 16, 3 * 8, 128, 64},
    {"SBMLAYER.BMP", "layerBitmap", 2 * kWhole, kWhole, 240, 560},
    {"UPEDGE.BMP", "edgeBitmap", kWhole, kWhole, 0, 0},
    {"SBMLEER.BMP", "emptyLayerBitmap", kWhole, kWhole, 0, 0},
    {"PMENU.BMP", "modeButtonBitmap", 4 * 16, 2 * 8, 200, 40},
    {kDialogButtonsFile, "g_bmpDButtons", 100, 150, 50, 50},
    {"FANART.BMP", "g_bmpFanArticles", 500, 100, 100, 100},
    {"LOGOBALL.BMP", "g_bmpLogoBall", 7 * 16, 2 * 16, 80, 80},
    {"KEYVISUAL.BMP", "g_bmpKeyVisual", kWhole, kWhole, 0, 0},
    {"TRIKOTS.BMP", "viewBitmap", kWhole, kWhole, 64, 64},
}};

}  // namespace

std::span<const SkinFile> SkinBitmapFiles() { return kFiles; }

const SkinFile* FindSkinFile(const char* name) {
    for (const SkinFile& f : kFiles)
        if (strcasecmp(f.name, name) == 0)
            return &f;
    return nullptr;
}
