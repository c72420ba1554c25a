#pragma once

#include "ui/Control.h"

// A control that acts as a button does: the press shows while the mouse is
// held on it, and it acts when the button comes up over it, or at once on
// Space while it has the focus.
class Pressable : public Control {
public:
    bool IsPressed() const { return pressed_; }

    Reaction OnLButtonDown(unsigned flags, Point p) override;
    Reaction OnMouseMove(unsigned flags, Point p) override;
    Reaction OnLButtonUp(unsigned flags, Point p) override;
    Reaction OnKeyDown(unsigned key, unsigned flags) override;
    void OnFocus(bool gained, bool byTab) override;

protected:
    virtual Reaction Act() = 0;

private:
    bool held_ = false;     // the mouse went down on it and is not up yet
    bool pressed_ = false;  // held and over it
};
