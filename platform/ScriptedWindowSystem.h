#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/HeadlessWindowSystem.h"

// A headless screen that drives a modal dialog step by step, as tests and
// tools click through one: when its nested loop finds no input left, it
// runs the next step of the script, which queues input or looks at the
// dialog. Input goes in one event a round, so the dialog has painted what
// the input before changed when a step looks. When the steps and the input
// run out, the loop ends.
class ScriptedWindowSystem : public HeadlessWindowSystem {
public:
    using HeadlessWindowSystem::HeadlessWindowSystem;

    void AddStep(std::function<void()> step) { steps_.push_back(std::move(step)); }
    void Queue(const InputEvent& event) { pending_.push_back(event); }

protected:
    bool PumpEvents(std::optional<uint64_t> timeoutMs) override;

private:
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    std::deque<InputEvent> pending_;
};
