#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

// A stream of bytes in the game's file form: little-endian numbers at their
// own width, strings as a length byte and code page 1252 characters.
// A failed or short read marks the file failed; every later read fails too,
// so a reader may read a run of fields and check once.
class BinaryFile {
public:
    virtual ~BinaryFile() = default;

    bool ReadBytes(void* dst, size_t count);
    bool Read(uint8_t& v);
    bool Read(int8_t& v);
    bool Read(uint16_t& v);
    bool Read(int16_t& v);
    bool Read(uint32_t& v);
    bool Read(int32_t& v);
    bool Read(float& v);
    bool Read(double& v);
    bool ReadBool(bool& v);
    bool ReadString(std::string& s);

    bool WriteBytes(const void* src, size_t count);
    bool Write(uint8_t v);
    bool Write(int8_t v);
    bool Write(uint16_t v);
    bool Write(int16_t v);
    bool Write(uint32_t v);
    bool Write(int32_t v);
    bool Write(float v);
    bool Write(double v);
    bool WriteBool(bool v);
    // Keeps only the low 8 bits of the length, as the file form has one byte.
    bool WriteString(const std::string& s);

    bool Ok() const { return !failed_; }
    void Fail() { failed_ = true; }

protected:
    // Transfer up to count bytes; return how many moved.
    virtual size_t DoRead(void* dst, size_t count) = 0;
    virtual size_t DoWrite(const void* src, size_t count) = 0;

private:
    bool failed_ = false;
};

// A file held in memory: for tests, for export into a buffer and for
// reading a file that was loaded whole.
class MemoryFile : public BinaryFile {
public:
    MemoryFile() = default;
    explicit MemoryFile(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    size_t Position() const { return pos_; }
    void Rewind() { pos_ = 0; }

protected:
    size_t DoRead(void* dst, size_t count) override;
    size_t DoWrite(const void* src, size_t count) override;

private:
    std::vector<uint8_t> bytes_;
    size_t pos_ = 0;
};

// A file on disk, opened by its stored path (backslashes, any case).
// A file to read is read whole when it is opened and its fields are taken
// from memory, where thousands of small reads cost nothing.
// Writing goes to a file beside the target that replaces it only on Commit,
// so a failed save never leaves a half-written file in place of a good one.
class DiskFile : public BinaryFile {
public:
    static std::unique_ptr<DiskFile> OpenRead(const std::string& storedPath);
    static std::unique_ptr<DiskFile> OpenWrite(const std::string& storedPath);
    ~DiskFile() override;

    // Finish a written file: flush it and move it into place. False when any
    // write failed or the file could not be moved; the old file then stays.
    bool Commit();
    // True when the whole file has been read.
    bool AtEnd() const;

protected:
    size_t DoRead(void* dst, size_t count) override;
    size_t DoWrite(const void* src, size_t count) override;

private:
    explicit DiskFile(std::vector<uint8_t> contents) : contents_(std::move(contents)) {}
    DiskFile(std::FILE* fp, std::string target, std::string temp);
    std::FILE* fp_ = nullptr;  // while writing
    std::string target_;
    std::string temp_;  // empty when reading
    std::vector<uint8_t> contents_;  // the file read
    size_t readPos_ = 0;
};

// Moves a file onto another name (stored paths), replacing what was there,
// and makes the move last on disk. False when the file could not be moved.
bool MoveFileDurably(const std::string& fromStoredPath, const std::string& toStoredPath);

// Lists of owned objects: a count at the width of CountT, then each object,
// written and read with the flags passed (the save-game flag, or none).
// An element whose Read fails ends the list read; no more is allocated.
template <typename CountT, typename T, typename D, typename... Flags>
bool WriteObjectList(BinaryFile& f, const std::vector<std::unique_ptr<T, D>>& list, Flags... flags) {
    if (!f.Write(static_cast<CountT>(list.size())))
        return false;
    for (const auto& obj : list)
        if (!obj->Write(f, flags...))
            return false;
    return f.Ok();
}

template <typename CountT, typename T, typename D, typename... Flags>
bool ReadObjectList(BinaryFile& f, std::vector<std::unique_ptr<T, D>>& list, Flags... flags) {
    list.clear();
    CountT count{};
    if (!f.Read(count))
        return false;
    for (CountT i = 0; i < count; ++i) {
        auto obj = std::make_unique<T>();
        if (!obj->Read(f, flags...))
            return false;
        list.push_back(std::move(obj));
    }
    return true;
}

// Arrays of numbers: an element count (u16 unless a form says otherwise),
// then the elements at their width. An array too long for its count is
// refused rather than written with a wrapped count.
template <typename CountT = uint16_t, typename T>
bool WriteNumberArray(BinaryFile& f, const std::vector<T>& values) {
    if (values.size() > std::numeric_limits<CountT>::max())
        return false;
    f.Write(static_cast<CountT>(values.size()));
    for (T v : values)
        f.Write(v);
    return f.Ok();
}

template <typename CountT = uint16_t, typename T>
bool ReadNumberArray(BinaryFile& f, std::vector<T>& values) {
    values.clear();
    CountT count = 0;
    if (!f.Read(count))
        return false;
    for (CountT i = 0; i < count; ++i) {
        T v{};
        if (!f.Read(v))
            return false;
        values.push_back(v);
    }
    return true;
}

// Lists of strings: a u16 count, then each string. A list too long for its
// count is refused; reading keeps each string only once it is read, so a
// count beyond the data costs nothing but the failed read.
bool WriteStringList(BinaryFile& f, const std::vector<std::string>& list);
bool ReadStringList(BinaryFile& f, std::vector<std::string>& list);
