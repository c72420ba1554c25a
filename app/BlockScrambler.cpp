#include "app/BlockScrambler.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/BinaryFile.h"
#include "platform/Path.h"

#include <array>

namespace {

// A key word of 0 would leave the words unchanged; these take its place.
constexpr std::array<uint32_t, 4> kFallbackKeys = {0x5b3a91c7, 0x1e64d0a9, 0x73c2f815, 0x2a9e4b63};
constexpr uint32_t kFirstKeyStep = 97;
constexpr uint32_t kThirdKeyStep = 39;

uint32_t WordAt(const uint8_t* bytes, size_t index) {
    const uint8_t* p = bytes + index * 4;
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void SetWordAt(uint8_t* bytes, size_t index, uint32_t word) {
    uint8_t* p = bytes + index * 4;
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(word >> (8 * i));
}

}  // namespace

// Four words of the block, found from the block number and from each other,
// give the key stream and stay as they are, so the reader finds the same key.
void ScrambleBlock(uint8_t* bytes, size_t wordCount, uint32_t blockNumber) {
    const uint32_t mask = static_cast<uint32_t>(wordCount - 1);
    std::array<uint32_t, 4> at;
    at[0] = (blockNumber * kFirstKeyStep) & mask;
    at[1] = WordAt(bytes, at[0]) & mask;
    at[2] = (blockNumber * kThirdKeyStep + at[1]) & mask;
    at[3] = WordAt(bytes, at[2]) & mask;
    std::array<uint32_t, 4> key;
    for (int i = 0; i < 4; ++i) {
        key[i] = WordAt(bytes, at[i]);
        if (key[i] == 0)
            key[i] = kFallbackKeys[i];
    }
    for (uint32_t j = 0; j < wordCount; ++j) {
        if (j != at[0] && j != at[1] && j != at[2] && j != at[3])
            SetWordAt(bytes, j, WordAt(bytes, j) ^ key[0]);
        key[0] += key[1];
        key[2] *= key[3];
        key[0] ^= key[2];
    }
}

std::vector<uint8_t> ScrambleBlocks(std::vector<uint8_t> stream, size_t wordCount) {
    const size_t blockBytes = wordCount * 4;
    const size_t blocks = (stream.size() + blockBytes - 1) / blockBytes;
    stream.resize(blocks * blockBytes, 0);
    for (size_t i = 0; i < blocks; ++i)
        ScrambleBlock(stream.data() + i * blockBytes, wordCount, static_cast<uint32_t>(i));
    return stream;
}

bool WriteScrambledFile(const std::string& storedPath, const std::vector<uint8_t>& stream, size_t wordCount,
                        const BlockCount& count) {
    std::unique_ptr<DiskFile> file = DiskFile::OpenWrite(storedPath);
    if (!file)
        return false;
    const size_t blockBytes = wordCount * 4;
    const size_t blocks = (stream.size() + blockBytes - 1) / blockBytes;
    std::vector<uint8_t> block(blockBytes);
    for (size_t i = 0; i < blocks; ++i) {
        const size_t offset = i * blockBytes;
        const size_t n = std::min(blockBytes, stream.size() - offset);
        std::fill(std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(offset), n, block.begin()), block.end(),
                  uint8_t{0});
        ScrambleBlock(block.data(), wordCount, static_cast<uint32_t>(i));
        if (!file->WriteBytes(block.data(), block.size()))
            return false;
        if (count)
            count(i, blocks);
    }
    return file->Commit();
}

bool ReadScrambledFile(const std::string& storedPath, std::vector<uint8_t>& stream, size_t wordCount,
                       const BlockCount& count) {
    std::unique_ptr<DiskFile> file = DiskFile::OpenRead(storedPath);
    if (!file)
        return false;
    const size_t blockBytes = wordCount * 4;
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(ResolvePath(storedPath), ec);
    if (ec || size % blockBytes != 0)
        return false;
    const size_t blocks = static_cast<size_t>(size / blockBytes);
    std::vector<uint8_t> plain;
    plain.reserve(static_cast<size_t>(size));
    std::vector<uint8_t> block(blockBytes);
    for (size_t i = 0; i < blocks; ++i) {
        if (!file->ReadBytes(block.data(), block.size()))
            return false;
        ScrambleBlock(block.data(), wordCount, static_cast<uint32_t>(i));
        plain.insert(plain.end(), block.begin(), block.end());
        if (count)
            count(i, blocks);
    }
    stream = std::move(plain);
    return true;
}
