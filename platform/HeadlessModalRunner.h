#pragma once

#include <deque>
#include <vector>

#include "platform/ModalRunner.h"

// Runs dialogs without a window: every box is recorded, and each modal run
// takes the next answer of the script, or the default answer when the
// script is empty. Tests and tools script it; the default is OK.
class HeadlessModalRunner : public ModalRunner {
public:
    bool Run(ModalDialog& dialog) override;
    void ShowModeless(ModalDialog& dialog) override;
    void RefreshModeless(ModalDialog&) override {}
    void CloseModeless(ModalDialog&) override {}

    void Script(ModalAnswer answer) { script_.push_back(std::move(answer)); }
    void SetDefaultAnswer(ModalAnswer answer) { defaultAnswer_ = std::move(answer); }
    size_t ScriptLeft() const { return script_.size(); }

    const std::vector<ModalRecord>& Records() const { return records_; }
    void ClearRecords() { records_.clear(); }

private:
    std::deque<ModalAnswer> script_;
    ModalAnswer defaultAnswer_;
    std::vector<ModalRecord> records_;
};
