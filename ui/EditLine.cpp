#include "ui/EditLine.h"

#include "platform/Input.h"
#include "ui/DialogUnits.h"
#include "ui/KeepTools.h"

namespace {

constexpr int kTextMargin = 2;
constexpr unsigned kFirstPrintable = 32;
constexpr unsigned kDeleteCharacter = 127;
constexpr unsigned kLastCharacter = 255;

Font DialogFont() { return Font::Point(DialogUnits::kFontFace, DialogUnits::kFontTenthsOfPoint); }

}  // namespace

void EditLine::SetText(std::string text) {
    text_ = std::move(text);
    caret_ = text_.size();
    firstShown_ = 0;
}

bool EditLine::OnKeyDown(unsigned key) {
    const size_t before = caret_;
    switch (key) {
    case Key::kLeft:
        if (caret_ > 0)
            --caret_;
        break;
    case Key::kRight:
        if (caret_ < text_.size())
            ++caret_;
        break;
    case Key::kHome:
        caret_ = 0;
        break;
    case Key::kEnd:
        caret_ = text_.size();
        break;
    case Key::kDelete:
        if (caret_ >= text_.size())
            return false;
        text_.erase(caret_, 1);
        return true;
    default:
        return false;
    }
    return caret_ != before;
}

bool EditLine::OnChar(unsigned character) {
    if (character == Key::kBack) {
        if (caret_ == 0)
            return false;
        text_.erase(--caret_, 1);
        return true;
    }
    if (character < kFirstPrintable || character == kDeleteCharacter || character > kLastCharacter)
        return false;
    text_.insert(caret_++, 1, static_cast<char>(character));
    return true;
}

Rect EditLine::TextRect() const {
    Rect r = rect_;
    r.Inflate(-kTextMargin, -1);
    return r;
}

void EditLine::Paint(DeviceContext& dc) {
    if (!visible_)
        return;
    KeepTools keep(dc);
    dc.FillRect(rect_, kControlFill);
    dc.FrameRect(rect_, Brush::Solid(kBlack));
    dc.SelectFont(DialogFont());
    const Rect area = TextRect();
    // Scroll so that the caret stays inside the line.
    if (firstShown_ > caret_)
        firstShown_ = caret_;
    while (firstShown_ < caret_ &&
           dc.MeasureText(text_.substr(firstShown_, caret_ - firstShown_)).x >= area.Width())
        ++firstShown_;
    const int saved = dc.Save();
    dc.SetClipRect(area);
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(kBlack);
    dc.DrawText(text_.substr(firstShown_), area, TextLeft | TextVCenter | TextSingleLine);
    const int caretX = area.left + dc.MeasureText(text_.substr(firstShown_, caret_ - firstShown_)).x;
    dc.FillRect(Rect{caretX, area.top + 1, caretX + 1, area.bottom - 1}, kBlack);
    dc.Restore(saved);
}
