#include "platform/BinaryFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/Path.h"
#include "platform/WholeFile.h"

namespace {

template <typename U>
bool ReadLE(BinaryFile& f, U& out) {
    uint8_t b[sizeof(U)];
    if (!f.ReadBytes(b, sizeof(U)))
        return false;
    U v = 0;
    for (size_t i = 0; i < sizeof(U); ++i)
        v |= static_cast<U>(static_cast<U>(b[i]) << (8 * i));
    out = v;
    return true;
}

template <typename U>
bool WriteLE(BinaryFile& f, U v) {
    uint8_t b[sizeof(U)];
    for (size_t i = 0; i < sizeof(U); ++i)
        b[i] = static_cast<uint8_t>(v >> (8 * i));
    return f.WriteBytes(b, sizeof(U));
}

// The rename itself is kept only once the folder's entry is on disk; a
// folder that cannot be synced still holds the new file, so this is no
// failure of the write.
void SyncFolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Copies up to count bytes of a file held in memory from its read position
// on, and moves the position past them.
size_t TakeBytes(const std::vector<uint8_t>& bytes, size_t& pos, void* dst, size_t count) {
    const size_t n = std::min(count, bytes.size() - pos);
    // An empty read may come with null pointers, which memcpy must not see.
    if (n == 0)
        return 0;
    std::memcpy(dst, bytes.data() + pos, n);
    pos += n;
    return n;
}

}  // namespace

bool BinaryFile::ReadBytes(void* dst, size_t count) {
    if (failed_)
        return false;
    if (DoRead(dst, count) != count)
        failed_ = true;
    return !failed_;
}

bool BinaryFile::WriteBytes(const void* src, size_t count) {
    if (failed_)
        return false;
    if (DoWrite(src, count) != count)
        failed_ = true;
    return !failed_;
}

bool BinaryFile::Read(uint8_t& v) { return ReadBytes(&v, 1); }
bool BinaryFile::Read(int8_t& v) { return ReadBytes(&v, 1); }
bool BinaryFile::Read(uint16_t& v) { return ReadLE(*this, v); }
bool BinaryFile::Read(uint32_t& v) { return ReadLE(*this, v); }

bool BinaryFile::Read(int16_t& v) {
    uint16_t u;
    if (!ReadLE(*this, u))
        return false;
    v = static_cast<int16_t>(u);
    return true;
}

bool BinaryFile::Read(int32_t& v) {
    uint32_t u;
    if (!ReadLE(*this, u))
        return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool BinaryFile::Read(float& v) {
    uint32_t u;
    if (!ReadLE(*this, u))
        return false;
    std::memcpy(&v, &u, sizeof v);
    return true;
}

bool BinaryFile::Read(double& v) {
    uint64_t u;
    if (!ReadLE(*this, u))
        return false;
    std::memcpy(&v, &u, sizeof v);
    return true;
}

bool BinaryFile::ReadBool(bool& v) {
    uint8_t b;
    if (!Read(b))
        return false;
    v = b != 0;
    return true;
}

bool BinaryFile::ReadString(std::string& s) {
    uint8_t len;
    if (!Read(len))
        return false;
    std::string text(len, '\0');
    if (!ReadBytes(text.data(), len))
        return false;
    s = std::move(text);
    return true;
}

bool BinaryFile::Write(uint8_t v) { return WriteBytes(&v, 1); }
bool BinaryFile::Write(int8_t v) { return WriteBytes(&v, 1); }
bool BinaryFile::Write(uint16_t v) { return WriteLE(*this, v); }
bool BinaryFile::Write(int16_t v) { return WriteLE(*this, static_cast<uint16_t>(v)); }
bool BinaryFile::Write(uint32_t v) { return WriteLE(*this, v); }
bool BinaryFile::Write(int32_t v) { return WriteLE(*this, static_cast<uint32_t>(v)); }

bool BinaryFile::Write(float v) {
    uint32_t u;
    std::memcpy(&u, &v, sizeof u);
    return WriteLE(*this, u);
}

bool BinaryFile::Write(double v) {
    uint64_t u;
    std::memcpy(&u, &v, sizeof u);
    return WriteLE(*this, u);
}

bool BinaryFile::WriteBool(bool v) { return Write(static_cast<uint8_t>(v ? 1 : 0)); }

bool BinaryFile::WriteString(const std::string& s) {
    const uint8_t len = static_cast<uint8_t>(s.size());
    return Write(len) && WriteBytes(s.data(), len);
}

size_t MemoryFile::DoRead(void* dst, size_t count) { return TakeBytes(bytes_, pos_, dst, count); }

size_t MemoryFile::DoWrite(const void* src, size_t count) {
    const auto* p = static_cast<const uint8_t*>(src);
    if (pos_ == bytes_.size()) {
        bytes_.insert(bytes_.end(), p, p + count);
    } else {
        if (pos_ + count > bytes_.size())
            bytes_.resize(pos_ + count);
        std::memcpy(bytes_.data() + pos_, p, count);
    }
    pos_ += count;
    return count;
}

DiskFile::DiskFile(std::FILE* fp, std::string target, std::string temp)
    : fp_(fp), target_(std::move(target)), temp_(std::move(temp)) {}

DiskFile::~DiskFile() {
    if (fp_)
        std::fclose(fp_);
    if (!temp_.empty())
        std::remove(temp_.c_str());
}

std::unique_ptr<DiskFile> DiskFile::OpenRead(const std::string& storedPath) {
    std::optional<std::vector<uint8_t>> contents = ReadWholeFile(ResolvePath(storedPath));
    if (!contents)
        return nullptr;
    return std::unique_ptr<DiskFile>(new DiskFile(std::move(*contents)));
}

std::unique_ptr<DiskFile> DiskFile::OpenWrite(const std::string& storedPath) {
    const std::string path = ResolvePath(storedPath).string();
    const std::string temp = path + ".part";
    // Whatever an earlier write left under the temporary name goes first, a
    // link among it, so that the write cannot be led to another file; the
    // new one is made afresh and never through a link.
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* fp = ::fdopen(fd, "wb");
    if (!fp) {
        ::close(fd);
        ::unlink(temp.c_str());
        return nullptr;
    }
    return std::unique_ptr<DiskFile>(new DiskFile(fp, path, temp));
}

bool DiskFile::Commit() {
    if (temp_.empty() || !fp_)
        return false;
    bool good = Ok() && std::fflush(fp_) == 0 && fsync(fileno(fp_)) == 0;
    good = std::fclose(fp_) == 0 && good;
    fp_ = nullptr;
    if (good && std::rename(temp_.c_str(), target_.c_str()) == 0) {
        temp_.clear();
        SyncFolderOf(target_);
        return true;
    }
    return false;
}

bool DiskFile::AtEnd() const { return readPos_ == contents_.size(); }

bool MoveFileDurably(const std::string& fromStoredPath, const std::string& toStoredPath) {
    const std::string to = ResolvePath(toStoredPath).string();
    if (std::rename(ResolvePath(fromStoredPath).string().c_str(), to.c_str()) != 0)
        return false;
    SyncFolderOf(to);
    return true;
}

size_t DiskFile::DoRead(void* dst, size_t count) { return TakeBytes(contents_, readPos_, dst, count); }

size_t DiskFile::DoWrite(const void* src, size_t count) {
    return fp_ && !temp_.empty() ? std::fwrite(src, 1, count, fp_) : 0;
}

bool WriteStringList(BinaryFile& f, const std::vector<std::string>& list) {
    if (list.size() > UINT16_MAX)
        return false;
    f.Write(static_cast<uint16_t>(list.size()));
    for (const std::string& s : list)
        f.WriteString(s);
    return f.Ok();
}

bool ReadStringList(BinaryFile& f, std::vector<std::string>& list) {
    list.clear();
    uint16_t count = 0;
    if (!f.Read(count))
        return false;
    for (uint16_t i = 0; i < count; ++i) {
        std::string s;
        if (!f.ReadString(s))
            return false;
        list.push_back(std::move(s));
    }
    return true;
}
