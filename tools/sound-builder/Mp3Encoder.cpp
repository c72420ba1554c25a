#include "tools/sound-builder/Mp3Encoder.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace {

// Fixed bit rate and a quick quality setting: synthesized tunes need no
// more, and the build stays fast.
constexpr const char* kBitRate = "96";
constexpr const char* kQuality = "7";

int WaitFor(pid_t process) {
    int status = 0;
    while (waitpid(process, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

Mp3Encoder::~Mp3Encoder() {
    for (const Job& job : jobs_)
        WaitFor(job.process);
}

bool Mp3Encoder::Start(const std::filesystem::path& wave, const std::filesystem::path& mp3, std::string* error) {
    std::string in = wave.string(), out = mp3.string();
    std::string quiet = "--quiet", bitRateFlag = "-b", bitRate = kBitRate, qualityFlag = "-q", quality = kQuality;
    char* argv[] = {lame_.data(), quiet.data(), bitRateFlag.data(), bitRate.data(), qualityFlag.data(),
                    quality.data(), in.data(), out.data(), nullptr};
    pid_t process = 0;
    const int failed = posix_spawn(&process, lame_.c_str(), nullptr, nullptr, argv, environ);
    if (failed != 0) {
        *error = "cannot start " + lame_ + ": " + std::strerror(failed);
        return false;
    }
    jobs_.push_back({process, mp3});
    return true;
}

bool Mp3Encoder::Finish(std::string* error) {
    bool good = true;
    for (const Job& job : jobs_) {
        const int code = WaitFor(job.process);
        if (code != 0 && good) {
            *error = lame_ + " could not encode " + job.mp3.string() + " (exit " + std::to_string(code) + ")";
            good = false;
        }
    }
    jobs_.clear();
    return good;
}
