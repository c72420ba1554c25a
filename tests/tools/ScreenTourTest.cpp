#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "app/Navigation.h"
#include "platform/DeviceContext.h"
#include "screens/LineupScreen.h"
#include "screens/NewGameDlg.h"
#include "screens/ScreenFramework.h"
#include "screens/ScreenIds.h"
#include "tests/TempFolder.h"
#include "tests/tools/PngReader.h"
#include "tools/tour/FrameCheck.h"
#include "tools/tour/ScreenTour.h"
#include "tools/tour/TourIndex.h"
#include "ui/SkinBitmaps.h"

namespace fs = std::filesystem;

namespace {

const fs::path kProgramFolder = CORVANTA_PROGRAM_DIR;
constexpr Size kSize{1280, 800};
constexpr int kNationalTeamScreen = 18;

// The pages each screen's sub-buttons press: (screen, button).
using Pages = std::set<std::pair<int, int>>;

Pages PagesPressedOutside(int leftOut) {
    Pages pages;
    for (const auto& row : g_subButtonTable)
        for (const uint32_t entry : row) {
            const SubButton button = DecodeSubButton(entry);
            if (entry != 0 && button.action && button.screen != leftOut)
                pages.insert({button.screen, button.button});
        }
    return pages;
}

std::string FileText(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// A new game on the shipped world with the manager at the first club of
// the first league and no national team, at one size: every screen and
// every page its sub-buttons press is clicked to and written, but the
// national team's screen, which no click reaches, and the lineup screen
// once more after "auto"; before the game, the
// new-game wizard's pages over the start screen, and at the end the file
// browser's three pictures over the last screen.
TEST(ScreenTour, ShowsEveryScreenAndPageOfANewGameAndNamesThemInTheIndex) {
    const TempFolder out;
    TourSettings settings;
    settings.window.worldFile = kProgramFolder / "Welt.kwl";
    settings.window.pictureFolder = kProgramFolder;
    settings.sizes = {kSize};
    settings.outFolder = out.Path();
    const TourResult result = RunScreenTour(settings);
    ASSERT_EQ(result.error, "");
    ASSERT_TRUE(WriteTourIndex(out / "index.html", settings, result));
    const std::string index = FileText(out / "index.html");

    std::set<int> screens;
    std::set<std::string> dialogs;
    Pages pages;
    std::set<std::string> wizardPages;
    for (const TourShot& shot : result.shots) {
        SCOPED_TRACE("screen " + std::to_string(shot.screenId) + " button " + std::to_string(shot.button));
        EXPECT_EQ(shot.failure, "");
        if (!shot.dialog.empty() && shot.screenId == kTourStartScreen)
            wizardPages.insert(shot.file);
        else if (!shot.dialog.empty())
            dialogs.insert(shot.dialog);
        else if (shot.button < 0)
            screens.insert(shot.screenId);
        else
            pages.insert({shot.screenId, shot.button});
        if (shot.file.empty()) {
            EXPECT_EQ(shot.screenId, kNationalTeamScreen) << "only the national team's screen is out of reach";
            continue;
        }
        EXPECT_NE(index.find("<img src=\"" + shot.file + "\""), std::string::npos) << shot.file;
        const ReadBackPng png = ReadPngFile(out / shot.file);
        ASSERT_EQ(png.fault, "") << shot.file;
        EXPECT_EQ(png.width, static_cast<uint32_t>(kSize.width));
        EXPECT_EQ(png.height, static_cast<uint32_t>(kSize.height));
        EXPECT_FALSE(png.IsOneColour()) << shot.file << " is blank";
    }
    std::set<int> all;
    for (int screenId = kTourStartScreen; screenId <= kTourStatusPanel; ++screenId)
        all.insert(screenId);
    EXPECT_EQ(screens, all);
    EXPECT_EQ(dialogs, (std::set<std::string>{"save game", "load game", "search for an icon"}));
    Pages expected = PagesPressedOutside(kNationalTeamScreen);
    expected.insert({kScreenLineup, kAutoLineupButton});
    EXPECT_EQ(pages, expected);
    EXPECT_EQ(wizardPages.size(), static_cast<size_t>(CNewGameDlg::kPageCount));
    EXPECT_NE(index.find("not available"), std::string::npos);
    EXPECT_FALSE(result.Failed());
}

// The check behind "paints nothing but its frame": a single pixel of its
// own inside the screen's area is contents; outside it counts for nothing.
TEST(ScreenTour, FrameCheckTellsContentsFromTheFrameAlone) {
    g_bmpBackGame.Create(16, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            g_bmpBackGame.SetPixel(x, y, Rgb(x * 16, y * 20, 90));
    g_layoutPoints[kLayoutBackGame] = Size{16, 12};
    const Rect area{40, 10, 200, 130};
    const int weekPlanning = 5;  // a background, a title and a second line
    Bitmap picture(240, 140);
    DeviceContext dc(&picture);
    DrawScreenFrame(dc, area, weekPlanning);
    EXPECT_TRUE(ShowsOnlyItsFrame(picture, area, weekPlanning));

    picture.SetPixel(area.left - 1, area.top, kWhite);
    picture.SetPixel(area.right, area.bottom - 1, kWhite);
    EXPECT_TRUE(ShowsOnlyItsFrame(picture, area, weekPlanning)) << "outside the area";

    const Point inside{area.right - 1, area.bottom - 1};
    picture.SetPixel(inside.x, inside.y, picture.GetPixel(inside.x, inside.y) ^ 0x00FFFFFF);
    EXPECT_FALSE(ShowsOnlyItsFrame(picture, area, weekPlanning));
}
