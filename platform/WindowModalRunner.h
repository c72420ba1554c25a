#pragma once

#include "platform/ModalRunner.h"

class WindowSystem;

// The dialog runner of a backend with a screen: a dialog that has a window
// runs in a nested loop of the window system (Enter is OK, Escape cancel)
// and a modeless one stays on the screen until closed; a dialog without a
// window of its own goes to the backend's plain runner.
class WindowModalRunner : public ModalRunner {
public:
    WindowModalRunner(WindowSystem& system, ModalRunner& windowless) : system_(system), windowless_(windowless) {}

    bool Run(ModalDialog& dialog) override;
    void ShowModeless(ModalDialog& dialog) override;
    void RefreshModeless(ModalDialog& dialog) override;
    void CloseModeless(ModalDialog& dialog) override;

private:
    WindowSystem& system_;
    ModalRunner& windowless_;
};
