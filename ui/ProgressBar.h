#pragma once

#include "ui/Control.h"

// A bar that fills from the left as its position goes from the lower end of
// its range to the upper. It takes no input.
class ProgressBar : public Control {
public:
    // An empty or reversed range shows an empty bar.
    void SetRange(int lower, int upper);
    // Kept within the range.
    void SetPosition(int position);
    int Position() const { return position_; }
    // Where the filled part ends.
    Rect FilledRect() const;

    bool TakesFocus() const override { return false; }
    bool HitTest(Point) const override { return false; }

protected:
    void Draw(DeviceContext& dc) override;

private:
    Rect Inside() const;

    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
};
