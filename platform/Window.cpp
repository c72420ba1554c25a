#include "platform/Window.h"

#include "platform/WindowSystem.h"

Window::~Window() { CurrentWindowSystem().Forget(*this); }

void Window::OnClose() { CurrentWindowSystem().Quit(0); }

void Window::SetTimer(unsigned id, unsigned elapseMs) { CurrentWindowSystem().SetTimer(*this, id, elapseMs); }

void Window::KillTimer(unsigned id) { CurrentWindowSystem().KillTimer(*this, id); }

void Window::UpdateWindow() { CurrentWindowSystem().Refresh(); }

void Window::MoveWindow(const Rect& screenRect) {
    bool resized = screenRect.Width() != rect_.Width() || screenRect.Height() != rect_.Height();
    rect_ = screenRect;
    if (!resized)
        return;
    surface_.Create(rect_.Width(), rect_.Height());
    invalid_ = true;
    OnSize(rect_.Width(), rect_.Height());
}

void Window::CenterWindow() {
    Rect screen = CurrentWindowSystem().ScreenRect();
    int left = screen.left + (screen.Width() - rect_.Width()) / 2;
    int top = screen.top + (screen.Height() - rect_.Height()) / 2;
    MoveWindow({left, top, left + rect_.Width(), top + rect_.Height()});
}
