#include <cstdio>
#include <string>

#include "platform/BinaryFile.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/World.h"

// Writes the fuzz target's first corpus: small sample worlds as world file
// and as save game, each behind its flag byte.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
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
            const std::string path = std::string(argv[1]) + "/seed" + std::to_string(++n);
            std::FILE* fp = std::fopen(path.c_str(), "wb");
            if (!fp || std::fwrite(file.Bytes().data(), 1, file.Bytes().size(), fp) != file.Bytes().size())
                return 1;
            std::fclose(fp);
        }
    return 0;
}
