#include "platform/WholeFile.h"

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* fp) const { std::fclose(fp); }
};

constexpr size_t kChunkBytes = 64 * 1024;

}  // namespace

// Only plain files are opened: opening a pipe waits for its writer. The C
// library's file reports a failed read (a folder that slipped in) as an
// error, where a file stream would throw.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    const std::unique_ptr<std::FILE, FileCloser> fp(std::fopen(file.c_str(), "rb"));
    if (!fp)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    std::vector<uint8_t> chunk(kChunkBytes);
    size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), fp.get())) > 0)
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n));
    if (std::ferror(fp.get()))
        return std::nullopt;
    return bytes;
}
