#pragma once

#include "ui/Control.h"

class EditLine;

// An up-down pair of arrow buttons bound to a range of whole numbers: the
// up arrow (the right one when the pair lies sideways) moves the position
// one step toward the upper end, the other toward the lower end. The upper
// end may be the smaller number, which turns the arrows round. At an end the
// position stops, or wraps round to the other end when asked. A buddy edit
// line shows the position. It takes no focus; only clicks move it.
class Spin : public Control {
public:
    enum class Orientation { Vertical, Horizontal };

    void SetOrientation(Orientation orientation) { orientation_ = orientation; }
    // The position is brought into the new range.
    void SetRange(int lower, int upper);
    void SetPosition(int position);
    int Position() const { return position_; }
    void SetWrap(bool wrap) { wrap_ = wrap; }
    // Null for none; the buddy shows the position from now on.
    void SetBuddy(EditLine* buddy);

    // The up (or right) and the down (or left) arrow.
    Rect UpRect() const;
    Rect DownRect() const;

    bool TakesFocus() const override { return false; }
    Reaction OnLButtonDown(unsigned flags, Point p) override;
    Reaction OnLButtonUp(unsigned flags, Point p) override;

protected:
    void Draw(DeviceContext& dc) override;

private:
    enum class Arrow { None, Up, Down };

    bool StepTowardUpper(bool up);
    void ShowInBuddy();

    Orientation orientation_ = Orientation::Vertical;
    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
    bool wrap_ = false;
    EditLine* buddy_ = nullptr;
    Arrow pressed_ = Arrow::None;
};
