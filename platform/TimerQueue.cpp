#include "platform/TimerQueue.h"

#include <algorithm>

namespace {
// A zero interval would fire without end inside one step.
constexpr uint64_t kMinIntervalMs = 1;
}  // namespace

void TimerQueue::Set(Window& window, unsigned id, unsigned intervalMs, uint64_t now) {
    Kill(window, id);
    uint64_t interval = std::max<uint64_t>(intervalMs, kMinIntervalMs);
    timers_.push_back({&window, id, interval, now + interval, nextOrder_++});
}

void TimerQueue::Kill(Window& window, unsigned id) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == &window && t.id == id; });
}

void TimerQueue::KillAll(Window& window) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == &window; });
}

std::optional<uint64_t> TimerQueue::NextDue() const {
    if (timers_.empty())
        return std::nullopt;
    auto earliest = std::min_element(timers_.begin(), timers_.end(),
                                     [](const Timer& a, const Timer& b) { return a.due < b.due; });
    return earliest->due;
}

std::optional<TimerQueue::Due> TimerQueue::PopDue(uint64_t now) {
    auto first = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->due > now)
            continue;
        if (first == timers_.end() || it->due < first->due || (it->due == first->due && it->order < first->order))
            first = it;
    }
    if (first == timers_.end())
        return std::nullopt;
    Due due{first->window, first->id};
    uint64_t next = first->due + first->interval;
    first->due = next > now ? next : now + first->interval;
    first->order = nextOrder_++;
    return due;
}
