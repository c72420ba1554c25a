#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "ui/Control.h"
#include "ui/ControlLook.h"

// The edit control of our painted dialogs: one line of text in a thin black
// frame on the control fill, scrolled sideways to keep the caret in sight.
// Arrows, Home and End move the caret, with Shift they select; the mouse
// places the caret, a drag selects and a double click takes a word. Ctrl+C,
// Ctrl+X and Ctrl+V go through the clipboard, Ctrl+A selects everything.
// Typing and pasting stop at the length limit; a read-only line selects and
// copies but changes nothing. The selection and the caret show only while
// the line has the focus.
class EditLine : public Control {
public:
    static constexpr size_t kNoLimit = 0;

    // Puts the caret after the new text, without a selection; the program's
    // text is kept whole even beyond the limit.
    void SetText(std::string text);
    const std::string& GetText() const { return text_; }
    size_t Caret() const { return caret_; }
    // The selection runs from its start up to, not including, its end.
    size_t SelectionStart() const { return std::min(anchor_, caret_); }
    size_t SelectionEnd() const { return std::max(anchor_, caret_); }
    bool HasSelection() const { return anchor_ != caret_; }
    // From the anchor to the caret, both cut to the text.
    void SetSelection(size_t anchor, size_t caret);
    void SelectAll() { SetSelection(0, text_.size()); }

    void SetLimit(size_t characters) { limit_ = characters; }
    size_t Limit() const { return limit_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool IsReadOnly() const { return readOnly_; }

    // A dialog that holds the line alone may hand on the key without flags.
    Reaction OnKeyDown(unsigned key, unsigned flags = 0) override;
    Reaction OnChar(unsigned character, unsigned flags = 0) override;
    Reaction OnLButtonDown(unsigned flags, Point p) override;
    Reaction OnLButtonDblClk(unsigned flags, Point p) override;
    Reaction OnMouseMove(unsigned flags, Point p) override;
    // Tab selects the whole text, as a dialog's Tab does.
    void OnFocus(bool gained, bool byTab) override;

protected:
    void Draw(DeviceContext& dc) override;

private:
    Rect TextRect() const;
    // The caret position nearest to a point, as the last paint scrolled the line.
    size_t PositionAt(Point p) const;
    int ShownWidth(size_t from, size_t to) const;
    void ScrollToCaret();
    Reaction MoveCaret(size_t to, bool select);
    Reaction ReplaceSelection(std::string_view insert);
    Reaction Erase(bool forward);
    Reaction Copy();
    Reaction Cut();
    Reaction Paste();
    Reaction OnControlKey(unsigned key);

    std::string text_;
    size_t caret_ = 0;
    size_t anchor_ = 0;      // the other end of the selection
    size_t firstShown_ = 0;  // the first character in sight
    size_t limit_ = kNoLimit;
    bool readOnly_ = false;
};
