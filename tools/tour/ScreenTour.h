#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "tools/headless-game/HeadlessGameWindow.h"

// The screen tour: a new game on the real main window (HeadlessGameWindow)
// shown at each size, every manager screen reached by clicking the window's
// own navigation and sub-buttons, every sub-button that presses one of the
// screen's buttons clicked too, and each picture written as a PNG file.

// The sizes the tour shows by default.
inline const std::vector<Size> kTourSizes = {{1280, 800}, {1920, 1080}};

// The start screen and the status panel besides the manager screens 1-18.
constexpr int kTourStartScreen = 0;
constexpr int kTourStatusPanel = 19;

struct TourSettings {
    HeadlessGameWindow::Settings window;
    // The manager's club; the first club of the first league when empty.
    std::string club;
    uint32_t seed = 1;
    // Days played before the screens are shown.
    int days = 0;
    std::vector<Size> sizes = kTourSizes;
    std::filesystem::path outFolder;
};

// One picture of the tour, or a screen that no click reaches. Its texts are
// the game's, in code page 1252.
struct TourShot {
    Size size;
    int screenId = kTourStartScreen;
    // The screen's button a sub-button pressed, with the sub-button's
    // label; -1 for the screen as it is reached.
    int button = -1;
    std::string label;
    // The dialog shown over the screen, named with its page; empty for none.
    std::string dialog;
    // Where the picture went, relative to the output folder; empty when the
    // screen was not shown.
    std::string file;
    // The screen the window shows after the click, when it is not screenId.
    std::optional<int> shownScreen;
    // The screen's area holds nothing but its frame.
    bool onlyFrame = false;
    // The titles of the boxes that came up on the way, with their answers.
    std::vector<std::string> boxes;
    // Why the picture is wrong, or why the screen should have been shown;
    // empty when it is not.
    std::string failure;
    // What looks wrong without failing the tour: a screen without contents
    // of its own that does not show exactly its frame.
    std::string warning;
};

struct TourResult {
    // Why the tour could not start or go on; the shots up to then are kept.
    std::string error;
    std::string club;
    std::vector<TourShot> shots;

    bool Failed() const;
};

// Writes the pictures into settings.outFolder, one folder per size
// ("1280x800/screen09-press10.png"); the index is the caller's.
TourResult RunScreenTour(const TourSettings& settings);

// The screen's name as the navigation names it: "start screen", the
// navigation labels of the screens 1-18, "start training week".
std::string TourScreenName(int screenId);
