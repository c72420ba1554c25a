// The game program: starts the window backend, builds the main window
// (which runs the start-up) and runs the main loop until the user quits.
// "--club NAME" starts a new game at once with the manager at that club,
// past the start screen; the tests on a virtual display start it so.
// "--startup-probe" prints the time to the first picture and the peak
// memory to stderr and goes on; "--startup-probe-quit" ends after printing.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/GameApp.h"
#include "app/SelfTestRun.h"
#include "app/StartupProbe.h"
#include "platform/sdl/SdlBackend.h"

int main(int argc, char** argv) {
    std::string club;
    std::optional<StartupProbe::After> probe;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--club" && i + 1 < argc) {
            club = argv[++i];
        } else if (arg == "--startup-probe") {
            probe = StartupProbe::After::GoOn;
        } else if (arg == "--startup-probe-quit") {
            probe = StartupProbe::After::Quit;
        } else {
            std::fprintf(stderr, "usage: corvanta [--club NAME] [--startup-probe | --startup-probe-quit]\n");
            return EXIT_FAILURE;
        }
    }
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Start({}, &error);
    if (!backend) {
        std::fprintf(stderr, "corvanta: %s\n", error.c_str());
        return EXIT_FAILURE;
    }
    CGameApp app;
    app.InitInstance();
    CGameView& view = app.Frame().View();
    if (!club.empty()) {
        if (!view.PlaceManagerAtClub(club)) {
            std::fprintf(stderr, "corvanta: no club of the world is called '%s'\n", club.c_str());
            return EXIT_FAILURE;
        }
        view.BeginNewGame();
    }
    std::unique_ptr<SelfTestRun> selfTest = SelfTestRun::FromEnvironment(backend->System(), view);
    std::optional<StartupProbe> startupProbe;
    if (probe)
        startupProbe.emplace(*probe);
    return app.Run();
}
