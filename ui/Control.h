#pragma once

#include <cstdint>

#include "platform/DeviceContext.h"
#include "platform/Geometry.h"

class ControlSet;

// What an input did to a control; true when the control took it, which
// means it wants painting. A dialog acts on the kinds it cares about.
struct Reaction {
    enum Kind : uint8_t {
        Ignored,        // not taken: the dialog may handle the input itself
        Taken,          // taken; only the control's look changed
        Changed,        // its value changed: text, selection, check, position or date
        Clicked,        // a push button was pressed
        DoubleClicked,  // a row of a list was double-clicked
    };

    Reaction(Kind k = Ignored) : kind(k) {}  // NOLINT: a kind is a reaction
    explicit operator bool() const { return kind != Ignored; }
    bool operator==(const Reaction&) const = default;

    Kind kind;
};

// One standard control of a painted dialog: it lays itself out from its
// rectangle (in the dialog's client pixels), paints itself on the control
// fill and takes the input its dialog hands on. Mouse points are client
// points, flags the MK_ bits that came with the message (Shift and Ctrl for
// keys too). A hidden or disabled control takes no input.
//
// Controls are members of their dialog; a ControlSet gives them the
// keyboard focus in turn. A control outside a set counts as focused: it has
// its dialog's keys to itself.
class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void SetRect(const Rect& r) { rect_ = r; }
    // For a dialog that places its controls in dialog units.
    void SetRectInDialogUnits(const Rect& units);
    const Rect& GetRect() const { return rect_; }
    void Show(bool show);
    bool IsVisible() const { return visible_; }
    void Enable(bool enable);
    bool IsEnabled() const { return enabled_; }
    bool TakesInput() const { return visible_ && enabled_; }

    bool HasFocus() const;
    // Asks the control's set for the keyboard focus.
    void Focus();
    // Whether a click or Tab gives it the focus: false for labels and bars.
    virtual bool TakesFocus() const { return true; }

    // The area that takes its clicks; an open drop list reaches below the rectangle.
    virtual bool HitTest(Point p) const { return rect_.Contains(p); }
    // A part laid over other controls (a dropped list) is open.
    virtual bool IsOpen() const { return false; }
    virtual void Close() {}

    virtual Reaction OnLButtonDown(unsigned /*flags*/, Point) { return Reaction::Ignored; }
    // The second press of a double click; a plain press unless a control knows better.
    virtual Reaction OnLButtonDblClk(unsigned flags, Point p) { return OnLButtonDown(flags, p); }
    virtual Reaction OnLButtonUp(unsigned /*flags*/, Point) { return Reaction::Ignored; }
    // Only while the button that went down on it is held.
    virtual Reaction OnMouseMove(unsigned /*flags*/, Point) { return Reaction::Ignored; }
    virtual Reaction OnMouseWheel(unsigned /*flags*/, int /*delta*/, Point) { return Reaction::Ignored; }
    virtual Reaction OnKeyDown(unsigned /*key*/, unsigned /*flags*/) { return Reaction::Ignored; }
    virtual Reaction OnChar(unsigned /*character*/, unsigned /*flags*/) { return Reaction::Ignored; }

    // The focus came or went; Tab brought it when byTab is set.
    virtual void OnFocus(bool /*gained*/, bool /*byTab*/) {}

    // Draws the control when it is shown; the device context's tools,
    // colours, modes and clip come back as they were.
    void Paint(DeviceContext& dc);

protected:
    virtual void Draw(DeviceContext& dc) = 0;

private:
    friend class ControlSet;

    Rect rect_;
    bool visible_ = true;
    bool enabled_ = true;
    ControlSet* set_ = nullptr;
};
