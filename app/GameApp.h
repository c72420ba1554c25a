#pragma once

#include <memory>

#include "app/GameView.h"

// The frame of the program: one window without a title bar over the whole
// screen, holding the main game window, in which everything is painted.
// Building it builds the main game window and so runs the start-up, before
// anything of the frame is shown.
class CMainFrame {
public:
    CMainFrame() = default;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    void Show();
    CGameView& View() { return view_; }

private:
    CGameView view_;
};

// The program: builds and shows the frame, then runs the one main loop
// until the user quits. A window backend must be installed before.
class CGameApp {
public:
    void InitInstance();
    // The program's exit code.
    int Run();
    CMainFrame& Frame() { return *frame_; }

private:
    std::unique_ptr<CMainFrame> frame_;
};
