#include "ui/CheckBox.h"

#include <algorithm>

#include "ui/ControlLook.h"

namespace {

constexpr int kBoxSize = 13;
constexpr int kLabelGap = 4;

}  // namespace

Reaction CheckBox::Act() {
    checked_ = !checked_;
    return Reaction::Changed;
}

Rect CheckBox::BoxRect() const {
    const Rect& r = GetRect();
    const int size = std::min(kBoxSize, r.Height());
    const int top = r.top + (r.Height() - size) / 2;
    return {r.left, top, r.left + size, top + size};
}

void CheckBox::Draw(DeviceContext& dc) {
    dc.FillRect(GetRect(), kControlFill);
    const Rect box = BoxRect();
    PaintControlWell(dc, box);
    if (IsPressed())
        dc.FillRect(Rect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, kShadowEdge);
    if (checked_) {
        // A tick of two strokes, two pixels thick, inside the box.
        const Colour ink = IsEnabled() ? kControlText : kDisabledText;
        dc.SelectPen(Pen::Solid(2, ink));
        const int unit = box.Width() / 5;
        dc.MoveTo(box.left + unit, box.top + 2 * unit + unit / 2);
        dc.LineTo(box.left + 2 * unit, box.bottom - unit - 1);
        dc.LineTo(box.right - unit, box.top + unit);
    }
    SelectControlText(dc, IsEnabled());
    const Rect label{box.right + kLabelGap, GetRect().top, GetRect().right, GetRect().bottom};
    dc.DrawText(text_, label, TextLeft | TextVCenter | TextSingleLine);
    if (HasFocus()) {
        const int right = std::min(label.right, label.left + ControlTextWidth(text_) + 2);
        PaintFocusFrame(dc, Rect{label.left - 1, label.top, right, label.bottom});
    }
}
