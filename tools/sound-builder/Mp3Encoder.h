#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// Turns wave files into MP3 files with the `lame` program, each in a
// process of its own, so the titles are encoded side by side.
class Mp3Encoder {
public:
    explicit Mp3Encoder(std::string lame) : lame_(std::move(lame)) {}
    ~Mp3Encoder();
    Mp3Encoder(const Mp3Encoder&) = delete;
    Mp3Encoder& operator=(const Mp3Encoder&) = delete;

    // False with a message when lame cannot be started.
    bool Start(const std::filesystem::path& wave, const std::filesystem::path& mp3, std::string* error);
    // Waits for every encoding started; false with a message naming the
    // first that failed.
    bool Finish(std::string* error);

private:
    struct Job {
        pid_t process;
        std::filesystem::path mp3;
    };

    std::string lame_;
    std::vector<Job> jobs_;
};
