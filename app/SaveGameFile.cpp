#include "app/SaveGameFile.h"

#include <filesystem>
#include <system_error>

#include "app/BlockScrambler.h"
#include "platform/BinaryFile.h"
#include "platform/Path.h"
#include "world/Manager.h"
#include "world/World.h"

namespace {

constexpr size_t kBlockBytes = kSaveGameBlockWords * 4;
constexpr uint8_t kSaveGameForm = 1;

// The interval's values in its two bits.
constexpr uint32_t kAutosaveShift = 24;
constexpr uint32_t kAutosaveEveryOtherWeek = 1;
constexpr uint32_t kAutosaveEveryFourthWeek = 2;

void Report(const SaveProgress& progress, int percent) {
    if (progress)
        progress(percent);
}

// Reports a share of `span` per cent above `base` whenever it grows.
class BlockProgress {
public:
    BlockProgress(const SaveProgress& progress, int base, size_t blocks)
        : progress_(progress), base_(base), blocks_(blocks) {}
    void Done(size_t block) {
        const int percent = base_ + static_cast<int>(block * kSpan / blocks_);
        if (percent > shown_) {
            shown_ = percent;
            Report(progress_, percent);
        }
    }

private:
    static constexpr size_t kSpan = 50;
    const SaveProgress& progress_;
    int base_;
    size_t blocks_;
    int shown_ = -1;
};

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
    std::unique_ptr<DiskFile> file = DiskFile::OpenWrite(storedPath);
    if (!file)
        return false;
    const size_t blocks = (stream.size() + kBlockBytes - 1) / kBlockBytes;
    BlockProgress shown(progress, 50, blocks);
    std::vector<uint8_t> block(kBlockBytes);
    for (size_t i = 0; i < blocks; ++i) {
        const size_t offset = i * kBlockBytes;
        const size_t n = std::min(kBlockBytes, stream.size() - offset);
        std::fill(std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(offset), n, block.begin()),
                  block.end(), uint8_t{0});
        ScrambleBlock(block.data(), kSaveGameBlockWords, static_cast<uint32_t>(i));
        if (!file->WriteBytes(block.data(), block.size()))
            return false;
        shown.Done(i);
    }
    return file->Commit();
}

bool ReadSaveFile(const std::string& storedPath, std::vector<uint8_t>& stream, const SaveProgress& progress) {
    std::unique_ptr<DiskFile> file = DiskFile::OpenRead(storedPath);
    if (!file)
        return false;
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(ResolvePath(storedPath), ec);
    if (ec || size % kBlockBytes != 0)
        return false;
    const size_t blocks = static_cast<size_t>(size / kBlockBytes);
    BlockProgress shown(progress, 0, blocks);
    std::vector<uint8_t> plain;
    plain.reserve(static_cast<size_t>(size));
    std::vector<uint8_t> block(kBlockBytes);
    for (size_t i = 0; i < blocks; ++i) {
        if (!file->ReadBytes(block.data(), block.size()))
            return false;
        ScrambleBlock(block.data(), kSaveGameBlockWords, static_cast<uint32_t>(i));
        plain.insert(plain.end(), block.begin(), block.end());
        shown.Done(i);
    }
    stream = std::move(plain);
    return true;
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
