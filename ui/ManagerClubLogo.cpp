#include "ui/CrestBitmap.h"
#include "ui/SkinBitmaps.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

void CManager::LoadClubLogo() {
    const CTeam& team = club ? *club : g_noClubTeam;
    g_layoutPoints[kLayoutClubLogo] = LoadCrestBitmap(kCrestFolder + team.logoFile, clubLogo);
}
