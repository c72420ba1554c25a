#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/GameMusic.h"
#include "app/GameSurfaceLayout.h"
#include "app/MatchDayClock.h"
#include "app/PaintedMessages.h"
#include "app/StartPictureDlg.h"
#include "app/StartScreen.h"
#include "app/StateBlock.h"
#include "app/SurfaceTrace.h"
#include "app/ToolTips.h"
#include "platform/Window.h"
#include "screens/ScreenIds.h"
#include "ui/SkinBitmaps.h"
#include "world/CompetitionMask.h"
#include "world/World.h"

class CMatch;
struct LoadedGame;
class CTeam;

// The main game window and the heart of the shell. It owns the game world
// and the state of the user interface: the current screen, the option word
// and the other settings of the state block, the running mode and the
// lists of the match day. Building it runs the whole start-up of the game:
// world file, start picture, options file, highscore, skin, effect sounds,
// random seed and the start screen.
class CGameView : public Window {
public:
    static constexpr int kStartScreen = 0;
    static constexpr int kTeamScreen = kScreenLineup;
    // While a match day is shown: the live match, its results, its figures.
    static constexpr int kMatchScreen = 4;
    static constexpr int kMatchReportScreen = 5;
    static constexpr int kMatchFiguresScreen = 6;
    static constexpr int kNoClubScreen = kScreenGameMenu;
    static constexpr int kStatusScreen = 19;
    static constexpr int kWeekPlanningScreen = kScreenWeekPlanning;
    // On a match day the fourth mode button starts the user's match.
    static constexpr int kMatchStartControl = 3;

    // Timer 101 moves the game on one day every 2 x kRevealTicks ticks;
    // timer 102 plays the day's matches.
    static constexpr unsigned kDayTimer = 101;
    static constexpr unsigned kMatchTimer = 102;
    static constexpr unsigned kToolTipTimer = 103;
    // Starts the music once the window's first picture is up: opening the
    // sound device may take a while.
    static constexpr unsigned kMusicStartTimer = 104;
    static constexpr unsigned kDayTickMs = 30;
    static constexpr unsigned kMatchTickMs = 100;
    static constexpr int kRevealTicks = 16;

    static constexpr const char* kWorldFileName = "Welt.kwl";
    static constexpr const char* kVariantWorldPrefix = "F";

    CGameView();
    ~CGameView() override;

    void OnShowWindow(bool show) override;
    void OnPaint(DeviceContext& dc) override;
    void OnLButtonDown(unsigned flags, Point p) override;
    // The surface knows no double clicks: a quick second click is a click.
    void OnLButtonDblClk(unsigned flags, Point p) override { OnLButtonDown(flags, p); }
    void OnLButtonUp(unsigned flags, Point p) override;
    void OnRButtonDown(unsigned flags, Point p) override;
    void OnMouseMove(unsigned flags, Point p) override;
    void OnMouseWheel(unsigned flags, int delta, Point screenPoint) override;
    void OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;
    void OnMusicNotify(MusicNotify how) override;
    void OnTimer(unsigned id) override;

    // The manager's club and national team by their world references; an
    // invalid club places him without a club, an invalid national team
    // leaves him none. True when the club was valid.
    bool AssignManagerTeams(WorldRef club, WorldRef nationalTeam);
    // The manager starts his career at the club of that name, or without a
    // club when the name is empty, and with no national team; false when no
    // club of the world has the name. The simulation, the screen tour and
    // the program's --club option start their games this way.
    bool PlaceManagerAtClub(const std::string& clubName);
    // What a new game runs once the manager has his place, a club or none:
    // the world is prepared, its first season starts, and the window shows
    // his team, or the game menu while he has no club.
    void BeginNewGame();
    // The start screen's "start new game": the chosen world file is read
    // afresh and the new-game wizard runs on it; finishing it begins the
    // game, cancelling leaves the start screen.
    void StartNewGame();
    // The game into a file of the "Save\" folder, chosen by the user or the
    // next automatic save; false when the user cancelled or the save failed
    // (he has been told, and the old file is whole).
    bool SaveGame(bool automatic);
    // A saved game chosen by the user takes the place of the running one;
    // a file that cannot be read leaves the running game as it was.
    bool LoadGame();
    // "load game" of the start screen and of the game menu: a loaded game
    // shows its team (the game menu without a club) when it comes from the
    // start screen, and the game menu again when it comes from there.
    void OpenSavedGame();

    // The user lets game time run: the day cycle starts.
    void LetTimeRun();

    // The user starts his match from the team screen, or goes on after a
    // break: an incomplete lineup is asked about first; then the day is
    // played live on the match timer, or at once without the live match.
    void StartUserMatch();
    // The user's match of the day waits on the team screen for his start.
    bool WaitsForUserMatch() const;

    // The options file: read at start (a file that cannot be read is
    // written anew from the values in memory), written when options change.
    void LoadConfig();
    void SaveConfig();
    // Switches between "Welt.kwl" and its variant "FWelt.kwl" when the
    // variant exists; the option word remembers the choice.
    void ToggleWorldFile();
    // All pictures and colours of the skin folder the settings name.
    void LoadSkin();

    CWorld& World() { return *world_; }
    StateBlock& State() { return state_; }
    GameMusic& Music() { return music_; }
    CStartPictureDlg& StartPicture() { return startPicture_; }
    const std::string& WorldFileName() const { return worldFileName_; }
    bool VariantWorldExists() const { return variantWorldExists_; }
    int ScreenId() const { return screenId_; }
    bool Running() const { return running_; }
    // 0 when the next tick of the day timer begins a new day.
    int TicksIntoDay() const { return dayTick_; }
    const ControlRects& Controls() const { return controlRects_; }

    // The game surface of the manager screens (GameViewSurface.cpp): laid
    // out and painted whole when the client rectangle changed or the layout
    // was forgotten, else only the current screen is painted again. The
    // start screen paints itself.
    void DrawGameScreen(DeviceContext& dc, bool full);
    // While a match day is shown: the four mode buttons, the team panel and
    // the current team screen.
    void DrawScreenArea(DeviceContext& dc, bool full);
    // Forgets the layout and paints the whole surface.
    void Relayout();
    const GameSurfaceLayout& SurfaceLayout() const { return surface_; }
    const NavAvailability& ScreenAvailable() const { return screenAvailable_; }
    const ToolTips& Tips() const { return toolTips_; }
    CTeam* UserTeam() const { return userTeam_; }
    // The matches this window's match days have collected and played.
    uint64_t MatchesPlayed() const { return matchesPlayed_; }

    // The status panel shown while game time runs (GameViewStatusPanel.cpp);
    // "full" draws the background first. The calendar's rectangle of the
    // last panel is kept.
    void DrawStatusPanel(const Rect& r, DeviceContext& dc, bool full);
    const Rect& CalendarRect() const { return calendarRect_; }

private:
    void StartUp();
    // The save game's file: its stored path and the name messages show.
    struct GameFile {
        std::string storedPath;
        std::string shownName;
    };
    bool ChooseGameFile(bool save, GameFile& file);
    void TakeOverGame(LoadedGame& game);
    bool ReadWorldFile();
    void PublishMembers();
    void OnStartScreenClick(Point p);
    // The clicks on the manager screens (GameViewClicks.cpp).
    void OnManagerScreenClick(Point p);
    bool OnNavigationClick(Point p);
    bool OnSubButtonClick(Point p);
    void PressScreenButton(int screen, int button);
    void EnterScreen(int screenId);
    bool AskToPlanTraining();
    void StartTrainingWeek();
    void OnMatchDayClick(Point p);
    // The game menu's chosen item (GameViewGameMenu.cpp).
    void CarryOutGameMenuChoice();
    void ReturnToStartScreen();
    void SaveOrLoadFromGameMenu(int choice);
    void GoOnAfterMatchDay();
    void LayOutSurface(DeviceContext& dc);
    void PlaceToolTips();
    void PlaceMatchDayToolTips();
    void ShowToolTip();
    void StartMusicOnShow();
    void Trace() const;
    void RepaintScreen(DeviceContext& dc, bool full);
    void ExitProgram();

    // The day cycle (GameViewDayStep.cpp).
    void DayTick();
    void RunDatedSteps();
    void RunWeeklyReport();
    void WarnTransferListClosing();
    void WarnUnhappyPlayers();
    void ChangeSeason();
    void StartMatchDay();

    // The match day (GameViewMatchDay.cpp).
    void RunMatchDay();
    void ShowUserMatch(CMatch& match);
    bool IsAnyMatchRunning() const;
    void MatchTick();
    void ChangeMatchPhase();
    bool TakeBreak();
    bool ConfirmIncompleteLineup();
    void ShowMatchDayResults();
    // Bits 30-31 of the option word: what a day without the user's match shows.
    uint32_t OtherDaysMode() const;
    void RunTrainingOfTheDay();
    void SellAdvanceTickets();
    void SellSeasonTickets();
    // A step that may open a box runs with the day timer stopped, so that
    // no tick arrives while the box is open.
    template <typename Step>
    void Paused(Step step) {
        KillTimer(kDayTimer);
        step();
        SetTimer(kDayTimer, kDayTickMs);
    }

    // Owned apart, so that a loaded game can take the place of the running one whole.
    std::unique_ptr<CWorld> world_ = std::make_unique<CWorld>();
    StateBlock state_;
    PaintedMessages messages_;
    GameMusic music_{state_.music, *this};
    CStartPictureDlg startPicture_;
    WindowSkinBitmaps skin_;
    std::string worldFileName_ = kWorldFileName;
    bool variantWorldExists_ = false;

    int screenId_ = kStartScreen;
    bool running_ = false;
    CTeam* userTeam_;
    ControlRects controlRects_{};
    GameSurfaceLayout surface_;
    NavAvailability screenAvailable_{};
    ToolTips toolTips_;
    std::unique_ptr<SurfaceTrace> trace_ = SurfaceTrace::FromEnvironment();
    Rect layoutRect_;
    std::vector<std::string> statusLines_;
    int dayTick_ = 0;  // ticks since the current day began, 0 .. 2 x kRevealTicks - 1

    // The match day, run by the day step: today's competitions and matches,
    // whether the user's team plays and whether its live match is paused.
    CompetitionMask competitionMask_ = 0;
    // The matches belong to their competitions; the list only points.
    std::vector<CMatch*> todaysMatches_;
    uint64_t matchesPlayed_ = 0;
    CMatch* shownMatch_ = nullptr;
    MatchDayClock matchClock_;
    bool userPlaysToday_ = false;

    Rect calendarRect_;  // of the last status panel
};
