// The game program: starts the window backend, builds the main window
// (which runs the start-up) and runs the main loop until the user quits.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/GameApp.h"
#include "app/SelfTestRun.h"
#include "platform/sdl/SdlBackend.h"

int main() {
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Start({}, &error);
    if (!backend) {
        std::fprintf(stderr, "corvanta: %s\n", error.c_str());
        return EXIT_FAILURE;
    }
    CGameApp app;
    app.InitInstance();
    std::unique_ptr<SelfTestRun> selfTest = SelfTestRun::FromEnvironment(backend->System(), app.Frame().View());
    return app.Run();
}
