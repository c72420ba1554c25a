#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Path.h"
#include "tests/TempFolder.h"

namespace fs = std::filesystem;

class PathTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = temp_.Path();
        fs::create_directories(dir_ / "Save");
        fs::create_directories(dir_ / "Bitmaps" / "Original");
        std::ofstream(dir_ / "Save" / "Auto.ksv") << "x";
        SetProgramFolder(dir_);
    }
    void TearDown() override {
        SetProgramFolder(GetModulePath().parent_path());
    }
    TempFolder temp_;
    fs::path dir_;
};

TEST_F(PathTest, StoredPathsFindFilesWhateverTheirCase) {
    EXPECT_EQ(ResolvePath("Save\\auto.ksv"), dir_ / "Save" / "Auto.ksv");
    EXPECT_EQ(ResolvePath("SAVE\\AUTO.KSV"), dir_ / "Save" / "Auto.ksv");
    EXPECT_EQ(ResolvePath("bitmaps\\original\\"), dir_ / "Bitmaps" / "Original");
}

TEST_F(PathTest, MissingComponentsKeepTheirSpelling) {
    EXPECT_EQ(ResolvePath("save\\New.ksv"), dir_ / "Save" / "New.ksv");
    EXPECT_EQ(ResolvePath("Music\\Track.wav"), dir_ / "Music" / "Track.wav");
}

TEST_F(PathTest, AbsolutePathsStayAbsolute) {
    EXPECT_EQ(ResolvePath((dir_ / "save" / "auto.ksv").string()), dir_ / "Save" / "Auto.ksv");
}
