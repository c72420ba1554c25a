#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/HeadlessModalRunner.h"
#include "platform/HeadlessWindowSystem.h"

class CGameView;
class CWorld;
class ModalRunner;
class WindowSystem;

// A game played by the main window itself on the headless window system:
// the computer runs every club, or every club but one that the user's
// assistant runs. The window's timers are stepped here, every box is
// answered OK, wherever the game stops for the user (the weekly report, a
// match day's results) time is let run again, and the user's matches are
// started with the assistant's lineup and tactics.
// The world file is read from a program folder of the simulation's own,
// so the player's settings neither change the run nor are changed by it.
class SeasonSimulation {
public:
    enum class DayKind { kNoMatches, kMatchDay, kSeasonChange };

    struct Settings {
        std::filesystem::path worldFile;
        uint32_t seed = 1;
        // Days on which other clubs play are played live on the match
        // timer instead of at once.
        bool liveMatches = false;
        // The club the user manages, by its name; none when empty.
        std::string club;
    };

    // A day that has not ended after this many ticks of the day timer is
    // stuck: a live match day takes about 2,000.
    static constexpr int kTickLimit = 100000;

    explicit SeasonSimulation(const Settings& settings);
    ~SeasonSimulation();
    SeasonSimulation(const SeasonSimulation&) = delete;
    SeasonSimulation& operator=(const SeasonSimulation&) = delete;

    // Empty when the new game began; else why it could not.
    const std::string& Error() const { return error_; }

    // What the calendar holds for the game's current date.
    DayKind NextDayKind() const;
    // Runs the current day until the next one is about to begin; false
    // when it did not end within kTickLimit ticks.
    bool RunDay();

    CWorld& World();
    const HeadlessModalRunner& Boxes() const { return runner_; }

private:
    void StartGame(const Settings& settings);
    void StartUserMatch();
    void Tick();

    std::filesystem::path folder_;
    HeadlessWindowSystem system_;
    HeadlessModalRunner runner_;
    WindowSystem* previousSystem_ = nullptr;
    ModalRunner* previousRunner_ = nullptr;
    std::unique_ptr<CGameView> view_;
    std::string error_;
};
