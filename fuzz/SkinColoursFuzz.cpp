#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "fuzz/FuzzProgramFolder.h"
#include "ui/PaintSettings.h"
#include "ui/SkinLoader.h"

// The bytes are a skin's colour file. Every colour it gives is a plain
// colour, and the list marks are their defaults or follow the skin.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzProgramFolder folder;
    folder.WriteFile(std::filesystem::path("Skin") / kSkinColourFile, data, size);
    LoadSkinColours("Skin\\");
    for (Colour c : g_skinColours)
        if (c & ~kColourMask)
            std::abort();
    for (int i = 1; i < kListMarkColourCount; ++i)
        if (g_listMarkColours[i] != kDefaultListMarkColours[i] &&
            g_listMarkColours[i] != g_skinColours[kFirstListMarkSkinColour + i - 1])
            std::abort();
    return 0;
}
