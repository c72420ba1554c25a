#pragma once

#include <string>

#include "ui/Pressable.h"

// A push button with its caption centred; a press ends in Clicked.
class PushButton : public Pressable {
public:
    void SetText(std::string text) { text_ = std::move(text); }
    const std::string& GetText() const { return text_; }

protected:
    Reaction Act() override { return Reaction::Clicked; }
    void Draw(DeviceContext& dc) override;

private:
    std::string text_;
};
