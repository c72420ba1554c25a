#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/BlockScrambler.h"
#include "app/ConfigFile.h"
#include "fuzz/FuzzProgramFolder.h"
#include "platform/BinaryFile.h"

namespace {

std::vector<uint8_t> FormOf(const StateBlock& block) {
    MemoryFile file;
    if (!WriteStateBlock(file, block))
        std::abort();
    return file.Bytes();
}

// The low bit of the first byte says what the rest is: 1 the file as it is
// stored, 0 its content before scrambling. Scrambling whole blocks is its
// own inverse, so the second form reaches every file of whole blocks, and
// a change of the content stays where it was made.
std::vector<uint8_t> StoredFile(const uint8_t* data, size_t size) {
    std::vector<uint8_t> rest(data + 1, data + size);
    return data[0] & 1 ? rest : ScrambleBlocks(std::move(rest), kConfigBlockWords);
}

}  // namespace

// A refused file leaves the settings as they were; a read one writes back as
// a file that reads as the same settings.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzProgramFolder folder;
    if (size == 0)
        return 0;
    const std::vector<uint8_t> file = StoredFile(data, size);
    folder.WriteFile(kConfigFileName, file.data(), file.size());
    StateBlock block;
    block.skinFolder = "Bitmaps\\Before\\";
    const std::vector<uint8_t> before = FormOf(block);
    if (!ReadConfigFile(kConfigFileName, block)) {
        if (FormOf(block) != before)
            std::abort();
        return 0;
    }
    StateBlock again;
    if (!WriteConfigFile(kConfigFileName, block) || !ReadConfigFile(kConfigFileName, again) ||
        FormOf(again) != FormOf(block))
        std::abort();
    return 0;
}
