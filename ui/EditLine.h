#pragma once

#include <cstddef>
#include <string>

#include "platform/DeviceContext.h"

// Fill of the standard controls that lie on our painted dialogs.
constexpr Colour kControlFill = 0xC3AA96;

// A one-line text entry painted by the dialog that holds it: a thin black
// frame on the control fill, the text in the dialog font, a caret, and
// automatic horizontal scrolling that keeps the caret in sight. It takes the
// keys and characters its dialog hands on while it is shown.
class EditLine {
public:
    void SetRect(const Rect& r) { rect_ = r; }
    const Rect& GetRect() const { return rect_; }
    void Show(bool show) { visible_ = show; }
    bool IsVisible() const { return visible_; }

    // Puts the caret after the new text.
    void SetText(std::string text);
    const std::string& GetText() const { return text_; }
    size_t Caret() const { return caret_; }

    // Both give true when the line changed and wants painting.
    bool OnKeyDown(unsigned key);
    bool OnChar(unsigned character);

    void Paint(DeviceContext& dc);

private:
    Rect TextRect() const;

    Rect rect_;
    bool visible_ = false;
    std::string text_;
    size_t caret_ = 0;
    size_t firstShown_ = 0;  // the first character in sight
};
