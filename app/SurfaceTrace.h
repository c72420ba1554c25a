#pragma once

#include <memory>
#include <string>

#include "app/GameSurfaceLayout.h"
#include "app/StartScreen.h"

// For the test of the program on a virtual display, which clicks with a
// real pointer: with the environment variable CORVANTA_TRACE naming a file,
// the main window writes into it, after every paint and click, its screen,
// whether time runs, the centres of the navigation buttons, the
// sub-buttons, the window's controls (the start screen's menu, the match
// day's mode buttons) and the screen's buttons, and the game's date and
// club, one line that replaces the last. The player never sets it.
class SurfaceTrace {
public:
    static constexpr const char* kVariable = "CORVANTA_TRACE";

    // Null when the variable is not set.
    static std::unique_ptr<SurfaceTrace> FromEnvironment();
    explicit SurfaceTrace(std::string file) : file_(std::move(file)) {}

    // The current screen's first buttons (the game menu's six among them).
    static constexpr size_t kTracedScreenButtons = 11;

    // "screen S running R nav x,y ... sub x,y ... ctl x,y ... btn x,y ...
    // date D club C" with the nineteen navigation buttons, fifteen
    // sub-buttons, eight controls and the screen's first buttons, an empty
    // one as -1,-1; then the date and the club the information panel shows.
    void Write(int screenId, bool running, const GameSurfaceLayout& layout, const ControlRects& controls,
               const std::string& shownDate, const std::string& shownClub) const;

private:
    std::string file_;
};
