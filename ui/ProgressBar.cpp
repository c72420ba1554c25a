#include "ui/ProgressBar.h"

#include <algorithm>

#include "ui/ControlLook.h"

void ProgressBar::SetRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    SetPosition(position_);
}

void ProgressBar::SetPosition(int position) {
    position_ = upper_ > lower_ ? std::clamp(position, lower_, upper_) : lower_;
}

Rect ProgressBar::Inside() const {
    Rect r = GetRect();
    r.Inflate(-2, -2);
    return r;
}

Rect ProgressBar::FilledRect() const {
    Rect r = Inside();
    if (upper_ <= lower_)
        return {};
    const long long done = static_cast<long long>(r.Width()) * (position_ - lower_) / (upper_ - lower_);
    r.right = r.left + static_cast<int>(done);
    return r.IsEmpty() ? Rect{} : r;
}

void ProgressBar::Draw(DeviceContext& dc) {
    PaintControlWell(dc, GetRect());
    const Rect filled = FilledRect();
    if (!filled.IsEmpty())
        dc.FillRect(filled, kSelectionFill);
}
