#include <string>
#include <string_view>

#include "fuzz/SeedFolder.h"
#include "platform/BinaryFile.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/World.h"

// Writes the fuzz target's first corpus: small sample worlds as world file
// and as save game, each behind its flag byte.
int main(int argc, char** argv) {
    const std::filesystem::path folder = SeedFolder(argc, argv);
    if (folder.empty())
        return 2;
    SampleWorldSize small;
    small.continents = 1;
    small.clubs = 3;
    small.players = 4;
    SampleWorldSize tiny = small;
    tiny.leagues = 1;
    tiny.nations = 1;
    int n = 0;
    for (const SampleWorldSize& size : {small, tiny})
        for (uint8_t saveGame : {0, 1}) {
            const auto world = MakeSampleWorld(size);
            MemoryFile file;
            file.Write(saveGame);
            if (!world->Write(file, saveGame))
                return 1;
            const std::string_view bytes(reinterpret_cast<const char*>(file.Bytes().data()), file.Bytes().size());
            if (!WriteSeed(folder / ("seed" + std::to_string(++n)), bytes))
                return 1;
        }
    return 0;
}
