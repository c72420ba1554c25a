#include "platform/WindowSystem.h"

#include <algorithm>

#include "platform/DeviceContext.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Sound.h"
#include "platform/Window.h"

namespace {

HeadlessWindowSystem& DefaultSystem() {
    static HeadlessWindowSystem system;
    return system;
}

WindowSystem* g_windowSystem = nullptr;

bool HasWindow(const std::vector<Window*>& list, const Window& window) {
    return std::find(list.begin(), list.end(), &window) != list.end();
}

}  // namespace

WindowSystem& CurrentWindowSystem() { return g_windowSystem ? *g_windowSystem : DefaultSystem(); }

WindowSystem* SetWindowSystem(WindowSystem* system) {
    WindowSystem* previous = &CurrentWindowSystem();
    g_windowSystem = system;
    return previous;
}

WindowSystem::~WindowSystem() {
    if (g_windowSystem == this)
        g_windowSystem = nullptr;
}

void WindowSystem::ShowMainWindow(Window& window) {
    main_ = &window;
    window.MoveWindow(ScreenRect());
    window.visible_ = true;
    window.OnShowWindow(true);
    window.Invalidate();
    changed_ = true;
}

void WindowSystem::ShowWindow(Window& window) {
    if (&window == main_ || HasWindow(above_, window))
        return;
    above_.push_back(&window);
    window.visible_ = true;
    window.OnShowWindow(true);
    window.Invalidate();
    changed_ = true;
}

void WindowSystem::HideWindow(Window& window) {
    if (!HasWindow(above_, window))
        return;
    std::erase(above_, &window);
    window.visible_ = false;
    window.OnShowWindow(false);
    InvalidateAll();
}

bool WindowSystem::RunModal(Window& dialog) {
    dialog.modalResult_.reset();
    dialog.OnInitDialog();
    ShowWindow(dialog);
    modal_.push_back(&dialog);
    while (!dialog.modalResult_ && !quit_ && RunRound()) {
    }
    std::erase(modal_, &dialog);
    HideWindow(dialog);
    return dialog.modalResult_.value_or(false);
}

int WindowSystem::Run() {
    quit_ = false;
    while (!quit_ && RunRound()) {
    }
    return exitCode_;
}

void WindowSystem::Quit(int exitCode) {
    quit_ = true;
    exitCode_ = exitCode;
}

void WindowSystem::SetTimer(Window& window, unsigned id, unsigned elapseMs) {
    timers_.Set(window, id, elapseMs, Now());
}

void WindowSystem::KillTimer(Window& window, unsigned id) { timers_.Kill(window, id); }

void WindowSystem::Refresh() {
    PaintInvalid();
    PresentIfChanged();
}

void WindowSystem::Forget(Window& window) {
    timers_.KillAll(window);
    std::erase(above_, &window);
    std::erase(modal_, &window);
    if (main_ == &window)
        main_ = nullptr;
    Sound().Forget(window);
    OnForget(window);
    changed_ = true;
}

void WindowSystem::Deliver(const InputEvent& event) {
    Window* target = TargetOf(event);
    if (!target)
        return;
    Dispatch(*target, event, !modal_.empty());
    changed_ = true;
}

void WindowSystem::PaintInvalid() {
    auto paint = [this](Window* w) {
        if (w && w->visible_ && w->invalid_) {
            w->invalid_ = false;
            DeviceContext dc(&w->surface_);
            w->OnPaint(dc);
            changed_ = true;
        }
    };
    paint(main_);
    // A window may hide another while it paints.
    std::vector<Window*> above = above_;
    for (Window* w : above)
        if (HasWindow(above_, *w))
            paint(w);
}

void WindowSystem::FireDueTimers() {
    // One look at the clock per round, so a slow handler cannot keep the
    // loop from its input.
    uint64_t now = Now();
    while (auto due = timers_.PopDue(now)) {
        due->window->OnTimer(due->id);
        changed_ = true;
    }
}

bool WindowSystem::RunRound() {
    PaintInvalid();
    PresentIfChanged();
    std::optional<uint64_t> timeout;
    if (auto due = timers_.NextDue()) {
        uint64_t now = Now();
        timeout = *due > now ? *due - now : 0;
    }
    if (!PumpEvents(timeout))
        return false;
    FireDueTimers();
    return true;
}

void WindowSystem::PresentIfChanged() {
    if (!changed_)
        return;
    changed_ = false;
    std::vector<Window*> shown;
    if (main_ && main_->visible_)
        shown.push_back(main_);
    shown.insert(shown.end(), above_.begin(), above_.end());
    Present(shown);
}

Window* WindowSystem::TargetOf(const InputEvent& event) const {
    bool mouse = event.kind == InputEvent::Kind::MouseDown || event.kind == InputEvent::Kind::MouseUp ||
                 event.kind == InputEvent::Kind::MouseMove;
    if (!modal_.empty()) {
        Window* dialog = modal_.back();
        return !mouse || dialog->rect_.Contains(event.point) ? dialog : nullptr;
    }
    if (mouse) {
        for (auto it = above_.rbegin(); it != above_.rend(); ++it)
            if ((*it)->rect_.Contains(event.point))
                return *it;
    }
    return main_;
}

void WindowSystem::Dispatch(Window& w, const InputEvent& e, bool modal) {
    using Kind = InputEvent::Kind;
    Point client = w.ScreenToClient(e.point);
    switch (e.kind) {
    case Kind::MouseDown:
        if (e.button == MouseButton::Left && e.clicks % 2 == 0)
            w.OnLButtonDblClk(e.flags, client);
        else if (e.button == MouseButton::Left)
            w.OnLButtonDown(e.flags, client);
        else if (e.button == MouseButton::Right)
            w.OnRButtonDown(e.flags, client);
        break;
    case Kind::MouseUp:
        if (e.button == MouseButton::Left)
            w.OnLButtonUp(e.flags, client);
        else if (e.button == MouseButton::Right)
            w.OnRButtonUp(e.flags, client);
        break;
    case Kind::MouseMove:
        w.OnMouseMove(e.flags, client);
        break;
    case Kind::Wheel:
        w.OnMouseWheel(e.flags, e.wheelDelta, e.point);
        break;
    case Kind::KeyDown:
        if (modal && e.key == Key::kReturn)
            w.OnOK();
        else if (modal && e.key == Key::kEscape)
            w.OnCancel();
        else
            w.OnKeyDown(e.key, e.flags, e.keyFlags);
        break;
    case Kind::Char:
        // Enter and Escape already ended the dialog as keys.
        if (!(modal && (e.key == Key::kReturn || e.key == Key::kEscape)))
            w.OnChar(e.key, e.flags, e.keyFlags);
        break;
    }
}

void WindowSystem::InvalidateAll() {
    if (main_)
        main_->Invalidate();
    for (Window* w : above_)
        w->Invalidate();
    changed_ = true;
}
