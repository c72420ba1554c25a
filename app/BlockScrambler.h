#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Options files and save games are not stored as they are: the stream is cut
// into blocks of 32-bit words and each block is scrambled in place, so that
// the files cannot be read or changed with an editor. The scrambling is its
// own inverse: the same call scrambles and unscrambles.
constexpr size_t kConfigBlockWords = 256;   // 1024-byte blocks
constexpr size_t kSaveGameBlockWords = 1024;  // 4096-byte blocks

// One block of `wordCount` little-endian words (a power of two) at `bytes`;
// `blockNumber` counts the blocks of the file from 0.
void ScrambleBlock(uint8_t* bytes, size_t wordCount, uint32_t blockNumber);

// The whole stream padded with zeros to whole blocks, each block scrambled.
std::vector<uint8_t> ScrambleBlocks(std::vector<uint8_t> stream, size_t wordCount);
