#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/SaveGameFile.h"
#include "fuzz/FuzzProgramFolder.h"
#include "platform/BinaryFile.h"
#include "squad/Training.h"
#include "squad/WeekPlanNames.h"
#include "world/World.h"

namespace {

const std::filesystem::path kSaveFile = std::filesystem::path("Save") / "Fuzz.ksv";
constexpr const char* kSavePath = "Save\\Fuzz.ksv";

// The low bit of the first byte says what the rest is: 1 the file as it is
// stored, read through the save-file reader; 0 the stream after
// unscrambling, which reaches the game readers without the block padding.
bool StreamOf(const FuzzProgramFolder& folder, const uint8_t* data, size_t size, std::vector<uint8_t>& stream) {
    if (!(data[0] & 1)) {
        stream.assign(data + 1, data + size);
        return true;
    }
    folder.WriteFile(kSaveFile, data + 1, size - 1);
    return ReadSaveFile(kSavePath, stream, {});
}

}  // namespace

// A read game writes back. A manager read whole takes over the free week
// plans and their names: they go back to the program's start after each
// input so that no input sees another's.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzProgramFolder folder;
    if (size == 0)
        return 0;
    std::vector<uint8_t> stream;
    if (!StreamOf(folder, data, size, stream))
        return 0;
    MemoryFile file(std::move(stream));
    LoadedGame game;
    if (ReadGameStream(file, game, {})) {
        MemoryFile out;
        if (!WriteGameStream(out, *game.world, *game.manager, game.state, {}))
            std::abort();
    }
    ResetFreeWeekPlans();
    ResetWeekPlanNames();
    return 0;
}
