#include "app/StartupProbe.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/WindowSystem.h"

namespace {

constexpr unsigned kTimerId = 1;
// The start time is the 22nd field of the stat line; the fields after the
// command's name, which is in parentheses and may hold anything, begin
// with the 3rd.
constexpr int kStartTimeField = 22;
constexpr int kFirstFieldAfterName = 3;
constexpr std::string_view kPeakResidentKey = "VmHWM:";

std::string ReadProcFile(const char* path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::optional<uint64_t> NumberAt(std::string_view text, size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    uint64_t value = 0;
    const char* end = text.data() + text.size();
    auto [next, ec] = std::from_chars(text.data() + at, end, value);
    if (ec != std::errc() || (next != end && *next != ' ' && *next != '\n'))
        return std::nullopt;
    return value;
}

// Milliseconds from the process's start until now, on the boot clock the
// kernel counts the start by.
std::optional<double> MsSinceProcessStart() {
    const std::optional<uint64_t> startTicks = ProcessStartTicks(ReadProcFile("/proc/self/stat"));
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!startTicks || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::nullopt;
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - static_cast<double>(*startTicks) * 1000.0 / static_cast<double>(ticksPerSecond);
}

}  // namespace

std::optional<uint64_t> ProcessStartTicks(std::string_view stat) {
    const size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string_view::npos)
        return std::nullopt;
    size_t at = nameEnd + 1;
    for (int field = kFirstFieldAfterName; field <= kStartTimeField; ++field) {
        if (at >= stat.size() || stat[at] != ' ')
            return std::nullopt;
        ++at;
        if (field == kStartTimeField)
            return NumberAt(stat, at);
        at = stat.find(' ', at);
    }
    return std::nullopt;
}

std::optional<uint64_t> PeakResidentKib(std::string_view status) {
    for (size_t at = 0; at < status.size();) {
        size_t end = status.find('\n', at);
        if (end == std::string_view::npos)
            end = status.size();
        const std::string_view line = status.substr(at, end - at);
        if (line.starts_with(kPeakResidentKey) && line.ends_with(" kB"))
            return NumberAt(line.substr(0, line.size() - 3), kPeakResidentKey.size());
        at = end + 1;
    }
    return std::nullopt;
}

StartupProbe::StartupProbe(After after) : after_(after) { SetTimer(kTimerId, 0); }

void StartupProbe::OnTimer(unsigned id) {
    KillTimer(id);
    const std::optional<double> ms = MsSinceProcessStart();
    const std::optional<uint64_t> kib = PeakResidentKib(ReadProcFile("/proc/self/status"));
    const std::string time = ms ? std::to_string(static_cast<long>(*ms + 0.5)) + " ms" : "unknown";
    const std::string peak = kib ? std::to_string(*kib / 1024) + " MiB" : "unknown";
    std::fprintf(stderr, "corvanta: startup probe: first frame %s after process start, peak RSS %s\n", time.c_str(),
                 peak.c_str());
    if (after_ == After::Quit)
        CurrentWindowSystem().Quit(0);
}
