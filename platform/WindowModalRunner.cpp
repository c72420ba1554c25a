#include "platform/WindowModalRunner.h"

#include "platform/Window.h"
#include "platform/WindowSystem.h"

bool WindowModalRunner::Run(ModalDialog& dialog) {
    Window* window = dialog.DialogWindow();
    return window ? system_.RunModal(*window) : windowless_.Run(dialog);
}

void WindowModalRunner::ShowModeless(ModalDialog& dialog) {
    Window* window = dialog.DialogWindow();
    if (!window)
        return windowless_.ShowModeless(dialog);
    window->OnInitDialog();
    system_.ShowWindow(*window);
    system_.Refresh();
}

void WindowModalRunner::RefreshModeless(ModalDialog& dialog) {
    Window* window = dialog.DialogWindow();
    if (!window)
        return windowless_.RefreshModeless(dialog);
    window->Invalidate();
    system_.Refresh();
}

void WindowModalRunner::CloseModeless(ModalDialog& dialog) {
    Window* window = dialog.DialogWindow();
    if (!window)
        return windowless_.CloseModeless(dialog);
    system_.HideWindow(*window);
    system_.Refresh();
}
