#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/BinaryFile.h"
#include "platform/Path.h"
#include "tests/TempFolder.h"

TEST(BinaryFile, NumbersAreLittleEndianAtTheirWidth) {
    MemoryFile f;
    f.Write(uint8_t{0x12});
    f.Write(uint16_t{0x3456});
    f.Write(int16_t{-2});
    f.Write(uint32_t{0x789ABCDE});
    f.Write(1.0f);
    const std::vector<uint8_t> expected = {0x12, 0x56, 0x34, 0xFE, 0xFF, 0xDE, 0xBC,
                                           0x9A, 0x78, 0x00, 0x00, 0x80, 0x3F};
    EXPECT_EQ(f.Bytes(), expected);

    MemoryFile in(f.Bytes());
    uint8_t a;
    uint16_t b;
    int16_t c;
    uint32_t d;
    float e;
    ASSERT_TRUE(in.Read(a) && in.Read(b) && in.Read(c) && in.Read(d) && in.Read(e));
    EXPECT_EQ(a, 0x12);
    EXPECT_EQ(b, 0x3456);
    EXPECT_EQ(c, -2);
    EXPECT_EQ(d, 0x789ABCDEu);
    EXPECT_EQ(e, 1.0f);
}

TEST(BinaryFile, LongStringKeepsItsLengthModulo256) {
    MemoryFile f;
    f.WriteString(std::string(300, 'x'));
    ASSERT_EQ(f.Bytes().size(), 45u);
    EXPECT_EQ(f.Bytes()[0], 44);

    MemoryFile in(f.Bytes());
    std::string s;
    ASSERT_TRUE(in.ReadString(s));
    EXPECT_EQ(s, std::string(44, 'x'));
}

TEST(BinaryFile, EmptyListsAndArraysAreJustTheirCount) {
    struct Item {
        bool Write(BinaryFile&, uint8_t) const { return true; }
        bool Read(BinaryFile&, uint8_t) { return true; }
    };
    MemoryFile f;
    WriteObjectList<uint8_t>(f, std::vector<std::unique_ptr<Item>>{}, 0);
    WriteNumberArray(f, std::vector<uint16_t>{});
    EXPECT_EQ(f.Bytes(), (std::vector<uint8_t>{0, 0, 0}));
}

TEST(BinaryFile, ShortReadFailsAndStaysFailed) {
    MemoryFile in(std::vector<uint8_t>{1, 2, 3});
    uint32_t v = 7;
    EXPECT_FALSE(in.Read(v));
    EXPECT_FALSE(in.Ok());
    uint8_t b;
    EXPECT_FALSE(in.Read(b));

    MemoryFile str(std::vector<uint8_t>{5, 'a', 'b'});
    std::string s = "kept";
    EXPECT_FALSE(str.ReadString(s));
    EXPECT_EQ(s, "kept");
}

TEST(BinaryFile, ArrayCountBeyondTheDataFailsWithoutReadingOn) {
    MemoryFile in(std::vector<uint8_t>{0xFF, 0xFF, 1, 0});
    std::vector<uint16_t> values;
    EXPECT_FALSE(ReadNumberArray(in, values));
}

class DiskFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = temp_.Path();
        std::filesystem::create_directories(dir_ / "Save");
        SetProgramFolder(dir_);
    }
    void TearDown() override {
        SetProgramFolder(GetModulePath().parent_path());
    }
    TempFolder temp_;
    std::filesystem::path dir_;
};

TEST_F(DiskFileTest, UncommittedWriteLeavesTheOldFile) {
    {
        auto f = DiskFile::OpenWrite("Save\\game.ksv");
        ASSERT_TRUE(f);
        f->WriteString("first");
        ASSERT_TRUE(f->Commit());
    }
    {
        auto f = DiskFile::OpenWrite("Save\\game.ksv");
        f->WriteString("second");
    }
    auto in = DiskFile::OpenRead("save\\GAME.KSV");
    ASSERT_TRUE(in);
    std::string s;
    ASSERT_TRUE(in->ReadString(s));
    EXPECT_EQ(s, "first");
    EXPECT_TRUE(in->AtEnd());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "Save"),
                            std::filesystem::directory_iterator()),
              1);
}

// The file is read whole on opening; its end is still where reading stops.
TEST_F(DiskFileTest, ReadingPastTheEndFailsAndStaysFailed) {
    std::ofstream(dir_ / "Save" / "short.ksv", std::ios::binary) << "\x03" "abc" "\x01\x02";
    auto in = DiskFile::OpenRead("Save\\short.ksv");
    ASSERT_TRUE(in);
    std::string s;
    ASSERT_TRUE(in->ReadString(s));
    EXPECT_EQ(s, "abc");
    EXPECT_FALSE(in->AtEnd());
    uint32_t v = 7;
    EXPECT_FALSE(in->Read(v));
    EXPECT_FALSE(in->Ok());
    uint8_t b = 0;
    EXPECT_FALSE(in->Read(b));
}

TEST_F(DiskFileTest, MissingFileGivesNull) {
    EXPECT_FALSE(DiskFile::OpenRead("Save\\none.ksv"));
    EXPECT_FALSE(DiskFile::OpenRead("Save"));
}

// A link left under the temporary name must not lead the write elsewhere:
// the file it points to stays as it was, and the save lands where it
// belongs. Writing into a place that is not a folder fails.
TEST_F(DiskFileTest, ALinkUnderTheTemporaryNameIsNotFollowed) {
    const std::filesystem::path elsewhere = dir_ / "elsewhere.txt";
    std::ofstream(elsewhere) << "keep";
    std::filesystem::create_symlink(elsewhere, dir_ / "Save" / "game.ksv.part");
    {
        auto f = DiskFile::OpenWrite("Save\\game.ksv");
        ASSERT_TRUE(f);
        f->WriteString("saved");
        ASSERT_TRUE(f->Commit());
    }
    std::ifstream kept(elsewhere);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep");
    auto in = DiskFile::OpenRead("Save\\game.ksv");
    ASSERT_TRUE(in);
    std::string s;
    ASSERT_TRUE(in->ReadString(s));
    EXPECT_EQ(s, "saved");

    EXPECT_FALSE(DiskFile::OpenWrite("elsewhere.txt\\game.ksv"));
}
