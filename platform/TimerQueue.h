#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class Window;

// The window timers of one main loop. Each timer is a window and an id with
// an interval; it falls due every interval. A loop that fell behind does not
// fire a timer again for every interval it missed: the next one comes a
// whole interval after the late one.
class TimerQueue {
public:
    struct Due {
        Window* window;
        unsigned id;
    };

    void Set(Window& window, unsigned id, unsigned intervalMs, uint64_t now);
    void Kill(Window& window, unsigned id);
    void KillAll(Window& window);
    // The time the earliest timer falls due, if any is set.
    std::optional<uint64_t> NextDue() const;
    // Takes the earliest timer that is due at `now` (ties in the order they
    // were set) and schedules it again; nothing when none is due.
    std::optional<Due> PopDue(uint64_t now);
    bool Empty() const { return timers_.empty(); }

private:
    struct Timer {
        Window* window;
        unsigned id;
        uint64_t interval;
        uint64_t due;
        uint64_t order;
    };

    std::vector<Timer> timers_;
    uint64_t nextOrder_ = 0;
};
