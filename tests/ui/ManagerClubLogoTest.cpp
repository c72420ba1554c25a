#include <gtest/gtest.h>

#include "platform/Path.h"
#include "tests/TempFolder.h"
#include "ui/SkinBitmaps.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

// The crest of his club, or the grey square without one, with its size for
// the game surface.
TEST(ManagerClubLogo, LoadsTheCrestOfHisClub) {
    const TempFolder temp;
    std::filesystem::create_directories(temp / "Wappen");
    ASSERT_TRUE(Bitmap(64, 48, kWhite).SaveBmp24(temp / "Wappen" / "Norheim.bmp"));
    SetProgramFolder(temp.Path());
    CTeam club;
    club.logoFile = "Norheim.bmp";

    g_manager.club = &club;
    g_manager.LoadClubLogo();
    EXPECT_EQ(g_layoutPoints[kLayoutClubLogo], (Size{64, 48}));
    EXPECT_EQ(g_manager.clubLogo.Width(), 64);

    g_manager.club = &g_noClubTeam;
    g_manager.LoadClubLogo();
    EXPECT_EQ(g_layoutPoints[kLayoutClubLogo], (Size{50, 50}));
    EXPECT_EQ(g_manager.clubLogo.Width(), 51);
}
