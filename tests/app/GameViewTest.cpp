#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ConfigFile.h"
#include "app/EffectSounds.h"
#include "app/GameApp.h"
#include "app/MainWindowState.h"
#include "app/Navigation.h"
#include "platform/BinaryFile.h"
#include "platform/GameOptions.h"
#include "tests/app/HeadlessGame.h"
#include "tools/sample-world/SampleWorld.h"
#include "ui/PaintSettings.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kMissingWorld = "could not find game world, please indicate the location.";
constexpr const char* kUnreadableWorld = "The file 'Welt.kwl'cannot be loaded. It's not possible to play this game.";
constexpr int kNewGame = 0;
constexpr int kLoadGame = 1;
constexpr int kFirstUnavailable = 2;
constexpr int kQuit = 5;

// A program folder of the test's own, a headless screen and a scripted
// dialog runner; what the start-up changes in the game's globals is put back.
class GameView : public ::testing::Test, protected HeadlessGame {
protected:
    void TearDown() override {
        g_fontFaceName = savedFace_;
        g_optShowEvents = true;
    }

    void WriteSampleWorld(const std::string& name, int startYear = 2011) {
        std::unique_ptr<CWorld> world = MakeSampleWorld();
        world->startYear = startYear;
        std::unique_ptr<DiskFile> file = DiskFile::OpenWrite(name);
        ASSERT_TRUE(file && world->Write(*file, 0) && file->Commit());
    }
    void WriteFile(const std::string& name, const std::string& bytes) { std::ofstream(folder / name) << bytes; }

    std::vector<std::string> PlainMessages() const {
        std::vector<std::string> texts;
        for (const ModalRecord& r : runner.Records())
            if (r.kind == "plain message")
                texts.push_back(r.text);
        return texts;
    }

    // The start picture stands over the middle of the menu until it goes.
    void WaitForTheStartScreen(CGameView& view) {
        system.AdvanceTime(6 * CStartPictureDlg::kTickMs);
        ASSERT_FALSE(view.StartPicture().IsVisible());
        system.Refresh();
    }

    void Click(CGameView& view, int control) {
        const Rect r = view.Controls()[control];
        system.Deliver(InputEvent::Down({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
    }

private:
    std::string savedFace_ = g_fontFaceName;
};

}  // namespace

TEST_F(GameView, StartsWithTheWorldFileAndPublishesItsMembers) {
    WriteSampleWorld("Welt.kwl");
    CMainFrame frame;
    CGameView& view = frame.View();
    EXPECT_TRUE(PlainMessages().empty());
    EXPECT_FALSE(view.World().continents.empty());
    EXPECT_EQ(g_gameDate, Date(2011, 7, 7));
    EXPECT_EQ(view.ScreenId(), CGameView::kStartScreen);
    EXPECT_TRUE(view.StartPicture().IsVisible());

    EXPECT_EQ(g_pOptions, &view.State().options);
    EXPECT_EQ(*g_pOptions, kDefaultOptions);
    EXPECT_EQ(g_manager.world, &view.World());
    ASSERT_NE(g_pRunning, nullptr);
    EXPECT_FALSE(*g_pRunning);
    EXPECT_EQ(*g_pUserTeamSlot, &g_noClubTeam);
    EXPECT_EQ(g_noClubTeam.defenceSystem, 1);
    // A first start writes the options file: the default block fits one.
    ASSERT_TRUE(fs::exists(folder / kConfigFileName));
    EXPECT_EQ(fs::file_size(folder / kConfigFileName), 1024u);
}

// The manager's place decides the first screen; either way the first
// season is laid out and time runs from the first Monday of July.
TEST_F(GameView, ANewGameShowsTheTeamOrWithoutAClubTheGameMenu) {
    WriteSampleWorld("Welt.kwl");
    for (bool withClub : {false, true}) {
        CGameView view;
        CNation& nation = *view.World().continents[0]->nations[0];
        g_manager.club = withClub ? nation.leagues[0]->clubs[0].get() : &g_noClubTeam;
        g_manager.league = withClub ? nation.leagues[0].get() : nullptr;
        view.BeginNewGame();
        EXPECT_EQ(view.ScreenId(), withClub ? CGameView::kTeamScreen : CGameView::kNoClubScreen);
        EXPECT_EQ(g_gameDate, Date(2011, 7, 4));
        EXPECT_EQ(*g_pUserTeamSlot, g_manager.club);
        view.LetTimeRun();
        system.AdvanceTime(2 * CGameView::kRevealTicks * CGameView::kDayTickMs);
        EXPECT_EQ(g_gameDate, Date(2011, 7, 5));
        g_manager.club = nullptr;
        g_manager.league = nullptr;
    }
}

TEST_F(GameView, MembersAreUnpublishedWhenTheWindowGoes) {
    { CGameView view; }
    EXPECT_EQ(g_pOptions, nullptr);
    EXPECT_EQ(g_pRunning, nullptr);
    EXPECT_EQ(g_pStatusLines, nullptr);
    EXPECT_EQ(g_manager.world, nullptr);
}

TEST_F(GameView, AMissingWorldIsToldAndTheStartScreenComesWithAnEmptyWorld) {
    CGameView view;
    ASSERT_EQ(PlainMessages().size(), 1u);
    EXPECT_EQ(PlainMessages()[0].rfind(kMissingWorld, 0), 0u);
    EXPECT_NE(PlainMessages()[0].find("Welt.kwl"), std::string::npos);  // where it was looked for
    EXPECT_TRUE(view.World().continents.empty());
    EXPECT_TRUE(view.StartPicture().IsVisible());
    EXPECT_EQ(view.ScreenId(), CGameView::kStartScreen);
}

TEST_F(GameView, AnUnreadableWorldIsToldAndSkipsPictureOptionsAndHighscore) {
    WriteFile("Welt.kwl", "not a world");
    CGameView view;
    EXPECT_EQ(PlainMessages(), (std::vector<std::string>{kUnreadableWorld}));
    EXPECT_TRUE(view.World().continents.empty());
    EXPECT_FALSE(view.StartPicture().IsVisible());
    EXPECT_FALSE(fs::exists(folder / kConfigFileName));
    EXPECT_EQ(view.ScreenId(), CGameView::kStartScreen);
}

TEST_F(GameView, TheOptionsFileDecidesSettingsAndAStoredVariantNeedsItsFile) {
    WriteSampleWorld("Welt.kwl");
    StateBlock stored;
    stored.options = kDefaultOptions | kOptWomensGame;
    stored.fontFaceName = "Times New Roman";
    ASSERT_TRUE(WriteConfigFile(kConfigFileName, stored));
    {
        CGameView view;
        EXPECT_EQ(g_fontFaceName, "Times New Roman");
        EXPECT_EQ(view.WorldFileName(), "Welt.kwl");  // no variant file: the option is dropped
        EXPECT_FALSE(IsWomensGame());
    }
    WriteSampleWorld("FWelt.kwl");
    CGameView view;
    EXPECT_EQ(view.WorldFileName(), "FWelt.kwl");
    EXPECT_TRUE(IsWomensGame());
}

TEST_F(GameView, TheWorldSwitchTogglesTheVariantAndKeepsTheChoice) {
    WriteSampleWorld("Welt.kwl");
    WriteSampleWorld("FWelt.kwl");
    CMainFrame frame;
    frame.Show();
    CGameView& view = frame.View();
    WaitForTheStartScreen(view);
    Click(view, kWorldSwitchControl);
    EXPECT_EQ(view.WorldFileName(), "FWelt.kwl");
    StateBlock saved;
    ASSERT_TRUE(ReadConfigFile(kConfigFileName, saved));
    EXPECT_TRUE(saved.options & kOptWomensGame);
    system.Refresh();
    Click(view, kWorldSwitchControl);
    EXPECT_EQ(view.WorldFileName(), "Welt.kwl");
    EXPECT_FALSE(IsWomensGame());
}

// A new game reads the world the switch chose, afresh.
TEST_F(GameView, ANewGameReadsTheChosenWorldFile) {
    WriteSampleWorld("Welt.kwl", 2011);
    WriteSampleWorld("FWelt.kwl", 1999);
    CMainFrame frame;
    frame.Show();
    CGameView& view = frame.View();
    WaitForTheStartScreen(view);
    runner.Script(ModalAnswer::Cancel());
    Click(view, kNewGame);
    EXPECT_EQ(view.World().startYear, 2011);
    system.Refresh();
    Click(view, kWorldSwitchControl);
    runner.Script(ModalAnswer::Cancel());
    Click(view, kNewGame);
    EXPECT_EQ(view.World().startYear, 1999);
}

// Settings that cannot be kept are not lost in silence: the rewrite at the
// first start and the switch of the world file each tell the player.
TEST_F(GameView, AnOptionsFileThatCannotBeWrittenIsTold) {
    WriteSampleWorld("Welt.kwl");
    WriteSampleWorld("FWelt.kwl");
    fs::create_directory(folder / kConfigFileName);  // in the way of the file
    CMainFrame frame;
    frame.Show();
    CGameView& view = frame.View();
    WaitForTheStartScreen(view);
    Click(view, kWorldSwitchControl);

    int told = 0;
    for (const ModalRecord& r : runner.Records()) {
        if (r.title != "saving is not possible")
            continue;
        ++told;
        EXPECT_EQ(r.text, "Error while saving, the file 'Config.dat'couldn't be saved.");
        EXPECT_EQ(r.flags, 0x128u);
        EXPECT_EQ(r.extra, 1);
    }
    EXPECT_EQ(told, 2);
}

TEST_F(GameView, LoadGameOpensTheFileBrowserEntriesAfterItSayNotAvailableAndQuitEnds) {
    CMainFrame frame;
    frame.Show();
    CGameView& view = frame.View();
    WaitForTheStartScreen(view);
    runner.ClearRecords();
    // No save game yet: the browser lists none, and the start screen stays.
    Click(view, kLoadGame);
    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_EQ(runner.Records()[0].kind, "file browser");
    EXPECT_EQ(runner.Records()[0].title, "load game");
    EXPECT_EQ(view.ScreenId(), CGameView::kStartScreen);
    for (int k = kFirstUnavailable; k < kQuit; ++k) {
        Click(view, k);
        ASSERT_EQ(runner.Records().size(), static_cast<size_t>(k));
        EXPECT_EQ(runner.Records()[k - 1].title, g_gameMenuItems[k]);
        EXPECT_EQ(runner.Records()[k - 1].flags, 0x121u);
        EXPECT_FALSE(system.QuitRequested());
    }
    Click(view, kQuit);
    EXPECT_EQ(runner.Records().size(), static_cast<size_t>(kQuit - 1));  // asks nothing
    EXPECT_TRUE(system.QuitRequested());
}

TEST_F(GameView, StartNewGameRunsTheWizardAndOnlyItsEndBeginsTheGame) {
    CMainFrame frame;
    frame.Show();
    CGameView& view = frame.View();
    WaitForTheStartScreen(view);
    runner.ClearRecords();
    runner.Script(ModalAnswer::Cancel());
    Click(view, kNewGame);
    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_EQ(runner.Records()[0].kind, "new game");
    EXPECT_EQ(view.ScreenId(), CGameView::kStartScreen);

    Click(view, kNewGame);  // OK ends the wizard as it stands: a real career, no club
    EXPECT_EQ(runner.Records().size(), 2u);
    EXPECT_EQ(view.ScreenId(), CGameView::kNoClubScreen);
    // Without a club and a national team only the manager's own screens,
    // the statistics, the game menu and the time are there.
    view.UpdateWindow();
    for (int target = 1; target <= kNavTargetCount; ++target)
        EXPECT_EQ(view.ScreenAvailable()[static_cast<size_t>(target - 1)], target >= 13 && target != 18) << target;
}

TEST_F(GameView, EscapeAsksAndQuitsOnlyOnOk) {
    CMainFrame frame;
    frame.Show();
    runner.ClearRecords();
    runner.Script(ModalAnswer::Cancel());
    system.Deliver(InputEvent::KeyDown('Q'));
    system.Deliver(InputEvent::KeyDown(Key::kEscape));
    EXPECT_FALSE(system.QuitRequested());
    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_EQ(runner.Records()[0].title, "quit game");
    EXPECT_EQ(runner.Records()[0].text, "Do you really want to quit the game ?");
    EXPECT_EQ(runner.Records()[0].flags, 0x168u);
    EXPECT_EQ(runner.Records()[0].extra, 4);
    system.Deliver(InputEvent::KeyDown(Key::kEscape));
    EXPECT_TRUE(system.QuitRequested());
}

TEST_F(GameView, ShowingTheWindowStartsTheStartTitleAndItsEndTheNextTitle) {
    fs::create_directories(folder / "Sound");
    fs::create_directories(folder / "Effekte");
    std::ofstream(folder / "Sound" / "Start.mp3") << "music";
    std::ofstream(folder / "Sound" / "next.mp3") << "music";
    const std::string wave("RIFF\x24\0\0\0WAVEfmt ", 16);
    std::ofstream(folder / "Effekte" / "Pfiff.wav", std::ios::binary).write(wave.data(), wave.size());
    CMainFrame frame;
    EXPECT_NE(g_effectSounds[kEffectWhistle], SoundPlayer::kNoWave);
    EXPECT_EQ(g_effectSounds[kEffectPulse], SoundPlayer::kNoWave);
    frame.Show();
    system.AdvanceTime(CGameView::kDayTickMs);  // the music starts after the first picture
    system.Sound().EndTitle();
    system.AdvanceTime(1);
    std::vector<std::string> played;
    for (const std::string& call : system.Sound().Calls())
        if (call.starts_with("music "))
            played.push_back(call);
    ASSERT_EQ(played.size(), 2u);  // the start title, then a title of the folder
    EXPECT_TRUE(played[0].ends_with("Sound/Start.mp3"));
}

TEST_F(GameView, PaintsTheStartScreenWithTheSkinAndItsMenuWhereTheLayoutPutsIt) {
    fs::create_directory_symlink(fs::path(CORVANTA_PROGRAM_DIR) / "Bitmaps", folder / "Bitmaps");
    CMainFrame frame;
    frame.Show();
    CGameView& view = frame.View();
    WaitForTheStartScreen(view);
    const StartScreenLayout layout = LayOutStartScreen(view.ClientRect());
    EXPECT_EQ(view.Controls(), layout.controls);
    EXPECT_FALSE(view.IsInvalid());
    ASSERT_TRUE(view.Surface().SavePng(fs::path(CORVANTA_BINARY_DIR) / "main_window_start_screen.png"));
}
