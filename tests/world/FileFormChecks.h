#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/BinaryFile.h"

// Checks shared by the tests of the world's per-class file forms.

template <typename T>
std::vector<uint8_t> WrittenBytes(const T& obj, uint8_t saveGame) {
    MemoryFile f;
    EXPECT_TRUE(obj.Write(f, saveGame));
    return f.Bytes();
}

// Written, read into a fresh object and written again: the same bytes, and
// the reader took every byte.
template <typename T>
void ExpectRoundTrip(const T& obj, uint8_t saveGame) {
    const std::vector<uint8_t> bytes = WrittenBytes(obj, saveGame);
    MemoryFile in(bytes);
    T copy;
    ASSERT_TRUE(copy.Read(in, saveGame));
    EXPECT_EQ(in.Position(), bytes.size());
    EXPECT_EQ(WrittenBytes(copy, saveGame), bytes);
}

// Every proper prefix of a record fails to read and leaves the object as it
// was before the read.
template <typename T>
void ExpectEveryCutFails(const T& obj, uint8_t saveGame) {
    const std::vector<uint8_t> bytes = WrittenBytes(obj, saveGame);
    const T untouched;
    const std::vector<uint8_t> untouchedBytes = WrittenBytes(untouched, saveGame);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        MemoryFile in(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
        T target;
        EXPECT_FALSE(target.Read(in, saveGame)) << "cut at " << cut;
        EXPECT_EQ(WrittenBytes(target, saveGame), untouchedBytes) << "cut at " << cut;
    }
}
