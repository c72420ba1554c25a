#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Path.h"

// The settings readers open their files by stored path under the program
// folder, as the game does. A fuzz target gives them a program folder of
// its own, removed when the fuzzer ends, and writes each input there as the
// file the reader looks for. The folder is kept in memory where the system
// offers a place for it: on disk the fuzzer runs many times slower.
class FuzzProgramFolder {
public:
    FuzzProgramFolder() {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory(kMemoryFolder, ec) ? kMemoryFolder : std::filesystem::temp_directory_path();
        std::string name = (base / "corvanta-fuzz-XXXXXX").string();
        if (!::mkdtemp(name.data()))
            std::abort();
        folder_ = name;
        SetProgramFolder(folder_);
    }
    ~FuzzProgramFolder() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    FuzzProgramFolder(const FuzzProgramFolder&) = delete;
    FuzzProgramFolder& operator=(const FuzzProgramFolder&) = delete;

    // `relative` in the file system's form, under the program folder.
    void WriteFile(const std::filesystem::path& relative, const uint8_t* data, size_t size) const {
        const std::filesystem::path file = folder_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out)
            std::abort();
    }
    std::filesystem::path operator/(const std::filesystem::path& relative) const { return folder_ / relative; }

private:
    static constexpr const char* kMemoryFolder = "/dev/shm";
    std::filesystem::path folder_;
};
