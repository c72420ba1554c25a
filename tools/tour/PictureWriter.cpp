#include "tools/tour/PictureWriter.h"

#include <algorithm>
#include <system_error>
#include <thread>

PictureWriter::PictureWriter() : parallel_(std::max(1u, std::thread::hardware_concurrency())) {}

void PictureWriter::Write(Bitmap picture, std::filesystem::path file, size_t id) {
    if (pending_.size() >= parallel_)
        WaitForOldest();
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    pending_.emplace_back(id, std::async(std::launch::async, [picture = std::move(picture), file = std::move(file)] {
                              return picture.SavePng(file);
                          }));
}

std::vector<size_t> PictureWriter::Finish() {
    while (!pending_.empty())
        WaitForOldest();
    return std::exchange(failed_, {});
}

void PictureWriter::WaitForOldest() {
    auto& [id, written] = pending_.front();
    if (!written.get())
        failed_.push_back(id);
    pending_.pop_front();
}
