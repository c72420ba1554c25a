#include "app/ConfigFile.h"

#include <vector>

#include "app/BlockScrambler.h"
#include "platform/BinaryFile.h"

bool ReadConfigFile(const std::string& storedPath, StateBlock& block) {
    std::vector<uint8_t> bytes;
    if (!ReadScrambledFile(storedPath, bytes, kConfigBlockWords))
        return false;
    MemoryFile plain(std::move(bytes));
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
    return WriteScrambledFile(storedPath, plain.Bytes(), kConfigBlockWords);
}
