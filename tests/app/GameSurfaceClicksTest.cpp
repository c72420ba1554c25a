#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "app/GameView.h"
#include "app/MainWindowState.h"
#include "platform/BinaryFile.h"
#include "screens/GameMenuScreen.h"
#include "screens/ScreenState.h"
#include "squad/Training.h"
#include "tests/app/HeadlessGame.h"
#include "tools/sample-world/SampleWorld.h"
#include "ui/SkinBitmaps.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace fs = std::filesystem;

namespace {

constexpr Rect kClient{0, 0, 1280, 800};
constexpr uint8_t kNoUnit = 18;

std::vector<uint32_t> PixelsOf(const Bitmap& b) { return {b.Pixels(), b.Pixels() + b.Width() * b.Height()}; }

// A new game on the sample world with the shipped skin, its surface
// painted once at 1280 x 800; clicks go to the window's own handlers at
// the centres of the rectangles it stored.
class GameSurfaceClicks : public ::testing::Test, protected HeadlessGame {
protected:
    void SetUp() override {
        fs::create_directory_symlink(fs::path(CORVANTA_PROGRAM_DIR) / "Bitmaps", folder.Path() / "Bitmaps");
        std::unique_ptr<CWorld> world = MakeSampleWorld();
        std::unique_ptr<DiskFile> file = DiskFile::OpenWrite(CGameView::kWorldFileName);
        ASSERT_TRUE(file && world->Write(*file, 0) && file->Commit());
        view = std::make_unique<CGameView>();
        view->MoveWindow(kClient);
    }
    void TearDown() override { view.reset(); }

    // One window at a time: the old one takes its published members along.
    void Restart() {
        view.reset();
        view = std::make_unique<CGameView>();
        view->MoveWindow(kClient);
    }
    void Start(bool withClub) {
        ASSERT_EQ(view->AssignManagerTeams(withClub ? PackWorldRef(0, 0, 0, 0) : kRefNotFound, 0), withClub);
        view->BeginNewGame();
        Paint();
    }
    void Paint() {
        DeviceContext dc(&view->Surface());
        view->OnPaint(dc);
    }
    void ClickNav(int button) { view->OnLButtonDown(0, view->SurfaceLayout().navRects[button].Center()); }
    void ClickSub(int position) { view->OnLButtonDown(0, view->SurfaceLayout().subButtonRects[position].Center()); }

    std::unique_ptr<CGameView> view;
};

}  // namespace

TEST_F(GameSurfaceClicks, TheSurfaceIsLaidOutByTheShippedSkinsPictures) {
    Start(true);
    const GameSurfaceLayout expected = LayOutGameSurface(kClient, g_layoutPoints[kLayoutMainMenu],
                                                         g_layoutPoints[kLayoutLayer], g_layoutPoints[kLayoutEdge]);
    const GameSurfaceLayout& l = view->SurfaceLayout();
    EXPECT_GT(l.navHeight, 0);
    EXPECT_GT(l.panelWidth, 0);
    EXPECT_EQ(l.navRects, expected.navRects);
    EXPECT_EQ(l.subButtonRects, expected.subButtonRects);
    EXPECT_EQ(l.screenArea, expected.screenArea);
}

// Each group's button leads to its screen, or to the first screen of its
// group that can be reached; a group with none takes no click.
TEST_F(GameSurfaceClicks, NavigationButtonsSelectTheirScreenOrItsFirstAvailableSibling) {
    struct Case {
        bool club;
        int button;
        int screen;
    };
    const Case cases[] = {
        {true, 0, 1},   {true, 3, 4},   {true, 6, 7},    {true, 11, 12},  {true, 15, 16}, {true, 13, 14},
        {true, 16, 17}, {true, 17, 1},  // no national team: the click goes nowhere
        {false, 0, 17}, {false, 3, 17}, {false, 6, 17},  {false, 11, 17}, // nothing of a club without one
        {false, 13, 14}, {false, 15, 16},
    };
    for (const Case& c : cases) {
        Restart();
        Start(c.club);
        ClickNav(c.button);
        EXPECT_EQ(view->ScreenId(), c.screen) << c.club << " button " << c.button;
        EXPECT_FALSE(view->Running());
        EXPECT_EQ(*g_pLayoutRect, kClient) << "the surface was laid out anew";
    }
}

TEST_F(GameSurfaceClicks, SubButtonsSelectScreensOrPressAScreensButtonOffTheScreen) {
    Start(true);
    ClickSub(5);  // "defence tactics"
    EXPECT_EQ(view->ScreenId(), 2);
    const Rect laidOut{1, 2, 3, 4};
    g_screenButtonRects[8] = laidOut;
    ClickSub(7);  // "hospital": screen 1's button 8, pressed where no screen draws
    EXPECT_EQ(view->ScreenId(), 2);
    EXPECT_EQ(g_screenButtonRects[8], laidOut) << "the button keeps its own rectangle";

    ClickNav(6);  // finances
    const std::vector<uint32_t> yearOverview = PixelsOf(view->Surface());
    ClickSub(7);  // "pool of players" shows the pool first
    EXPECT_EQ(view->ScreenId(), 9);
    EXPECT_NE(PixelsOf(view->Surface()), yearOverview) << "the pool was painted";
    ClickSub(0);  // no button there
    EXPECT_EQ(view->ScreenId(), 9);
}

// "start training week" asks first when no unit of the week is planned:
// OK goes to the week planning, cancel lets time run.
TEST_F(GameSurfaceClicks, StartingTheTrainingWeekAsksAboutAnEmptyWeekAndRunsTheDays) {
    struct Case {
        bool emptyWeek;
        ModalAnswer answer;
        bool asked;
        int screen;
        bool running;
    };
    const Case cases[] = {
        {true, ModalAnswer::Ok(), true, CGameView::kWeekPlanningScreen, false},
        {true, ModalAnswer::Cancel(), true, CGameView::kStatusScreen, true},
        {false, ModalAnswer::Ok(), false, CGameView::kStatusScreen, true},
    };
    for (const Case& c : cases) {
        Restart();
        Start(true);
        g_weekTrainingRow.fill(c.emptyWeek ? kNoUnit : 0);
        runner.ClearRecords();
        if (c.asked)
            runner.Script(c.answer);
        ClickNav(18);
        ASSERT_EQ(runner.Records().size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(runner.Records()[0].title, "no trainig-plan selected");
            EXPECT_EQ(runner.Records()[0].text, "Do you like to select the training for this week now ?");
        }
        EXPECT_EQ(view->ScreenId(), c.screen);
        EXPECT_EQ(view->Running(), c.running);
        const Date before = g_gameDate;
        system.AdvanceTime(2 * CGameView::kRevealTicks * CGameView::kDayTickMs);
        EXPECT_EQ(g_gameDate != before, c.running) << "the day timer runs only while time runs";
    }
}

// On a match day the mode buttons switch between the team screens and the
// fourth starts the user's match.
TEST_F(GameSurfaceClicks, TheMatchDaysModeButtonsSwitchTeamScreensAndStartTheMatch) {
    constexpr int kTickLimit = 60 * 2 * CGameView::kRevealTicks;
    Start(true);
    for (int tick = 0; tick < kTickLimit && !view->WaitsForUserMatch(); ++tick) {
        if (!view->Running())
            view->LetTimeRun();
        system.AdvanceTime(CGameView::kDayTickMs);
    }
    ASSERT_TRUE(view->WaitsForUserMatch());
    Paint();
    const auto clickControl = [&](int i) { view->OnLButtonDown(0, view->Controls()[i].Center()); };
    for (int i : {1, 2, 0}) {
        clickControl(i);
        EXPECT_EQ(view->ScreenId(), i + 1);
        EXPECT_TRUE(view->Running());
    }
    for (int i = 4; i < kControlRectCount; ++i)
        EXPECT_TRUE(view->Controls()[i].IsEmpty()) << i;
    g_manager.club->AutoLineup(true);
    clickControl(3);
    EXPECT_EQ(view->ScreenId(), CGameView::kMatchScreen);
}

// The game menu's buttons: new game gives the game up for the start screen
// with an empty world, quit ends the program, both only when the player
// says so; save and load go through the file browser; the option dialogs
// are not in this version.
TEST_F(GameSurfaceClicks, TheGameMenuCarriesOutTheChosenItem) {
    constexpr int kGameMenuNav = kScreenGameMenu - 1;
    struct Case {
        int button;
        bool ok;
        int screen;
        bool quit;
        const char* box;  // the box after the question, if any
    };
    const Case cases[] = {
        {0, false, kScreenGameMenu, false, nullptr},
        {0, true, CGameView::kStartScreen, false, nullptr},
        {1, true, kScreenGameMenu, false, "game options"},
        {3, true, kScreenGameMenu, false, "save"},       // the browser's name, then the save's progress
        {4, true, kScreenGameMenu, false, "load game"},  // the browser lists no save game
        {5, false, kScreenGameMenu, false, nullptr},
        {5, true, kScreenGameMenu, true, nullptr},
    };
    for (const Case& c : cases) {
        Restart();
        Start(true);
        ClickNav(kGameMenuNav);
        ASSERT_EQ(view->ScreenId(), kScreenGameMenu);
        runner.ClearRecords();
        runner.Script(c.ok ? ModalAnswer::Ok() : ModalAnswer::Cancel());
        view->OnLButtonDown(0, g_screenButtonRects[c.button].Center());
        EXPECT_EQ(view->ScreenId(), c.screen) << c.button << " " << c.ok;
        EXPECT_EQ(view->World().continents.empty(), c.screen == CGameView::kStartScreen);
        EXPECT_EQ(view->UserTeam() == &g_noClubTeam, c.screen == CGameView::kStartScreen);
        EXPECT_EQ(system.QuitRequested(), c.quit);
        EXPECT_EQ(runner.Records().back().title, c.box ? c.box : g_gameMenuButtons[c.button]);
        EXPECT_EQ(g_gameMenuChoice, kNoMenuChoice) << "the choice is carried out once";
    }
}
