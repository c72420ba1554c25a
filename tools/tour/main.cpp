// corvanta_tour: the screen tour, a tool for developers. It starts a new
// game on the real main window on the headless window system, shows the
// start screen with the new-game wizard's pages over it, every manager
// screen and its pages and the status panel at each size by clicking the
// window's own buttons, writes each picture as a PNG file and an index page
// "index.html" naming them all.
//
//   corvanta_tour [--out DIR] [--club NAME] [--days N] [--seed S] [--size WxH]... [--world FILE]
//
// Without --club the manager starts at the first club of the first league;
// --days plays that many days first; each --size replaces the default sizes
// 1280x800 and 1920x1080. The pictures go to DIR (default "screen-tour"),
// one folder per size. The skin, crests, maps and sponsors' logos are the
// program folder's.
//
// A screen without contents of its own whose area is not exactly its frame
// gets a warning, which does not fail the tour.
//
// Exit status: 0 when every picture was taken and no screen failed, 1 when
// a screen failed (available but not reached, or painting nothing but its
// frame while it has contents of its own) or the game got stuck, 2 on bad
// arguments, an unreadable world or an unknown club.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/Text.h"
#include "tools/tour/ScreenTour.h"
#include "tools/tour/TourIndex.h"

namespace {

constexpr const char* kUsage =
    "usage: corvanta_tour [--out DIR] [--club NAME] [--days N] [--seed S] [--size WxH]... [--world FILE]\n";

bool ParseSize(const char* text, Size& size) {
    char x = 0;
    return std::sscanf(text, "%d%c%d", &size.width, &x, &size.height) == 3 && x == 'x' && size.width > 0 &&
           size.height > 0;
}

bool ParseArguments(int argc, char** argv, TourSettings& settings) {
    settings.window.worldFile = std::string(CORVANTA_PROGRAM_DIR) + "/Welt.kwl";
    settings.window.pictureFolder = CORVANTA_PROGRAM_DIR;
    settings.outFolder = "screen-tour";
    bool sizesGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (arg == "--out") {
            settings.outFolder = value;
        } else if (arg == "--club") {
            settings.club = Utf8ToCp1252(value);
        } else if (arg == "--days") {
            settings.days = std::atoi(value);
        } else if (arg == "--seed") {
            settings.seed = static_cast<uint32_t>(std::strtoul(value, nullptr, 10));
        } else if (arg == "--world") {
            settings.window.worldFile = value;
        } else if (arg == "--size") {
            Size size;
            if (!ParseSize(value, size))
                return false;
            if (!sizesGiven)
                settings.sizes.clear();
            sizesGiven = true;
            settings.sizes.push_back(size);
        } else {
            return false;
        }
    }
    return settings.days >= 0;
}

void PrintShot(const TourShot& shot) {
    const std::string name = shot.dialog.empty() ? TourScreenName(shot.screenId) : "dialog " + shot.dialog;
    std::cout << Format("%dx%d screen %2d %-22s", shot.size.width, shot.size.height, shot.screenId, name.c_str());
    if (shot.button >= 0)
        std::cout << " button " << shot.button << " (" << Cp1252ToUtf8(shot.label) << ")";
    if (!shot.dialog.empty())
        std::cout << " " << Cp1252ToUtf8(shot.dialog);
    std::cout << (shot.file.empty() ? " not available" : " " + shot.file);
    if (!shot.failure.empty())
        std::cout << "  FAILURE: " << Cp1252ToUtf8(shot.failure);
    if (!shot.warning.empty())
        std::cout << "  WARNING: " << Cp1252ToUtf8(shot.warning);
    std::cout << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    TourSettings settings;
    if (!ParseArguments(argc, argv, settings)) {
        std::cerr << kUsage;
        return 2;
    }
    const TourResult result = RunScreenTour(settings);
    if (result.shots.empty() && !result.error.empty()) {
        std::cerr << Cp1252ToUtf8(result.error) << "\n";
        return 2;
    }
    for (const TourShot& shot : result.shots)
        PrintShot(shot);
    const std::filesystem::path index = settings.outFolder / "index.html";
    const bool written = WriteTourIndex(index, settings, result);
    if (!result.error.empty())
        std::cout << "FAILURE: " << Cp1252ToUtf8(result.error) << "\n";
    if (!written)
        std::cout << "FAILURE: cannot write " << index.string() << "\n";
    std::cout << "Index: " << index.string() << "\n";
    return result.Failed() || !written ? 1 : 0;
}
