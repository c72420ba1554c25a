#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Input.h"
#include "platform/TimerQueue.h"

class SoundPlayer;
class Window;

// The one main loop and the windows on the screen, shared by both backends.
// A round of the loop paints the invalid windows, shows the picture, waits
// for input until the next timer falls due, hands the input to its window
// and fires the due timers. A modal dialog runs the same rounds in a nested
// loop; everything happens on the calling thread.
class WindowSystem {
public:
    WindowSystem() = default;
    virtual ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // The program's one window; it covers the screen.
    void ShowMainWindow(Window& window);
    Window* MainWindow() const { return main_; }
    // A window above the main window (a dialog) until HideWindow; hiding it
    // repaints everything below.
    void ShowWindow(Window& window);
    void HideWindow(Window& window);
    // Runs `dialog` in a nested loop until it calls EndModal or the program
    // quits; while it runs it takes all input, Enter gives OnOK and Escape
    // OnCancel. True when it ended with OK.
    bool RunModal(Window& dialog);
    // The main loop, until Quit (or, headless, until nothing is left to
    // happen); returns the exit code.
    int Run();
    void Quit(int exitCode);
    bool QuitRequested() const { return quit_; }

    void SetTimer(Window& window, unsigned id, unsigned elapseMs);
    void KillTimer(Window& window, unsigned id);
    // Paints the invalid windows and shows the picture now, for a caller
    // that works on without going back to the loop.
    void Refresh();
    // Drops a window that goes away: its timers, its place on the screen.
    void Forget(Window& window);

    // Hands an input to the window it belongs to.
    void Deliver(const InputEvent& event);

    virtual Rect ScreenRect() const = 0;
    // Milliseconds on the clock the timers run by.
    virtual uint64_t Now() const = 0;
    virtual SoundPlayer& Sound() = 0;
    // The clipboard's text in code page 1252; empty when it holds none.
    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& cp1252) = 0;

protected:
    // Waits for input until `timeoutMs` (none: no timer is set) and delivers
    // it. False when nothing can happen any more.
    virtual bool PumpEvents(std::optional<uint64_t> timeoutMs) = 0;
    // Shows the visible windows' surfaces, the bottom one first.
    virtual void Present(const std::vector<Window*>& windows) = 0;
    virtual void OnForget(Window&) {}

    void FireDueTimers();
    // The screen lost its picture (uncovered, resized): show it again.
    void MarkChanged() { changed_ = true; }
    std::optional<uint64_t> NextTimerDue() const { return timers_.NextDue(); }

private:
    bool RunRound();
    void PaintInvalid();
    void PresentIfChanged();
    Window* TargetOf(const InputEvent& event) const;
    void Dispatch(Window& window, const InputEvent& event, bool modal);
    void InvalidateAll();

    Window* main_ = nullptr;
    std::vector<Window*> above_;  // shown above the main window, bottom first
    std::vector<Window*> modal_;  // dialogs of the nested loops, innermost last
    TimerQueue timers_;
    bool changed_ = true;
    bool quit_ = false;
    int exitCode_ = 0;
};

// The system in use: a headless one until a backend installs its own.
WindowSystem& CurrentWindowSystem();
// Installs a system (null brings back the headless one); returns the previous.
WindowSystem* SetWindowSystem(WindowSystem* system);
