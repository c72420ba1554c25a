#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Window.h"

// The start-up's figures, printed to stderr when the program is asked for
// them ("--startup-probe"): the time from the process's start to the first
// picture of the main window shown, and the peak resident memory so far.
// It fires on a timer of no delay, which the main loop's first round
// reaches only after it has shown its first picture.
class StartupProbe : public Window {
public:
    enum class After { GoOn, Quit };

    explicit StartupProbe(After after);
    void OnTimer(unsigned id) override;

private:
    After after_;
};

// The process's start in clock ticks after boot, from the text of
// /proc/<pid>/stat; none when the text is not of that form.
std::optional<uint64_t> ProcessStartTicks(std::string_view stat);
// The peak resident memory in KiB (VmHWM), from the text of
// /proc/<pid>/status; none when the line is missing.
std::optional<uint64_t> PeakResidentKib(std::string_view status);
