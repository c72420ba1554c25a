#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/MessageDlg.h"
#include "app/StartPictureDlg.h"
#include "app/StartScreen.h"
#include "platform/DeviceContext.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Path.h"
#include "ui/SkinLoader.h"
#include "world/Arena.h"

// The skin the build drew, read the way the game reads it, and the painters
// that use it rendered to PNGs in the build folder for a person to look at.

namespace fs = std::filesystem;

namespace {

class DefaultSkin : public ::testing::Test {
protected:
    void SetUp() override {
        previousSystem_ = SetWindowSystem(&system_);
        SetProgramFolder(CORVANTA_PROGRAM_DIR);
        LoadSkinBitmaps(kDefaultSkinFolder, window);
        MeasureSkinBitmaps(window);
    }
    void TearDown() override {
        SetProgramFolder(GetModulePath().parent_path());
        SetWindowSystem(previousSystem_);
    }

    static void Save(const Bitmap& picture, const std::string& name) {
        ASSERT_TRUE(picture.SavePng(fs::path(CORVANTA_BINARY_DIR) / ("default_skin_" + name + ".png")));
    }

    WindowSkinBitmaps window;

private:
    HeadlessWindowSystem system_;
    WindowSystem* previousSystem_ = nullptr;
};

bool IsFallback(const Bitmap& b) { return b.Width() == kMissingSkinBitmapSide && b.Height() == kMissingSkinBitmapSide; }

}  // namespace

TEST_F(DefaultSkin, EveryBitmapLoadsThroughTheGamesLoader) {
    const Bitmap* pictures[] = {&g_bmpSkills,    &g_bmpFlags,        &g_bmpProperty,   &g_bmpHall,
                                &g_bmpBackGame,  &g_bmpBackFinance,  &g_bmpBackClub,   &g_bmpBackStatistics,
                                &g_bmpBackDialog, &g_bmpBackTeam,    &g_bmpTButtons,   &g_bmpBar,
                                &g_bmpTraining,  &g_bmpSIcon,        &g_bmpScrollBar,  &g_bmpPics,
                                &g_bmpMoney,     &g_bmpPkView,       &window.mainMenu, &window.layer,
                                &window.edge,    &window.emptyLayer, &window.modeButtons, &g_bmpDButtons,
                                &g_bmpFanArticles, &g_bmpLogoBall,   &g_bmpKeyVisual,  &window.view};
    static_assert(std::size(pictures) == kSkinBitmapCount);
    for (size_t i = 0; i < std::size(pictures); ++i)
        EXPECT_FALSE(IsFallback(*pictures[i])) << SkinBitmapFiles()[i].name;
    for (const Size& s : g_layoutPoints)
        EXPECT_FALSE(s.width == kMissingSkinBitmapSide && s.height == kMissingSkinBitmapSide);
    // The colour file names every colour, so the list marks follow it too.
    EXPECT_EQ(g_skinColours, kDefaultSkinColours);
    EXPECT_EQ(g_listMarkColours, kDefaultListMarkColours);
}

// The window is maximised, so the start picture is stretched to the screen.
TEST_F(DefaultSkin, StartScreenRendersWithTheSkin) {
    for (const Size screen : {Size{1024, 768}, Size{1920, 1080}}) {
        Bitmap picture(screen.width, screen.height);
        DeviceContext dc(&picture);
        ControlRects rects;
        DrawStartScreen(dc, Rect{0, 0, screen.width, screen.height}, false, rects);
        Save(picture, "start_screen_" + std::to_string(screen.width));
    }
}

TEST_F(DefaultSkin, StartPictureShowsTheDrawnFile) {
    CStartPictureDlg dlg;
    dlg.Show();
    Bitmap drawn;
    ASSERT_TRUE(drawn.LoadBmp(fs::path(CORVANTA_PROGRAM_DIR) / "Bitmaps" / "Startbild.bmp"));
    EXPECT_EQ(dlg.Surface().GetPixel(300, 150), drawn.GetPixel(300, 150));
    Save(dlg.Surface(), "start_picture");
}

TEST_F(DefaultSkin, MessageBoxesRenderWithTheSkin) {
    struct Style {
        const char* name;
        uint32_t flags;
        int icon;
        int labels;
    };
    const Style styles[] = {
        {"notice", 0x121, 0, 0}, {"question", 0xE1, 4, 0}, {"choices", 0xC1, 2, 2}, {"entry", 0x964, 6, 0},
        {"progress", 0x1108, 3, 0},
    };
    for (const Style& s : styles) {
        CMessageDlg box;
        box.title = "Board of directors";
        box.text = "The season ticket holders want to know whether the arena will be enlarged before the "
                   "derby. Please decide.";
        const char* labels[] = {"enlarge it", "wait a season"};
        for (int k = 0; k < s.labels; ++k)
            box.choiceLabels[k] = labels[k];
        box.inputText = "Blue Sharks";
        box.percent = 60;
        box.flags = s.flags;
        box.icon = s.icon;
        box.OnInitDialog();
        box.OnShowWindow(true);
        DeviceContext dc(&box.Surface());
        box.OnPaint(dc);
        Save(box.Surface(), std::string("message_box_") + s.name);
    }
}

// Two rings of blocks around the field, every kind somewhere, a few closed.
TEST_F(DefaultSkin, ArenaRendersWithTheSkin) {
    CArena arena;
    for (int i = 0; i < 2; ++i) {
        arena.AddGridLine(true, false, false, false, 0);
        arena.AddGridLine(false, true, false, false, 0);
        arena.AddGridLine(false, false, true, false, 0);
        arena.AddGridLine(false, false, false, true, 0);
    }
    const int columns = arena.GetColumnCount(), rows = arena.GetRowCount();
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) {
            const size_t index = static_cast<size_t>(y * columns + x);
            if (arena.IsFieldBlock(x, y))
                continue;
            arena.SetBlockKind(index, static_cast<uint8_t>((x + 2 * y) % (kSeatsNoPlaces + 1)));
            if ((x * 3 + y) % 11 == 0)
                arena.SetBlockState(index, kBlockClosed | 12);
        }
    Bitmap picture(700, 600);
    DeviceContext dc(&picture);
    arena.Draw(Rect{0, 0, 700, 600}, dc);
    Save(picture, "arena");
}
