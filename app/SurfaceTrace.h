#pragma once

#include <memory>
#include <string>

#include "app/GameSurfaceLayout.h"
#include "app/StartScreen.h"

// For the test of the program on a virtual display, which clicks with a
// real pointer: with the environment variable CORVANTA_TRACE naming a file,
// the main window writes into it, after every paint and click, its screen,
// whether time runs and the centres of the navigation buttons, the
// sub-buttons and the window's controls (the start screen's menu, the match
// day's mode buttons), one line that replaces the last. The player never sets it.
class SurfaceTrace {
public:
    static constexpr const char* kVariable = "CORVANTA_TRACE";

    // Null when the variable is not set.
    static std::unique_ptr<SurfaceTrace> FromEnvironment();
    explicit SurfaceTrace(std::string file) : file_(std::move(file)) {}

    // "screen S running R nav x,y ... sub x,y ... ctl x,y ..." with the
    // nineteen navigation buttons, fifteen sub-buttons and eight controls;
    // an empty one as -1,-1.
    void Write(int screenId, bool running, const GameSurfaceLayout& layout, const ControlRects& controls) const;

private:
    std::string file_;
};
