#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
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

// Files of scrambled blocks (stored paths). The count is told the blocks
// done and the blocks in all after each block.
using BlockCount = std::function<void(size_t done, size_t blocks)>;
// The stream padded and scrambled, written beside the target and moved into
// place only when all of it is on disk: a failed write leaves the old file.
bool WriteScrambledFile(const std::string& storedPath, const std::vector<uint8_t>& stream, size_t wordCount,
                        const BlockCount& count = {});
// The file unscrambled; false when it is missing or not whole blocks, and
// `stream` changes only on success.
bool ReadScrambledFile(const std::string& storedPath, std::vector<uint8_t>& stream, size_t wordCount,
                       const BlockCount& count = {});
