#pragma once

#include <deque>
#include <string>

#include "platform/HeadlessSound.h"
#include "platform/WindowSystem.h"

// The window system without a display, for tests, benchmarks and tools.
// Its clock stands still until the caller moves it: AdvanceTime fires the
// timers that fall due on the way, in order. Input is handed in at once
// with Deliver, or queued for a nested loop to take in its next round.
class HeadlessWindowSystem : public WindowSystem {
public:
    static constexpr Rect kDefaultScreen{0, 0, 1024, 768};

    explicit HeadlessWindowSystem(Rect screen = kDefaultScreen) : screen_(screen) {}

    void AdvanceTime(uint64_t ms);
    void QueueInput(const InputEvent& event) { queued_.push_back(event); }

    Rect ScreenRect() const override { return screen_; }
    uint64_t Now() const override { return now_; }
    HeadlessSound& Sound() override { return sound_; }
    std::string ClipboardText() const override { return clipboard_; }
    void SetClipboardText(const std::string& cp1252) override { clipboard_ = cp1252; }
    int PresentCount() const { return presents_; }

protected:
    // Takes the queued input first; with none, jumps to the next timer.
    bool PumpEvents(std::optional<uint64_t> timeoutMs) override;
    void Present(const std::vector<Window*>&) override { ++presents_; }

private:
    Rect screen_;
    uint64_t now_ = 0;
    std::deque<InputEvent> queued_;
    HeadlessSound sound_;
    std::string clipboard_;  // kept in memory for this system alone
    int presents_ = 0;
};
