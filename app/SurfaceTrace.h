#pragma once

#include <memory>
#include <string>

#include "app/GameSurfaceLayout.h"
#include "app/StartScreen.h"

class CTeam;

// For the test of the program on a virtual display, which clicks with a
// real pointer: with the environment variable CORVANTA_TRACE naming a file,
// the main window writes into it, after every paint and click, its screen,
// whether time runs, the centres of the navigation buttons, the
// sub-buttons, the window's controls (the start screen's menu, the match
// day's mode buttons) and the screen's buttons, where the lineup screens
// last drew their cards and list with the user's lineup, and the game's
// date and club, one line that replaces the last. The player never sets it.
class SurfaceTrace {
public:
    static constexpr const char* kVariable = "CORVANTA_TRACE";

    // Null when the variable is not set.
    static std::unique_ptr<SurfaceTrace> FromEnvironment();
    explicit SurfaceTrace(std::string file) : file_(std::move(file)) {}

    // The current screen's first buttons (the game menu's six among them).
    static constexpr size_t kTracedScreenButtons = 11;

    // "screen S running R nav x,y ... sub x,y ... ctl x,y ... btn x,y ...
    // cards x,y ... list L T R B top F rows N lineup V ... system Y
    // date D club C" with the nineteen navigation buttons, fifteen
    // sub-buttons, eight controls, the screen's first buttons and the
    // twenty lineup cards, an empty one as -1,-1; the lineup list's
    // rectangle, first row shown and rows; the team's twenty lineup slots
    // and defence system; then the date and the club the information panel
    // shows.
    void Write(int screenId, bool running, const GameSurfaceLayout& layout, const ControlRects& controls,
               const CTeam& team, const std::string& shownDate) const;

private:
    std::string file_;
};
