#pragma once

#include <string>

#include "ui/Control.h"

// A label: its text on the control fill, word-wrapped from the top, each
// line to the left, centred or to the right. It never takes the focus or a
// click.
class StaticText : public Control {
public:
    enum class Align { Left, Centre, Right };

    void SetText(std::string text) { text_ = std::move(text); }
    const std::string& GetText() const { return text_; }
    void SetAlign(Align align) { align_ = align; }

    bool TakesFocus() const override { return false; }
    bool HitTest(Point) const override { return false; }

protected:
    void Draw(DeviceContext& dc) override;

private:
    std::string text_;
    Align align_ = Align::Left;
};
