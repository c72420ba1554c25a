#pragma once

#include <initializer_list>
#include <vector>

#include "ui/Control.h"

// What a control set did with one input: the control that took it and its
// reaction; false when no control took it, so the dialog handles it.
struct ControlEvent {
    Control* control = nullptr;
    Reaction reaction;

    explicit operator bool() const { return static_cast<bool>(reaction); }
    bool Is(const Control& c, Reaction::Kind kind) const { return control == &c && reaction.kind == kind; }
};

// The standard controls of one dialog in their tab order. The dialog adds
// its controls once, forwards its mouse, key and character messages and
// paints the set after its own picture; a true event asks for a repaint.
//
// Tab and Shift+Tab move the focus through the visible, enabled controls
// that take it, wrapping at the ends. A click goes to the control under it
// (which takes the focus) and the moves and release that follow go to the
// same control. Keys and characters go to the focused control, the wheel to
// the control under the mouse. While a control is open (a dropped list) it
// lies above the others; a click anywhere else only closes it.
class ControlSet {
public:
    ControlSet() = default;
    ~ControlSet();
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    void Add(Control& control);
    void Add(std::initializer_list<Control*> controls);
    void Remove(Control& control);

    // Focuses the first control that takes the focus, as a dialog opens.
    void FocusFirst();
    // Null takes the focus away from every control.
    void SetFocus(Control* control);
    Control* Focused() const { return focus_; }

    ControlEvent OnLButtonDown(unsigned flags, Point p);
    ControlEvent OnLButtonDblClk(unsigned flags, Point p);
    ControlEvent OnLButtonUp(unsigned flags, Point p);
    ControlEvent OnMouseMove(unsigned flags, Point p);
    // The point in client co-ordinates (the window hands the wheel's in screen ones).
    ControlEvent OnMouseWheel(unsigned flags, int delta, Point p);
    ControlEvent OnKeyDown(unsigned key, unsigned flags);
    ControlEvent OnChar(unsigned character, unsigned flags);

    void Paint(DeviceContext& dc);

private:
    enum class Press { Single, Double };

    ControlEvent Click(unsigned flags, Point p, Press press);
    ControlEvent MoveFocus(bool backwards);
    Control* ControlAt(Point p) const;
    Control* OpenControl() const;
    void ChangeFocus(Control* control, bool byTab);

    std::vector<Control*> controls_;
    Control* focus_ = nullptr;
    Control* capture_ = nullptr;
};
