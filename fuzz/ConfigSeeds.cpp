#include <string>
#include <string_view>
#include <vector>

#include "app/BlockScrambler.h"
#include "app/ConfigFile.h"
#include "fuzz/SeedFolder.h"
#include "platform/BinaryFile.h"

// The first corpus: the options file of a first start, and one with music
// title lists and another skin, each in both of the fuzz target's forms:
// behind the flag byte 1 as stored, behind 0 before scrambling.
int main(int argc, char** argv) {
    const std::filesystem::path folder = SeedFolder(argc, argv);
    if (folder.empty())
        return 2;
    StateBlock chosen;
    chosen.skinFolder = "Bitmaps\\Night\\";
    chosen.music.defaultFolder = false;
    chosen.music.folder = "/home/me/music/";
    chosen.music.titles = {"a.mp3", "b.mp3"};
    chosen.music.titles2 = {"b.mp3"};
    chosen.music.nextIndex = {1, 0};
    int n = 0;
    for (const StateBlock& block : {StateBlock{}, chosen}) {
        MemoryFile plain;
        if (!WriteStateBlock(plain, block))
            return 1;
        for (uint8_t stored : {0, 1}) {
            std::vector<uint8_t> bytes = {stored};
            const std::vector<uint8_t> content =
                stored ? ScrambleBlocks(plain.Bytes(), kConfigBlockWords) : plain.Bytes();
            bytes.insert(bytes.end(), content.begin(), content.end());
            const std::string_view seed(reinterpret_cast<const char*>(bytes.data()), bytes.size());
            if (!WriteSeed(folder / ("seed" + std::to_string(++n)), seed))
                return 1;
        }
    }
    return 0;
}
