#pragma once

#include <cstddef>
#include <deque>
#include <filesystem>
#include <future>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"

// Writes pictures as PNG files on threads of their own, as many at a time
// as the machine has cores, while the caller goes on: packing the pictures
// takes longer than taking them.
class PictureWriter {
public:
    PictureWriter();
    ~PictureWriter() { Finish(); }
    PictureWriter(const PictureWriter&) = delete;
    PictureWriter& operator=(const PictureWriter&) = delete;

    // Writes `picture` into `file`, creating its folder; `id` names it in
    // Finish's answer.
    void Write(Bitmap picture, std::filesystem::path file, size_t id);
    // Waits for every picture; the ids of those that could not be written.
    std::vector<size_t> Finish();

private:
    void WaitForOldest();

    size_t parallel_;
    std::deque<std::pair<size_t, std::future<bool>>> pending_;
    std::vector<size_t> failed_;
};
