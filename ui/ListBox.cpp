#include "ui/ListBox.h"

#include <algorithm>

#include "platform/Input.h"
#include "platform/Text.h"
#include "ui/ControlLook.h"
#include "ui/DialogUnits.h"

namespace {

constexpr int kTextMargin = 2;
constexpr int kDefaultTabStep = 32;  // dialog units
constexpr unsigned kRowFormat = TextLeft | TextVCenter | TextSingleLine;

// Where the text after a tab starts, from the start of the row's text.
int NextTabStop(const std::vector<int>& stops, int offset) {
    if (stops.size() <= 1) {
        const int step = DialogUnits::ToPixelsX(stops.empty() || stops[0] <= 0 ? kDefaultTabStep : stops[0]);
        return (offset / step + 1) * step;
    }
    for (int stop : stops)
        if (DialogUnits::ToPixelsX(stop) > offset)
            return DialogUnits::ToPixelsX(stop);
    return offset + ControlTextWidth(" ");
}

}  // namespace

void ListBox::SetSelectionMode(Selection mode) {
    mode_ = mode;
    SelectOnly(kNone);
    caret_ = anchor_ = kNone;
}

int ListBox::AddString(std::string row) {
    int index = Count();
    if (sorted_) {
        const std::string key = LowerCp1252(row);
        const auto after = std::find_if(rows_.begin(), rows_.end(),
                                        [&](const Entry& r) { return LowerCp1252(r.text) > key; });
        index = static_cast<int>(after - rows_.begin());
    }
    rows_.insert(rows_.begin() + index, Entry{std::move(row), false});
    for (int* mark : {&caret_, &anchor_})
        if (*mark != kNone && *mark >= index)
            ++*mark;
    return index;
}

void ListBox::Clear() {
    rows_.clear();
    top_ = 0;
    caret_ = anchor_ = kNone;
}

void ListBox::Select(int row) {
    if (row < kNone || row >= Count())
        return;
    SelectOnly(row);
    caret_ = anchor_ = row;
    ScrollIntoSight(row);
}

bool ListBox::IsSelected(int row) const { return row >= 0 && row < Count() && rows_[row].selected; }

void ListBox::SetSelected(int row, bool selected) {
    if (row < 0 || row >= Count())
        return;
    if (mode_ == Selection::Multiple)
        rows_[row].selected = selected;
    else if (selected)
        Select(row);
    else if (caret_ == row)
        Select(kNone);
}

std::vector<int> ListBox::SelectedRows() const {
    std::vector<int> selected;
    for (int i = 0; i < Count(); ++i)
        if (rows_[i].selected)
            selected.push_back(i);
    return selected;
}

bool ListBox::SelectOnly(int row) {
    bool changed = false;
    for (int i = 0; i < Count(); ++i) {
        changed |= rows_[i].selected != (i == row);
        rows_[i].selected = i == row;
    }
    return changed;
}

bool ListBox::SelectRange(int from, int to) {
    const int low = std::min(from, to), high = std::max(from, to);
    bool changed = false;
    for (int i = 0; i < Count(); ++i) {
        const bool in = i >= low && i <= high;
        changed |= rows_[i].selected != in;
        rows_[i].selected = in;
    }
    return changed;
}

Rect ListBox::Inside() const {
    Rect r = GetRect();
    r.Inflate(-1, -1);
    return r;
}

int ListBox::RowHeight() const { return std::max(1, ControlLineHeight()); }

int ListBox::ShownRows() const { return std::max(1, Inside().Height() / RowHeight()); }

ScrollRange ListBox::Range() const { return {top_, Count(), ShownRows()}; }

Rect ListBox::RowsArea() const {
    Rect area = Inside();
    if (Range().NeedsStrip())
        area.right -= kScrollStripWidth;
    return area;
}

Rect ListBox::RowRect(int row) const {
    if (row < top_ || row >= top_ + ShownRows() || row >= Count())
        return {};
    const Rect area = RowsArea();
    const int top = area.top + (row - top_) * RowHeight();
    return {area.left, top, area.right, top + RowHeight()};
}

int ListBox::RowAt(Point p) const {
    const Rect area = RowsArea();
    if (!area.Contains(p))
        return kNone;
    const int row = top_ + (p.y - area.top) / RowHeight();
    return row < Count() && row < top_ + ShownRows() ? row : kNone;
}

void ListBox::ScrollIntoSight(int row) {
    if (row == kNone)
        return;
    if (row < top_)
        top_ = row;
    else if (row >= top_ + ShownRows())
        top_ = row - ShownRows() + 1;
    top_ = Range().Clamped(top_);
}

bool ListBox::MoveTo(int row, unsigned flags, bool byKey) {
    bool changed = false;
    const bool control = (flags & MK_CONTROL) != 0, shift = (flags & MK_SHIFT) != 0;
    if (mode_ == Selection::Single || (!control && !shift)) {
        changed = SelectOnly(row);
        anchor_ = row;
    } else if (shift) {
        changed = SelectRange(anchor_ == kNone ? row : anchor_, row);
    } else if (!byKey) {
        rows_[row].selected = !rows_[row].selected;
        changed = true;
        anchor_ = row;
    }
    caret_ = row;
    ScrollIntoSight(row);
    return changed;
}

Reaction ListBox::OnLButtonDown(unsigned flags, Point p) {
    if (Range().NeedsStrip() && ScrollStripRect(Inside()).Contains(p)) {
        top_ = ScrollStripClick(ScrollStripRect(Inside()), Range(), p);
        return Reaction::Taken;
    }
    const int row = RowAt(p);
    if (row == kNone)
        return Reaction::Taken;
    return MoveTo(row, flags, false) ? Reaction::Changed : Reaction::Taken;
}

Reaction ListBox::OnLButtonDblClk(unsigned flags, Point p) {
    const Reaction press = OnLButtonDown(flags, p);
    return RowAt(p) != kNone ? Reaction::DoubleClicked : press;
}

// A drag over the rows selects as Shift+click does, or moves the one row.
Reaction ListBox::OnMouseMove(unsigned /*flags*/, Point p) {
    const int row = RowAt(p);
    if (row == kNone || row == caret_)
        return Reaction::Ignored;
    return MoveTo(row, mode_ == Selection::Multiple ? MK_SHIFT : 0, false) ? Reaction::Changed : Reaction::Taken;
}

Reaction ListBox::OnMouseWheel(unsigned /*flags*/, int delta, Point /*p*/) {
    const int top = Range().Clamped(top_ - delta / kWheelDelta * kWheelRows);
    if (top == top_)
        return Reaction::Ignored;
    top_ = top;
    return Reaction::Taken;
}

int ListBox::KeyTarget(unsigned key) const {
    if (Count() == 0)
        return kNone;
    const int page = std::max(1, ShownRows() - 1);
    int row;
    switch (key) {
    case Key::kUp:
        row = caret_ - 1;
        break;
    case Key::kDown:
        row = caret_ + 1;
        break;
    case Key::kPageUp:
        row = caret_ - page;
        break;
    case Key::kPageDown:
        row = caret_ + page;
        break;
    case Key::kHome:
        row = 0;
        break;
    case Key::kEnd:
        row = Count() - 1;
        break;
    default:
        return kNone;
    }
    // Without a focus row every key starts at the first.
    return caret_ == kNone ? 0 : std::clamp(row, 0, Count() - 1);
}

Reaction ListBox::OnKeyDown(unsigned key, unsigned flags) {
    if (key == Key::kSpace && mode_ == Selection::Multiple && caret_ != kNone) {
        if (flags & MK_CONTROL)
            rows_[caret_].selected = !rows_[caret_].selected;
        else
            SelectOnly(caret_);
        anchor_ = caret_;
        return Reaction::Changed;
    }
    const int row = KeyTarget(key);
    if (row == kNone)
        return Reaction::Ignored;
    const int before = caret_;
    if (MoveTo(row, flags, true))
        return Reaction::Changed;
    return row != before ? Reaction::Taken : Reaction::Ignored;
}

Reaction ListBox::OnChar(unsigned character, unsigned /*flags*/) {
    if (character <= ' ' || character > 255 || Count() == 0)
        return Reaction::Ignored;
    const char wanted = LowerCp1252(std::string(1, static_cast<char>(character)))[0];
    for (int step = 1; step <= Count(); ++step) {
        const int row = ((caret_ == kNone ? -1 : caret_) + step) % Count();
        const std::string& text = rows_[row].text;
        if (!text.empty() && LowerCp1252(text.substr(0, 1))[0] == wanted)
            return MoveTo(row, 0, true) ? Reaction::Changed : Reaction::Taken;
    }
    return Reaction::Ignored;
}

void ListBox::DrawRowText(DeviceContext& dc, const std::string& text, const Rect& r) const {
    const int start = r.left + kTextMargin;
    int offset = 0;
    size_t begin = 0;
    while (true) {
        const size_t tab = text.find('\t', begin);
        const std::string part = text.substr(begin, tab == std::string::npos ? std::string::npos : tab - begin);
        if (!part.empty())
            dc.DrawText(part, Rect{start + offset, r.top, r.right, r.bottom}, kRowFormat);
        if (tab == std::string::npos)
            return;
        offset = NextTabStop(tabStops_, offset + ControlTextWidth(part));
        begin = tab + 1;
    }
}

void ListBox::Draw(DeviceContext& dc) {
    PaintControlWell(dc, GetRect());
    SelectControlText(dc, IsEnabled());
    dc.SetClipRect(Inside());
    for (int row = top_; row < std::min(Count(), top_ + ShownRows()); ++row) {
        const Rect r = RowRect(row);
        const bool selected = rows_[row].selected;
        if (selected)
            dc.FillRect(r, kSelectionFill);
        dc.SetTextColour(selected ? kSelectionText : IsEnabled() ? kControlText : kDisabledText);
        dc.SetClipRect(r);
        DrawRowText(dc, rows_[row].text, r);
        dc.SetClipRect(Inside());
        if (row == caret_ && HasFocus())
            PaintFocusFrame(dc, r);
    }
    if (Range().NeedsStrip())
        PaintScrollStrip(dc, ScrollStripRect(Inside()), Range());
}
