#include "ui/EditLine.h"

#include <cstdlib>

#include "platform/Input.h"
#include "platform/WindowSystem.h"

namespace {

constexpr int kTextMargin = 2;
constexpr unsigned kFirstPrintable = 32;
constexpr unsigned kDeleteCharacter = 127;
constexpr unsigned kLastCharacter = 255;

constexpr unsigned kLineFormat = TextLeft | TextVCenter | TextSingleLine;

bool IsWordCharacter(char c) { return c != ' ' && c != '\t'; }

}  // namespace

void EditLine::SetText(std::string text) {
    text_ = std::move(text);
    caret_ = anchor_ = text_.size();
    firstShown_ = 0;
}

void EditLine::SetSelection(size_t anchor, size_t caret) {
    anchor_ = std::min(anchor, text_.size());
    caret_ = std::min(caret, text_.size());
}

Reaction EditLine::MoveCaret(size_t to, bool select) {
    const size_t oldCaret = caret_, oldAnchor = anchor_;
    caret_ = to;
    if (!select)
        anchor_ = to;
    return caret_ != oldCaret || anchor_ != oldAnchor ? Reaction::Taken : Reaction::Ignored;
}

Reaction EditLine::ReplaceSelection(std::string_view insert) {
    if (readOnly_)
        return Reaction::Ignored;
    const size_t start = SelectionStart(), end = SelectionEnd();
    if (limit_ != kNoLimit) {
        const size_t kept = text_.size() - (end - start);
        insert = insert.substr(0, kept < limit_ ? limit_ - kept : 0);
    }
    if (insert.empty() && start == end)
        return Reaction::Ignored;
    text_.replace(start, end - start, insert);
    caret_ = anchor_ = start + insert.size();
    return Reaction::Changed;
}

// Without a selection one character at the caret goes.
Reaction EditLine::Erase(bool forward) {
    if (readOnly_)
        return Reaction::Ignored;
    if (!HasSelection() && forward && caret_ < text_.size())
        anchor_ = caret_ + 1;
    else if (!HasSelection() && !forward && caret_ > 0)
        anchor_ = caret_ - 1;
    return ReplaceSelection({});
}

Reaction EditLine::Copy() {
    if (!HasSelection())
        return Reaction::Ignored;
    CurrentWindowSystem().SetClipboardText(text_.substr(SelectionStart(), SelectionEnd() - SelectionStart()));
    return Reaction::Taken;
}

Reaction EditLine::Cut() {
    if (readOnly_)
        return Copy();
    if (!Copy())
        return Reaction::Ignored;
    return ReplaceSelection({});
}

// One line takes the clipboard's first line.
Reaction EditLine::Paste() {
    const std::string clip = CurrentWindowSystem().ClipboardText();
    return ReplaceSelection(std::string_view(clip).substr(0, clip.find_first_of("\r\n")));
}

Reaction EditLine::OnControlKey(unsigned key) {
    switch (key) {
    case 'A':
        SelectAll();
        return Reaction::Taken;
    case 'C':
        return Copy();
    case 'X':
        return Cut();
    case 'V':
        return Paste();
    default:
        return Reaction::Ignored;
    }
}

Reaction EditLine::OnKeyDown(unsigned key, unsigned flags) {
    if (flags & MK_CONTROL)
        return OnControlKey(key);
    const bool select = (flags & MK_SHIFT) != 0;
    switch (key) {
    case Key::kLeft:
        if (HasSelection() && !select)
            return MoveCaret(SelectionStart(), false);
        return MoveCaret(caret_ > 0 ? caret_ - 1 : 0, select);
    case Key::kRight:
        if (HasSelection() && !select)
            return MoveCaret(SelectionEnd(), false);
        return MoveCaret(std::min(caret_ + 1, text_.size()), select);
    case Key::kHome:
        return MoveCaret(0, select);
    case Key::kEnd:
        return MoveCaret(text_.size(), select);
    case Key::kDelete:
        return Erase(true);
    default:
        return Reaction::Ignored;
    }
}

Reaction EditLine::OnChar(unsigned character, unsigned /*flags*/) {
    if (character == Key::kBack)
        return Erase(false);
    if (character < kFirstPrintable || character == kDeleteCharacter || character > kLastCharacter)
        return Reaction::Ignored;
    const char typed = static_cast<char>(character);
    return ReplaceSelection(std::string_view(&typed, 1));
}

Reaction EditLine::OnLButtonDown(unsigned flags, Point p) {
    MoveCaret(PositionAt(p), (flags & MK_SHIFT) != 0);
    return Reaction::Taken;
}

Reaction EditLine::OnLButtonDblClk(unsigned /*flags*/, Point p) {
    size_t start = PositionAt(p), end = start;
    while (start > 0 && IsWordCharacter(text_[start - 1]))
        --start;
    while (end < text_.size() && IsWordCharacter(text_[end]))
        ++end;
    SetSelection(start, end);
    return Reaction::Taken;
}

Reaction EditLine::OnMouseMove(unsigned /*flags*/, Point p) { return MoveCaret(PositionAt(p), true); }

void EditLine::OnFocus(bool gained, bool byTab) {
    if (gained && byTab)
        SelectAll();
}

Rect EditLine::TextRect() const {
    Rect r = GetRect();
    r.Inflate(-kTextMargin, -1);
    return r;
}

int EditLine::ShownWidth(size_t from, size_t to) const { return ControlTextWidth(text_.substr(from, to - from)); }

// Left of the text the line scrolls back by one character, so a drag past
// its start keeps moving.
size_t EditLine::PositionAt(Point p) const {
    const int x = p.x - TextRect().left;
    if (x < 0)
        return firstShown_ > 0 ? firstShown_ - 1 : 0;
    size_t best = firstShown_;
    int bestDistance = x;
    for (size_t i = firstShown_ + 1; i <= text_.size(); ++i) {
        const int distance = std::abs(ShownWidth(firstShown_, i) - x);
        if (distance >= bestDistance)
            break;
        best = i;
        bestDistance = distance;
    }
    return best;
}

void EditLine::ScrollToCaret() {
    if (firstShown_ > caret_)
        firstShown_ = caret_;
    while (firstShown_ < caret_ && ShownWidth(firstShown_, caret_) >= TextRect().Width())
        ++firstShown_;
}

void EditLine::Draw(DeviceContext& dc) {
    PaintControlWell(dc, GetRect());
    SelectControlText(dc, IsEnabled());
    ScrollToCaret();
    const Rect area = TextRect();
    dc.SetClipRect(area);
    dc.DrawText(text_.substr(firstShown_), area, kLineFormat);
    if (!HasFocus())
        return;
    const size_t start = std::max(SelectionStart(), firstShown_), end = SelectionEnd();
    if (start < end) {
        const int left = area.left + ShownWidth(firstShown_, start);
        const int right = area.left + ShownWidth(firstShown_, end);
        dc.FillRect(Rect{left, area.top + 1, right, area.bottom - 1}, kSelectionFill);
        dc.SetTextColour(kSelectionText);
        dc.DrawText(text_.substr(start, end - start), Rect{left, area.top, area.right, area.bottom}, kLineFormat);
    }
    const int caretX = area.left + ShownWidth(firstShown_, caret_);
    dc.FillRect(Rect{caretX, area.top + 1, caretX + 1, area.bottom - 1}, kBlack);
}
