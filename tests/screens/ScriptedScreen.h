#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/HeadlessWindowSystem.h"

// A headless screen whose nested loop asks the test for its next input when
// the queue runs dry, so each step clicks where the dialog's last paint put
// its areas. The steps run out into an empty queue, which ends the loop.
class ScriptedScreen : public HeadlessWindowSystem {
public:
    std::vector<std::function<void()>> steps;
    std::deque<InputEvent> pending;

protected:
    bool PumpEvents(std::optional<uint64_t> timeoutMs) override {
        while (pending.empty() && next_ < steps.size())
            steps[next_++]();
        if (!pending.empty()) {
            QueueInput(pending.front());
            pending.pop_front();
        }
        return HeadlessWindowSystem::PumpEvents(timeoutMs);
    }

private:
    size_t next_ = 0;
};
