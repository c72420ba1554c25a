#pragma once

#include <string>

#include "platform/ModalRunner.h"

// The system's own message box with the program's name as its title and an
// OK button: for what must be said before the skin that paints the game's
// boxes is loaded.
class PlainMessageBox : public ModalDialog {
public:
    static constexpr const char* kProgramTitle = "Corvanta";

    explicit PlainMessageBox(std::string text) : text_(std::move(text)) {}

    void Open() { CurrentModalRunner().Run(*this); }

    ModalRecord Describe() const override { return {"plain message", kProgramTitle, text_, 0, 0, {}, "", false}; }
    void Accept(const ModalAnswer&) override {}

private:
    std::string text_;
};
