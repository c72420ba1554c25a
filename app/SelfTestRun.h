#pragma once

#include <memory>
#include <string>

#include "platform/Window.h"

class CGameView;
class SdlWindowSystem;

// The program's check of itself on a display, for the test that starts it
// under a virtual screen. It is switched on only by the environment
// variable CORVANTA_SELF_TEST, which names the screenshot to write; the
// player never sets it. The run clicks the start picture away, reads the
// screen back, checks that the start screen stands where its layout puts
// it and, when there is a sound device, that the effects loaded and the
// start title plays, and clicks "quit", so the program ends through its own
// menu.
class SelfTestRun : public Window {
public:
    static constexpr const char* kVariable = "CORVANTA_SELF_TEST";
    // Exit codes of a failed check; a passed run ends with the program's 0.
    enum Failure { kNoStartPicture = 2, kBlankScreen = 3, kMenuMisplaced = 4, kDidNotQuit = 5, kSilent = 6 };

    // Null when the variable is not set.
    static std::unique_ptr<SelfTestRun> FromEnvironment(SdlWindowSystem& system, CGameView& view);

    SelfTestRun(SdlWindowSystem& system, CGameView& view, std::string screenshot);
    void OnTimer(unsigned id) override;

private:
    void ClickStartPicture();
    void CheckStartScreen();
    bool MenuStandsInPlace(const class Bitmap& screen) const;
    bool SoundsPlay();
    void Click(Point screenPoint);
    void Fail(Failure failure, const char* what);

    SdlWindowSystem& system_;
    CGameView& view_;
    std::string screenshot_;
};
