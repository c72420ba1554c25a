#pragma once

#include "platform/ModalRunner.h"

struct SDL_Window;

// Shows a dialog that has no window of its own as the system's plain
// message box: its title and text, its choice buttons or OK and Cancel.
// Return is OK, Escape cancel. Modeless boxes without a window are not shown.
class SdlMessageBoxRunner : public ModalRunner {
public:
    explicit SdlMessageBoxRunner(SDL_Window* parent) : parent_(parent) {}

    bool Run(ModalDialog& dialog) override;
    void ShowModeless(ModalDialog&) override {}
    void RefreshModeless(ModalDialog&) override {}
    void CloseModeless(ModalDialog&) override {}

private:
    SDL_Window* parent_;
};
