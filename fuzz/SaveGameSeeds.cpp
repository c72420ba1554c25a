#include <string>
#include <string_view>
#include <vector>

#include "app/BlockScrambler.h"
#include "app/SaveGameFile.h"
#include "fuzz/SeedFolder.h"
#include "platform/BinaryFile.h"
#include "tools/sample-world/SampleManager.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Manager.h"
#include "world/World.h"

// The first corpus: a game of a tiny sample world and a filled-in manager,
// in both of the fuzz target's forms: behind the flag byte 0 the stream,
// behind 1 the file as stored.
int main(int argc, char** argv) {
    const std::filesystem::path folder = SeedFolder(argc, argv);
    if (folder.empty())
        return 2;
    SampleWorldSize tiny;
    tiny.continents = 1;
    tiny.nations = 1;
    tiny.leagues = 1;
    tiny.clubs = 3;
    tiny.players = 4;
    tiny.extraTeams = 1;
    tiny.extraTeamPlayers = 1;
    tiny.nationalSquad = 2;
    const auto world = MakeSampleWorld(tiny);
    CManager manager;
    FillSampleManager(manager, *world);
    StateBlock state;
    MemoryFile plain;
    if (!WriteGameStream(plain, *world, manager, state, {}))
        return 1;
    int n = 0;
    for (uint8_t stored : {0, 1}) {
        std::vector<uint8_t> bytes = {stored};
        const std::vector<uint8_t> content =
            stored ? ScrambleBlocks(plain.Bytes(), kSaveGameBlockWords) : plain.Bytes();
        bytes.insert(bytes.end(), content.begin(), content.end());
        const std::string_view seed(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (!WriteSeed(folder / ("seed" + std::to_string(++n)), seed))
            return 1;
    }
    return 0;
}
