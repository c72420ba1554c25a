#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace {

// Closes the descriptor when the read ends, however it ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// What the reader takes in at a time of a file that grew after it was
// measured.
constexpr size_t kTailChunkBytes = 4096;

// Reads up to `count` bytes, fewer only at the file's end; none on an error.
std::optional<size_t> ReadUpTo(int fd, uint8_t* dst, size_t count) {
    size_t filled = 0;
    while (filled < count) {
        const ssize_t n = ::read(fd, dst + filled, count - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        filled += static_cast<size_t>(n);
    }
    return filled;
}

}  // namespace

// The bytes go into a buffer of the file's size in one read, not one that
// grows and is copied on the way: the skin's pictures alone are megabytes.
// Only plain files are read; opening without waiting keeps a pipe that
// slipped in from holding the start-up until a writer comes.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& file) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(info.st_size));
    std::optional<size_t> n = ReadUpTo(fd.Get(), bytes.data(), bytes.size());
    if (!n)
        return std::nullopt;
    bytes.resize(*n);
    std::array<uint8_t, kTailChunkBytes> tail;
    while ((n = ReadUpTo(fd.Get(), tail.data(), tail.size())) && *n > 0)
        bytes.insert(bytes.end(), tail.begin(), tail.begin() + static_cast<std::ptrdiff_t>(*n));
    if (!n)
        return std::nullopt;
    return bytes;
}
