#include "platform/HeadlessWindowSystem.h"

void HeadlessWindowSystem::AdvanceTime(uint64_t ms) {
    uint64_t end = now_ + ms;
    for (auto due = NextTimerDue(); due && *due <= end; due = NextTimerDue()) {
        now_ = std::max(now_, *due);
        FireDueTimers();
    }
    now_ = end;
}

bool HeadlessWindowSystem::PumpEvents(std::optional<uint64_t> timeoutMs) {
    if (!queued_.empty()) {
        InputEvent event = queued_.front();
        queued_.pop_front();
        Deliver(event);
        return true;
    }
    if (!timeoutMs)
        return false;
    now_ += *timeoutMs;
    return true;
}
