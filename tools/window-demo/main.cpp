// Opens the player's window on SDL, paints a moving test pattern on a
// timer, runs a modal dialog in a nested loop and quits on Escape. With
// --quit-after it ends by itself and checks that the screen showed the
// picture without loading OpenGL, so the backend can be tried under a
// virtual display.
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <fstream>
#include <set>
#include <string>

#include "platform/DeviceContext.h"
#include "platform/Window.h"
#include "platform/sdl/SdlBackend.h"

namespace {

constexpr unsigned kAnimationTimer = 1;
constexpr unsigned kDialogTimer = 2;
constexpr unsigned kQuitTimer = 3;
constexpr unsigned kAnimationMs = 40;
constexpr unsigned kDialogCloseMs = 300;
// A test pattern shows far more colours than a blank or single-coloured screen.
constexpr size_t kMinScreenColours = 16;

enum ExitCode { kExitOk = 0, kExitNoDisplay = 1, kExitBlankScreen = 2, kExitDialogFailed = 3, kExitOpenGlLoaded = 4 };
// Parts of an OpenGL stack as they show in the process's memory map.
constexpr const char* kOpenGlLibraries[] = {"/libGL", "/libEGL", "/libLLVM", "_dri.so"};

struct Settings {
    int quitAfterMs = 0;  // 0: run until Escape
    std::string screenshot;
    SdlWindowSystem::Options window;
};

size_t DistinctColours(const Bitmap& picture) {
    std::set<Colour> colours;
    for (int y = 0; y < picture.Height(); ++y)
        colours.insert(picture.Row(y), picture.Row(y) + picture.Width());
    return colours.size();
}

// The backend shows its pictures without OpenGL, which on a virtual
// display is a software stack costing more time and memory than the game.
bool OpenGlLoaded() {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        for (const char* library : kOpenGlLibraries)
            if (line.find(library) != std::string::npos)
                return true;
    return false;
}

// A dialog window: Enter and Escape end it, and in the automatic run its
// own timer does.
class DemoDialog : public ModalDialog, public Window {
public:
    explicit DemoDialog(bool closeByItself) : closeByItself_(closeByItself) {}

    ModalRecord Describe() const override { return {"demo", "demo dialog", "Enter: OK, Escape: cancel", 0, 0, {}, "", false}; }
    void Accept(const ModalAnswer&) override {}
    Window* DialogWindow() override { return this; }

    void OnInitDialog() override {
        MoveWindow({0, 0, 320, 160});
        CenterWindow();
        if (closeByItself_)
            SetTimer(kDialogTimer, kDialogCloseMs);
    }
    void OnPaint(DeviceContext& dc) override {
        Rect client = ClientRect();
        dc.FillRect(client, Rgb(40, 40, 40));
        dc.FillRect({4, 4, client.right - 4, 30}, Rgb(150, 170, 195));
        dc.SetBackMode(BackMode::Transparent);
        dc.SetTextColour(kWhite);
        dc.DrawText("Enter: OK, Escape: cancel", {0, 30, client.right, client.bottom}, TextCentred);
    }
    void OnTimer(unsigned) override {
        KillTimer(kDialogTimer);
        EndModal(true);
    }

private:
    bool closeByItself_;
};

class DemoWindow : public Window {
public:
    explicit DemoWindow(const Settings& settings, SdlWindowSystem& system) : settings_(settings), system_(system) {}

    int ExitCode() const { return exitCode_; }

    void OnShowWindow(bool show) override {
        if (!show)
            return;
        SetTimer(kAnimationTimer, kAnimationMs);
        if (settings_.quitAfterMs > 0) {
            SetTimer(kDialogTimer, settings_.quitAfterMs / 3);
            SetTimer(kQuitTimer, settings_.quitAfterMs);
        }
    }

    void OnPaint(DeviceContext& dc) override {
        int width = dc.Width();
        int height = dc.Height();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                dc.SetPixel(x, y, Rgb(x * 255 / width, y * 255 / height, shade_));
        int size = height / 8;
        int left = (phase_ * 8) % std::max(1, width - size);
        dc.FillRect({left, size, left + size, 2 * size}, kWhite);
        dc.FillRect({mark_.x - 5, mark_.y - 5, mark_.x + 5, mark_.y + 5}, Rgb(255, 0, 0));
        dc.SetBackMode(BackMode::Transparent);
        dc.SetTextColour(kWhite);
        dc.DrawText("Escape quits, D opens a dialog", {0, 0, width, size}, TextCentred);
    }

    void OnTimer(unsigned id) override {
        if (id == kAnimationTimer) {
            ++phase_;
            Invalidate();
        } else if (id == kDialogTimer) {
            KillTimer(kDialogTimer);
            RunDialog(true);
        } else if (id == kQuitTimer) {
            FinishAutomaticRun();
        }
    }

    void OnLButtonDown(unsigned, Point p) override {
        mark_ = p;
        Invalidate();
    }
    void OnMouseWheel(unsigned, int delta, Point) override {
        shade_ = (shade_ + delta / kWheelDelta * 16) & 0xFF;
        Invalidate();
    }
    void OnKeyDown(unsigned key, unsigned, unsigned) override {
        if (key == Key::kEscape)
            system_.Quit(kExitOk);
        else if (key == 'D')
            RunDialog(false);
    }

private:
    void RunDialog(bool closeByItself) {
        DemoDialog dialog(closeByItself);
        dialogOk_ = CurrentModalRunner().Run(dialog);
    }

    void FinishAutomaticRun() {
        Bitmap screen;
        exitCode_ = kExitOk;
        if (!system_.ReadScreen(screen) || DistinctColours(screen) < kMinScreenColours) {
            std::fprintf(stderr, "window-demo: the screen shows no picture\n");
            exitCode_ = kExitBlankScreen;
        } else if (!dialogOk_) {
            std::fprintf(stderr, "window-demo: the dialog did not end with OK\n");
            exitCode_ = kExitDialogFailed;
        } else if (OpenGlLoaded()) {
            std::fprintf(stderr, "window-demo: an OpenGL library is loaded\n");
            exitCode_ = kExitOpenGlLoaded;
        }
        if (!settings_.screenshot.empty() && !screen.SavePng(settings_.screenshot))
            std::fprintf(stderr, "window-demo: cannot write %s\n", settings_.screenshot.c_str());
        system_.Quit(exitCode_);
    }

    const Settings& settings_;
    SdlWindowSystem& system_;
    int phase_ = 0;
    int shade_ = 128;
    Point mark_{-100, -100};
    bool dialogOk_ = false;
    int exitCode_ = kExitOk;
};

bool ParseArguments(int argc, char** argv, Settings& settings) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--quit-after" && hasValue)
            settings.quitAfterMs = std::atoi(argv[++i]);
        else if (arg == "--screenshot" && hasValue)
            settings.screenshot = argv[++i];
        else if (arg == "--size" && hasValue &&
                 std::sscanf(argv[++i], "%dx%d", &settings.window.pictureWidth, &settings.window.pictureHeight) == 2)
            continue;
        else if (arg == "--windowed")
            settings.window.fullScreen = false;
        else
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Settings settings;
    if (!ParseArguments(argc, argv, settings)) {
        std::fprintf(stderr,
                     "usage: window-demo [--quit-after MS] [--screenshot FILE.png] [--size WxH] [--windowed]\n");
        return EXIT_FAILURE;
    }
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Start(settings.window, &error);
    if (!backend) {
        std::fprintf(stderr, "window-demo: %s\n", error.c_str());
        return kExitNoDisplay;
    }
    DemoWindow window(settings, backend->System());
    backend->System().ShowMainWindow(window);
    return backend->System().Run();
}
