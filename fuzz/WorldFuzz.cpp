#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/BinaryFile.h"
#include "world/Manager.h"
#include "world/World.h"

// The first byte is the save-game flag (its low bit), the rest the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t saveGame = data[0] & 1;
    CWorld world;
    g_manager.world = &world;
    MemoryFile file(std::vector<uint8_t>(data + 1, data + size));
    if (world.Read(file, saveGame)) {
        MemoryFile out;
        world.Write(out, saveGame);
    }
    world.Clear();
    g_manager.world = nullptr;
    return 0;
}
