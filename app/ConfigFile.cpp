#include "app/ConfigFile.h"

#include <memory>
#include <vector>

#include "app/BlockScrambler.h"
#include "platform/BinaryFile.h"

namespace {

constexpr size_t kBlockBytes = kConfigBlockWords * 4;

bool ReadWholeBlocks(const std::string& storedPath, std::vector<uint8_t>& bytes) {
    std::unique_ptr<DiskFile> file = DiskFile::OpenRead(storedPath);
    if (!file)
        return false;
    std::vector<uint8_t> block(kBlockBytes);
    while (!file->AtEnd()) {
        if (!file->ReadBytes(block.data(), block.size()))
            return false;
        bytes.insert(bytes.end(), block.begin(), block.end());
    }
    return true;
}

}  // namespace

bool ReadConfigFile(const std::string& storedPath, StateBlock& block) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeBlocks(storedPath, bytes))
        return false;
    MemoryFile plain(ScrambleBlocks(std::move(bytes), kConfigBlockWords));
    StateBlock read;
    if (!ReadStateBlock(plain, read))
        return false;
    block = std::move(read);
    return true;
}

bool WriteConfigFile(const std::string& storedPath, const StateBlock& block) {
    MemoryFile plain;
    if (!WriteStateBlock(plain, block))
        return false;
    const std::vector<uint8_t> scrambled = ScrambleBlocks(plain.Bytes(), kConfigBlockWords);
    std::unique_ptr<DiskFile> file = DiskFile::OpenWrite(storedPath);
    return file && file->WriteBytes(scrambled.data(), scrambled.size()) && file->Commit();
}
