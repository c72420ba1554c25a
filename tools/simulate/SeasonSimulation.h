#pragma once

#include <filesystem>
#include <string>

#include "tools/headless-game/HeadlessGameWindow.h"

class CWorld;

// A game played by the main window itself on the headless window system
// (HeadlessGameWindow): the computer runs every club, or every club but one
// that the user's assistant runs.
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
        // The game option that shares out each division's clubs again by
        // region at the end of every season.
        bool reassignLeagues = false;
    };

    explicit SeasonSimulation(const Settings& settings);

    // Empty when the new game began; else why it could not.
    const std::string& Error() const { return game_.Error(); }

    // What the calendar holds for the game's current date.
    DayKind NextDayKind() const;
    // Runs the current day until the next one is about to begin; false
    // when it did not end within HeadlessGameWindow::kTickLimit ticks.
    bool RunDay() { return game_.RunDay(); }

    CWorld& World();
    // The matches the game's match days have played so far.
    uint64_t MatchesPlayed();
    const HeadlessModalRunner& Boxes() const { return game_.Boxes(); }

private:
    HeadlessGameWindow game_;
};
