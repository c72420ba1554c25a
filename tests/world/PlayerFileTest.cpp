#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "tests/world/PlayerSamples.h"
#include "world/Player.h"

namespace {

std::vector<uint8_t> WritePlayer(const CPlayer& p, uint8_t saveGame) {
    MemoryFile f;
    EXPECT_TRUE(p.Write(f, saveGame));
    return f.Bytes();
}

// The full player's form, field by field in file order.
const std::vector<uint8_t> kSeasonStateBytes = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C,
    0x0D, 0x0E, 0x0F, 0x10, 0x91, 0x00, 0x00, 0x48, 0x41, 0x45, 0x11, 0x12,
    0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x00, 0x00, 0x20, 0x40, 0x1A,
    0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26,
    0xA7, 0x28, 0x03,
};
const std::vector<uint8_t> kDefinitionBytes = {
    0xF9, 0x03, 0x88, 0x04, 0x42, 0x0E, 0x06, 0xC1, 0x07, 0x41, 0xC3, 0xA9,
    0x22, 0x00, 0x2D, 0x00, 0x52, 0x07, 0x51, 0x12, 0x49, 0x10, 0x93, 0xE5,
    0x03, 'J',  'a',  'n',  0x02, 'J',  'o',  0x04, 'B',  'e',  'r',  'g',
};

void ExpectFieldsEqual(const CPlayer& expected, const CPlayer& actual, bool flaggedToo) {
    for (const PlayerField& field : StoredPlayerFields()) {
        if (field.flagged && !flaggedToo)
            continue;
        EXPECT_EQ(field.show(expected), field.show(actual)) << field.name;
    }
}

}  // namespace

TEST(PlayerFile, FieldsGoInTheirOrderAndWidth) {
    const CPlayer p = MakeFullPlayer();
    std::vector<uint8_t> saved = kSeasonStateBytes;
    saved.insert(saved.end(), kDefinitionBytes.begin(), kDefinitionBytes.end());
    EXPECT_EQ(WritePlayer(p, 1), saved);
    EXPECT_EQ(WritePlayer(p, 0), kDefinitionBytes);
}

TEST(PlayerFile, SaveGameFormKeepsEveryStoredField) {
    const CPlayer original = MakeFullPlayer();
    const std::vector<uint8_t> bytes = WritePlayer(original, 1);

    MemoryFile in(bytes);
    CPlayer read;
    ASSERT_TRUE(read.Read(in, 1));
    EXPECT_EQ(in.Position(), bytes.size());
    ExpectFieldsEqual(original, read, true);
    EXPECT_EQ(WritePlayer(read, 1), bytes);
}

TEST(PlayerFile, WorldFormLeavesTheSeasonStateAtItsDefaults) {
    const CPlayer original = MakeFullPlayer();
    MemoryFile in(WritePlayer(original, 0));
    CPlayer read;
    ASSERT_TRUE(read.Read(in, 0));

    ExpectFieldsEqual(original, read, false);
    const CPlayer fresh;
    for (const PlayerField& field : StoredPlayerFields()) {
        if (field.flagged) {
            EXPECT_EQ(field.show(fresh), field.show(read)) << field.name;
        }
    }
    EXPECT_EQ(read.GetSalary(), 0u);
    EXPECT_EQ(read.contractYears, 1);
    EXPECT_EQ(read.skillTraining, 0x20);
    EXPECT_EQ(read.GetAttribute(4), 8);
}

TEST(PlayerFile, AnyCutShortFileFailsToRead) {
    for (uint8_t saveGame : {0, 1}) {
        const std::vector<uint8_t> bytes = WritePlayer(MakeFullPlayer(), saveGame);
        for (size_t cut = 0; cut < bytes.size(); ++cut) {
            MemoryFile in(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
            CPlayer read;
            EXPECT_FALSE(read.Read(in, saveGame)) << "flag " << +saveGame << " cut at " << cut;
        }
    }
}
