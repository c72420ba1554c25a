#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/WholeFile.h"
#include "tests/TempFolder.h"

namespace fs = std::filesystem;

// A folder or a pipe in a file's place once threw out of the reader or
// waited for a writer that never came; each reads as no file.
TEST(WholeFile, ReadsPlainFilesWholeAndAnythingElseAsNoFile) {
    const TempFolder folder;
    std::vector<uint8_t> large(200000);  // more than one chunk of the reader
    for (size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<uint8_t>(i * 31 + i / 977);
    std::ofstream(folder / "large", std::ios::binary)
        .write(reinterpret_cast<const char*>(large.data()), static_cast<std::streamsize>(large.size()));
    std::ofstream(folder / "empty", std::ios::binary);
    fs::create_directory(folder / "folder");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);

    struct Case {
        const char* name;
        std::optional<std::vector<uint8_t>> bytes;
    };
    const Case cases[] = {
        {"large", large},
        {"empty", std::vector<uint8_t>{}},
        {"missing", std::nullopt},
        {"folder", std::nullopt},
        {"pipe", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadWholeFile(folder / c.name), c.bytes) << c.name;
}

// The system's own files tell a size of 0 and still have contents; a file
// that grew after it was measured is the same case.
TEST(WholeFile, ReadsOnPastTheSizeTheFileTold) {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::vector<uint8_t> expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(fs::file_size("/proc/self/cmdline"), 0u);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(ReadWholeFile("/proc/self/cmdline"), expected);
}
