// The game program: starts the window backend, builds the main window
// (which runs the start-up) and runs the main loop until the user quits.
// "--club NAME" starts a new game at once with the manager at that club,
// past the start screen; the tests on a virtual display start it so.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/GameApp.h"
#include "app/SelfTestRun.h"
#include "platform/sdl/SdlBackend.h"

int main(int argc, char** argv) {
    std::string club;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--club" && i + 1 < argc) {
            club = argv[++i];
        } else {
            std::fprintf(stderr, "usage: corvanta [--club NAME]\n");
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
    return app.Run();
}
