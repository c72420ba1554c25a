#include <gtest/gtest.h>

#include "tests/TempFolder.h"

#include <filesystem>

#include "platform/Bitmap.h"
#include "platform/Path.h"
#include "world/Team.h"

namespace {

// A program folder of the test's own with an empty crest folder.
class TeamCrest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(temp.Path() / "Wappen");
        SetProgramFolder(temp.Path());
    }
    void TearDown() override { ResetProgramFolder(); }

    void SaveCrest(const std::string& file, int width, int height) {
        ASSERT_TRUE(Bitmap(width, height, kWhite).SaveBmp24(temp.Path() / "Wappen" / file));
    }

    TempFolder temp;
    CTeam team;
    Bitmap crest;
};

TEST_F(TeamCrest, TheClubsOwnFileAtItsOwnSize) {
    SaveCrest("Club.bmp", 7, 5);
    SaveCrest("ohne.bmp", 9, 4);
    team.logoFile = "club.BMP";
    EXPECT_EQ(team.GetCrestBitmap(crest), (Size{7, 5}));
    EXPECT_EQ(crest.Width(), 7);
}

TEST_F(TeamCrest, WithoutItsFileTheCommonCrest) {
    SaveCrest("ohne.bmp", 9, 4);
    for (const char* logo : {"", "missing.bmp"}) {
        team.logoFile = logo;
        EXPECT_EQ(team.GetCrestBitmap(crest), (Size{9, 4})) << logo;
        EXPECT_EQ(crest.Height(), 4) << logo;
    }
}

TEST_F(TeamCrest, WithoutBothFilesDiamondsInTheLightenedHomeColour) {
    struct Case {
        Colour home;
        Colour fill;       // each channel raised to at least 63
        Colour sixth;      // the sixth diamond, darkened by 15
        Colour innermost;  // the tenth, darkened by 27
    };
    for (const Case& c : {Case{Rgb(0, 0, 0), Rgb(63, 63, 63), Rgb(48, 48, 48), Rgb(36, 36, 36)},
                          Case{Rgb(200, 0, 0), Rgb(255, 63, 63), Rgb(240, 48, 48), Rgb(228, 36, 36)}}) {
        team.homeColour = c.home;
        EXPECT_EQ(team.GetCrestBitmap(crest), (Size{100, 100}));
        EXPECT_EQ(crest.GetPixel(0, 0), c.fill);
        EXPECT_EQ(crest.GetPixel(15, 49), c.sixth);
        EXPECT_EQ(crest.GetPixel(49, 15), c.sixth);
        EXPECT_EQ(crest.GetPixel(19, 49), c.innermost);
        EXPECT_EQ(crest.GetPixel(79, 49), c.innermost);
        EXPECT_EQ(crest.GetPixel(49, 49), c.fill);  // inside the diamonds
    }
}

}  // namespace
