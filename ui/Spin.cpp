#include "ui/Spin.h"

#include <algorithm>

#include "ui/ControlLook.h"
#include "ui/IntegerExchange.h"

void Spin::SetRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    SetPosition(position_);
}

void Spin::SetPosition(int position) {
    position_ = std::clamp(position, std::min(lower_, upper_), std::max(lower_, upper_));
    ShowInBuddy();
}

void Spin::SetBuddy(EditLine* buddy) {
    buddy_ = buddy;
    ShowInBuddy();
}

void Spin::ShowInBuddy() {
    if (buddy_)
        WriteInteger(*buddy_, position_);
}

Rect Spin::UpRect() const {
    const Rect& r = GetRect();
    if (orientation_ == Orientation::Horizontal)
        return {r.left + r.Width() / 2, r.top, r.right, r.bottom};
    return {r.left, r.top, r.right, r.top + r.Height() / 2};
}

Rect Spin::DownRect() const {
    const Rect& r = GetRect();
    if (orientation_ == Orientation::Horizontal)
        return {r.left, r.top, r.left + r.Width() / 2, r.bottom};
    return {r.left, r.top + r.Height() / 2, r.right, r.bottom};
}

bool Spin::StepTowardUpper(bool up) {
    const int toward = up ? upper_ : lower_;
    const int from = up ? lower_ : upper_;
    int next = position_;
    if (position_ != toward)
        next = position_ + (toward > position_ ? 1 : -1);
    else if (wrap_)
        next = from;
    if (next == position_)
        return false;
    SetPosition(next);
    return true;
}

Reaction Spin::OnLButtonDown(unsigned /*flags*/, Point p) {
    const bool up = UpRect().Contains(p);
    if (!up && !DownRect().Contains(p))
        return Reaction::Ignored;
    pressed_ = up ? Arrow::Up : Arrow::Down;
    return StepTowardUpper(up) ? Reaction::Changed : Reaction::Taken;
}

Reaction Spin::OnLButtonUp(unsigned /*flags*/, Point /*p*/) {
    if (pressed_ == Arrow::None)
        return Reaction::Ignored;
    pressed_ = Arrow::None;
    return Reaction::Taken;
}

void Spin::Draw(DeviceContext& dc) {
    const bool sideways = orientation_ == Orientation::Horizontal;
    PaintArrowButton(dc, UpRect(), sideways ? ArrowDirection::Right : ArrowDirection::Up, pressed_ == Arrow::Up,
                     IsEnabled() && (wrap_ || position_ != upper_));
    PaintArrowButton(dc, DownRect(), sideways ? ArrowDirection::Left : ArrowDirection::Down,
                     pressed_ == Arrow::Down, IsEnabled() && (wrap_ || position_ != lower_));
}
