#pragma once

#include <memory>
#include <string>

#include "app/GameSurfaceLayout.h"

// For the test of the program on a virtual display, which clicks with a
// real pointer: with the environment variable CORVANTA_TRACE naming a file,
// the main window writes into it, after every paint and click, its screen,
// whether time runs and the centres of the navigation buttons and the
// sub-buttons, one line that replaces the last. The player never sets it.
class SurfaceTrace {
public:
    static constexpr const char* kVariable = "CORVANTA_TRACE";

    // Null when the variable is not set.
    static std::unique_ptr<SurfaceTrace> FromEnvironment();
    explicit SurfaceTrace(std::string file) : file_(std::move(file)) {}

    // "screen S running R nav x,y ... sub x,y ..." with the nineteen
    // navigation buttons and fifteen sub-buttons; an empty one as -1,-1.
    void Write(int screenId, bool running, const GameSurfaceLayout& layout) const;

private:
    std::string file_;
};
