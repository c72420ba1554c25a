#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>

// What every seed writer shares: the corpus folder it is given and the
// files it writes there.

// The folder named on the command line, or an empty path after a usage line.
inline std::filesystem::path SeedFolder(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return {};
    }
    return argv[1];
}

inline bool WriteSeed(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
