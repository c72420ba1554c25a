#include "platform/ScriptedWindowSystem.h"

bool ScriptedWindowSystem::PumpEvents(std::optional<uint64_t> timeoutMs) {
    while (pending_.empty() && next_ < steps_.size())
        steps_[next_++]();
    if (!pending_.empty()) {
        QueueInput(pending_.front());
        pending_.pop_front();
    }
    return HeadlessWindowSystem::PumpEvents(timeoutMs);
}
