#pragma once

#include <string>

#include "ui/Pressable.h"

// A check box: a small box at the left, ticked or not, and its label beside
// it. A press turns the tick over (Changed).
class CheckBox : public Pressable {
public:
    void SetText(std::string text) { text_ = std::move(text); }
    const std::string& GetText() const { return text_; }
    void SetChecked(bool checked) { checked_ = checked; }
    bool IsChecked() const { return checked_; }

protected:
    Reaction Act() override;
    void Draw(DeviceContext& dc) override;

private:
    Rect BoxRect() const;

    std::string text_;
    bool checked_ = false;
};
