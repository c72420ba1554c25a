#include "ui/ControlSet.h"

#include <algorithm>

#include "platform/Input.h"

ControlSet::~ControlSet() {
    for (Control* c : controls_)
        c->set_ = nullptr;
}

void ControlSet::Add(Control& control) {
    if (control.set_)
        control.set_->Remove(control);
    control.set_ = this;
    controls_.push_back(&control);
}

void ControlSet::Add(std::initializer_list<Control*> controls) {
    for (Control* c : controls)
        Add(*c);
}

void ControlSet::Remove(Control& control) {
    if (focus_ == &control)
        focus_ = nullptr;
    if (capture_ == &control)
        capture_ = nullptr;
    std::erase(controls_, &control);
    control.set_ = nullptr;
}

void ControlSet::FocusFirst() {
    auto first = std::find_if(controls_.begin(), controls_.end(),
                              [](const Control* c) { return c->TakesInput() && c->TakesFocus(); });
    ChangeFocus(first == controls_.end() ? nullptr : *first, true);
}

void ControlSet::SetFocus(Control* control) { ChangeFocus(control, false); }

void ControlSet::ChangeFocus(Control* control, bool byTab) {
    if (control == focus_)
        return;
    Control* old = focus_;
    focus_ = control;
    if (old) {
        old->Close();
        old->OnFocus(false, byTab);
    }
    if (control)
        control->OnFocus(true, byTab);
}

Control* ControlSet::OpenControl() const {
    return focus_ && focus_->IsOpen() && focus_->TakesInput() ? focus_ : nullptr;
}

Control* ControlSet::ControlAt(Point p) const {
    if (Control* open = OpenControl(); open && open->HitTest(p))
        return open;
    for (Control* c : controls_)
        if (c->TakesInput() && c->HitTest(p))
            return c;
    return nullptr;
}

ControlEvent ControlSet::Click(unsigned flags, Point p, Press press) {
    Control* open = OpenControl();
    if (open && !open->HitTest(p)) {
        open->Close();
        capture_ = open;  // the release belongs to the same press
        return {open, Reaction::Taken};
    }
    Control* target = ControlAt(p);
    if (!target)
        return {};
    const bool focusMoved = target->TakesFocus() && target != focus_;
    if (target->TakesFocus())
        SetFocus(target);
    capture_ = target;
    Reaction reaction =
        press == Press::Double ? target->OnLButtonDblClk(flags, p) : target->OnLButtonDown(flags, p);
    if (!reaction && focusMoved)
        reaction = Reaction::Taken;
    return {target, reaction};
}

ControlEvent ControlSet::OnLButtonDown(unsigned flags, Point p) { return Click(flags, p, Press::Single); }

ControlEvent ControlSet::OnLButtonDblClk(unsigned flags, Point p) { return Click(flags, p, Press::Double); }

ControlEvent ControlSet::OnLButtonUp(unsigned flags, Point p) {
    Control* target = capture_;
    capture_ = nullptr;
    if (!target || !target->TakesInput())
        return {};
    return {target, target->OnLButtonUp(flags, p)};
}

ControlEvent ControlSet::OnMouseMove(unsigned flags, Point p) {
    if (!capture_ || !capture_->TakesInput())
        return {};
    return {capture_, capture_->OnMouseMove(flags, p)};
}

ControlEvent ControlSet::OnMouseWheel(unsigned flags, int delta, Point p) {
    Control* target = ControlAt(p);
    if (!target)
        return {};
    return {target, target->OnMouseWheel(flags, delta, p)};
}

ControlEvent ControlSet::MoveFocus(bool backwards) {
    const int count = static_cast<int>(controls_.size());
    const auto current = std::find(controls_.begin(), controls_.end(), focus_);
    // Without a focus the walk starts just outside the list on the side it comes from.
    int index = current == controls_.end() ? (backwards ? count : -1)
                                           : static_cast<int>(current - controls_.begin());
    const int step = backwards ? -1 : 1;
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        Control* c = controls_[index];
        if (c->TakesInput() && c->TakesFocus()) {
            ChangeFocus(c, true);
            return {c, Reaction::Taken};
        }
    }
    return {};
}

ControlEvent ControlSet::OnKeyDown(unsigned key, unsigned flags) {
    if (key == Key::kTab)
        return MoveFocus((flags & MK_SHIFT) != 0);
    if (!focus_ || !focus_->TakesInput())
        return {};
    return {focus_, focus_->OnKeyDown(key, flags)};
}

ControlEvent ControlSet::OnChar(unsigned character, unsigned flags) {
    if (!focus_ || !focus_->TakesInput())
        return {};
    return {focus_, focus_->OnChar(character, flags)};
}

void ControlSet::Paint(DeviceContext& dc) {
    Control* open = OpenControl();
    for (Control* c : controls_)
        if (c->IsVisible() && c != open)
            c->Paint(dc);
    if (open)
        open->Paint(dc);
}
