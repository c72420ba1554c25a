#include "app/SaveGameFile.h"

#include <filesystem>
#include <system_error>

#include "app/BlockScrambler.h"
#include "platform/BinaryFile.h"
#include "platform/Path.h"
#include "world/Manager.h"
#include "world/World.h"

namespace {

constexpr size_t kFileShare = 50;
constexpr uint8_t kSaveGameForm = 1;

// The interval's values in its two bits.
constexpr uint32_t kAutosaveShift = 24;
constexpr uint32_t kAutosaveEveryOtherWeek = 1;
constexpr uint32_t kAutosaveEveryFourthWeek = 2;

void Report(const SaveProgress& progress, int percent) {
    if (progress)
        progress(percent);
}

// The file's blocks as half of a save or a load: `base` to `base` + 50 per
// cent, reported whenever the shown value grows.
BlockCount BlockShare(const SaveProgress& progress, int base) {
    if (!progress)
        return {};
    return [&progress, base, shown = -1](size_t done, size_t blocks) mutable {
        const int percent = base + static_cast<int>(done * kFileShare / blocks);
        if (percent > shown) {
            shown = percent;
            progress(percent);
        }
    };
}

}  // namespace

LoadedGame::LoadedGame() : world(std::make_unique<CWorld>()), manager(std::make_unique<CManager>()) {
    manager->world = world.get();
}

LoadedGame::~LoadedGame() = default;

bool WriteCareerLists(BinaryFile& f, const CManager& m) {
    return WriteStringList(f, m.statisticsBookmarkNames) && WriteNumberArray(f, m.statisticsBookmarks) &&
           WriteNumberArray(f, m.clubCareerRows) && WriteStringList(f, m.clubCareerNames) &&
           WriteNumberArray(f, m.nationalCareerRows) && WriteStringList(f, m.nationalCareerNames);
}

bool ReadCareerLists(BinaryFile& f, CManager& m) {
    return ReadStringList(f, m.statisticsBookmarkNames) && ReadNumberArray(f, m.statisticsBookmarks) &&
           ReadNumberArray(f, m.clubCareerRows) && ReadStringList(f, m.clubCareerNames) &&
           ReadNumberArray(f, m.nationalCareerRows) && ReadStringList(f, m.nationalCareerNames);
}

bool WriteGameStream(BinaryFile& f, const CWorld& world, const CManager& manager, StateBlock& state,
                     const SaveProgress& progress) {
    state.options |= kOptCareerLists;
    if (!world.Write(f, kSaveGameForm))
        return false;
    Report(progress, 40);
    if (!manager.Write(f))
        return false;
    Report(progress, 45);
    if (!WriteStateBlock(f, state))
        return false;
    Report(progress, 48);
    if (!WriteCareerLists(f, manager))
        return false;
    Report(progress, 50);
    return true;
}

bool ReadGameStream(BinaryFile& f, LoadedGame& game, const SaveProgress& progress) {
    if (!game.world->Read(f, kSaveGameForm))
        return false;
    Report(progress, 90);
    if (!game.manager->Read(f))
        return false;
    Report(progress, 95);
    if (!ReadStateBlock(f, game.state))
        return false;
    Report(progress, 98);
    CManager& m = *game.manager;
    if (game.state.options & kOptCareerLists) {
        if (!ReadCareerLists(f, m))
            return false;
    } else {
        m.statisticsBookmarkNames.clear();
        m.statisticsBookmarks.clear();
        m.clubCareerRows.clear();
        m.clubCareerNames.clear();
        m.nationalCareerRows.clear();
        m.nationalCareerNames.clear();
    }
    Report(progress, 100);
    return true;
}

bool WriteSaveFile(const std::string& storedPath, const std::vector<uint8_t>& stream,
                   const SaveProgress& progress) {
    std::error_code ec;
    std::filesystem::create_directories(ResolvePath(storedPath).parent_path(), ec);
    return WriteScrambledFile(storedPath, stream, kSaveGameBlockWords, BlockShare(progress, 50));
}

bool ReadSaveFile(const std::string& storedPath, std::vector<uint8_t>& stream, const SaveProgress& progress) {
    return ReadScrambledFile(storedPath, stream, kSaveGameBlockWords, BlockShare(progress, 0));
}

// The new save is whole on disk before the old ones move: a save that
// fails leaves both automatic saves as they were.
bool WriteAutosave(const std::vector<uint8_t>& stream, const SaveProgress& progress) {
    if (!WriteSaveFile(kFreshAutosavePath, stream, progress))
        return false;
    std::error_code ec;
    std::filesystem::remove(ResolvePath(kOlderAutosavePath), ec);
    if (std::filesystem::exists(ResolvePath(kAutosavePath), ec))
        MoveFileDurably(kAutosavePath, kOlderAutosavePath);
    return MoveFileDurably(kFreshAutosavePath, kAutosavePath);
}

bool AutosaveDue(uint32_t options, uint32_t seasonWeek) {
    switch ((options & kOptAutosaveInterval) >> kAutosaveShift) {
    case kAutosaveEveryOtherWeek:
        return seasonWeek % 2 == 0;
    case kAutosaveEveryFourthWeek:
        return seasonWeek % 4 == 0;
    default:
        return false;
    }
}
