#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/HeadlessModalRunner.h"
#include "platform/HeadlessWindowSystem.h"

class CGameView;
class CWorld;
class ModalRunner;
class WindowSystem;

// The game's real main window, built on the headless window system in a
// program folder of its own with a copy of the world file, so that the
// player's settings neither change what the tools do nor are changed by
// them. The tools step its timers and answer its boxes: every box is
// answered OK unless the caller scripts the runner otherwise; where the
// game stops for the user (the weekly report, a day's results) time is let
// run again, and the user's matches are started with the assistant's
// lineup and tactics.
class HeadlessGameWindow {
public:
    struct Settings {
        std::filesystem::path worldFile;
        // A program folder whose pictures (skin, crests, maps, sponsors'
        // logos) the window shows; none when empty.
        std::filesystem::path pictureFolder;
    };

    // A day that has not ended after this many ticks of the day timer is
    // stuck: a live match day takes about 2,000.
    static constexpr int kTickLimit = 100000;

    explicit HeadlessGameWindow(const Settings& settings);
    ~HeadlessGameWindow();
    HeadlessGameWindow(const HeadlessGameWindow&) = delete;
    HeadlessGameWindow& operator=(const HeadlessGameWindow&) = delete;

    // Empty while the window stands (and, after StartNewGame, the game
    // began); else why not.
    const std::string& Error() const { return error_; }

    // The club of that name, or the first club of the first league when the
    // name is empty; empty when the world has no such club.
    static std::string ClubToManage(const CWorld& world, const std::string& wanted);

    // The manager starts at the club of that name (none when empty) with no
    // national team, the random generator is seeded and the new game begins.
    bool StartNewGame(const std::string& club, uint32_t seed);

    // Runs the current day until the next one is about to begin; false
    // when it did not end within kTickLimit ticks.
    bool RunDay();
    // Time runs on until the game stops for the user and shows his screens;
    // false when it did not stop within kTickLimit ticks.
    bool RunUntilStopped();

    CGameView& View() { return *view_; }
    HeadlessWindowSystem& System() { return system_; }
    HeadlessModalRunner& Boxes() { return runner_; }
    const HeadlessModalRunner& Boxes() const { return runner_; }

private:
    bool LinkPictures(const std::filesystem::path& from);
    void Tick(bool letTimeRun);
    void StartUserMatch();

    std::filesystem::path folder_;
    HeadlessWindowSystem system_;
    HeadlessModalRunner runner_;
    WindowSystem* previousSystem_ = nullptr;
    ModalRunner* previousRunner_ = nullptr;
    std::unique_ptr<CGameView> view_;
    std::string error_;
};
