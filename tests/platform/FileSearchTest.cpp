#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/FileSearch.h"
#include "platform/Path.h"
#include "tests/TempFolder.h"

namespace fs = std::filesystem;

namespace {

class FileSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path save = temp_ / "Save";
        fs::create_directories(save / "Folder.ksv");
        fs::create_directories(save / "Original");
        fs::create_directories(save / "Dark.old");
        fs::create_directories(save / "Z");
        for (const char* name : {"Beta.ksv", "alpha.KSV", "My.Club.ksv", "K\xC3\xB6ln.ksv", "notes.txt", "x.ksvx"})
            std::ofstream(save / name) << "12345";
        SetProgramFolder(temp_.Path());
    }
    void TearDown() override { ResetProgramFolder(); }

    TempFolder temp_;
};

std::vector<std::string> Titles(const std::vector<FoundFile>& found) {
    std::vector<std::string> titles;
    for (const FoundFile& f : found)
        titles.push_back(f.title);
    return titles;
}

}  // namespace

// Files by their type in any case, folders without a point for no type;
// by name without regard to case; names in code page 1252.
TEST_F(FileSearchTest, FindsTheFilesOfATypeOrTheFoldersInNameOrder) {
    struct Case {
        const char* folder;
        const char* type;
        size_t limit;
        std::vector<std::string> titles;
    };
    const Case cases[] = {
        {"Save\\", "ksv", 10, {"alpha", "Beta", "K\xF6ln", "My.Club"}},
        {"save", "KSV", 2, {"alpha", "Beta"}},
        {"Save\\", "", 10, {"Original", "Z"}},
        {"Save\\", "bmp", 10, {}},
        {"Missing\\", "ksv", 10, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Titles(FindFiles(c.folder, c.type, c.limit)), c.titles) << c.folder << " " << c.type;
}

TEST_F(FileSearchTest, DescribesOneFileOrFolder) {
    const std::optional<FoundFile> file = FindFile("save\\my.club.KSV");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->name, "My.Club.ksv");
    EXPECT_EQ(file->title, "My.Club");
    EXPECT_FALSE(file->folder);
    EXPECT_EQ(file->size, 5u);
    std::tm now{};
    const std::time_t t = std::time(nullptr);
    localtime_r(&t, &now);
    const Date today(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
    EXPECT_LE(std::abs(file->created.DaysSince(today)), 1);

    const std::optional<FoundFile> folder = FindFile("Save\\Original");
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->folder);
    EXPECT_FALSE(FindFile("Save\\None.ksv"));
}
