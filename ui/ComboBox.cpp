#include "ui/ComboBox.h"

#include <algorithm>

#include "platform/Input.h"
#include "ui/ControlLook.h"

namespace {

// Above and below the text of the closed box, frame included.
constexpr int kBoxPadding = 8;
constexpr int kTextMargin = 2;
constexpr unsigned kDropKey = Key::kF1 + 3;  // F4

}  // namespace

Rect ComboBox::BoxRect() const {
    const Rect& r = GetRect();
    return {r.left, r.top, r.right, r.top + std::min(r.Height(), ControlLineHeight() + kBoxPadding)};
}

Rect ComboBox::DroppedRect() const {
    const Rect box = BoxRect();
    const int rowHeight = std::max(1, ControlLineHeight());
    int rows = (GetRect().bottom - box.bottom - 2) / rowHeight;
    if (rows < 1)
        rows = kDefaultDroppedRows;
    rows = std::min(rows, std::max(1, Count()));
    return {box.left, box.bottom, box.right, box.bottom + rows * rowHeight + 2};
}

Rect ComboBox::DroppedRowRect(int row) {
    PlaceList();
    return list_.RowRect(row);
}

Rect ComboBox::ArrowRect() const {
    const Rect box = BoxRect();
    return {box.right - 1 - kScrollStripWidth, box.top + 1, box.right - 1, box.bottom - 1};
}

void ComboBox::PlaceList() { list_.SetRect(DroppedRect()); }

void ComboBox::Drop() {
    open_ = true;
    PlaceList();
    list_.Select(list_.Selected());  // brings the chosen row into sight
}

bool ComboBox::HitTest(Point p) const {
    return BoxRect().Contains(p) || (open_ && DroppedRect().Contains(p));
}

Reaction ComboBox::OnLButtonDown(unsigned flags, Point p) {
    if (open_ && DroppedRect().Contains(p)) {
        PlaceList();
        for (int row = list_.TopRow(); row < list_.TopRow() + list_.ShownRows(); ++row) {
            if (list_.RowRect(row).Contains(p)) {
                const int before = Selected();
                list_.Select(row);
                open_ = false;
                return row != before ? Reaction::Changed : Reaction::Taken;
            }
        }
        list_.OnLButtonDown(flags, p);  // the scroll bar
        return Reaction::Taken;
    }
    if (open_)
        Close();
    else
        Drop();
    return Reaction::Taken;
}

Reaction ComboBox::OnMouseWheel(unsigned flags, int delta, Point p) {
    if (open_) {
        PlaceList();
        return list_.OnMouseWheel(flags, delta, p);
    }
    if (Count() == 0)
        return Reaction::Ignored;
    const int from = Selected() == ListBox::kNone ? 0 : Selected();
    const int row = std::clamp(from - delta / kWheelDelta, 0, Count() - 1);
    if (row == Selected())
        return Reaction::Ignored;
    list_.Select(row);
    return Reaction::Changed;
}

Reaction ComboBox::OnKeyDown(unsigned key, unsigned /*flags*/) {
    if (key == kDropKey) {
        if (open_)
            Close();
        else
            Drop();
        return Reaction::Taken;
    }
    PlaceList();
    return list_.OnKeyDown(key, 0);
}

Reaction ComboBox::OnChar(unsigned character, unsigned /*flags*/) {
    PlaceList();
    return list_.OnChar(character, 0);
}

void ComboBox::Draw(DeviceContext& dc) {
    const Rect box = BoxRect();
    PaintControlWell(dc, box);
    const Rect arrow = ArrowRect();
    PaintArrowButton(dc, arrow, ArrowDirection::Down, open_, IsEnabled());
    SelectControlText(dc, IsEnabled());
    Rect text{box.left + 2, box.top + 2, arrow.left - 1, box.bottom - 2};
    if (HasFocus() && !open_) {
        dc.FillRect(text, kSelectionFill);
        dc.SetTextColour(kSelectionText);
    }
    if (Selected() != ListBox::kNone) {
        const int saved = dc.Save();
        dc.SetClipRect(text);
        text.left += kTextMargin;
        dc.DrawText(Row(Selected()), text, TextLeft | TextVCenter | TextSingleLine);
        dc.Restore(saved);
    }
    if (open_) {
        PlaceList();
        list_.Paint(dc);
    }
}
