#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/StateBlock.h"

class BinaryFile;
class CManager;
class CWorld;

// A saved game is one file in the "Save\" folder: the world, the manager,
// the state block and the manager's statistics favourites and career lists,
// in that order, scrambled in blocks of 4096 bytes. There is no header: a
// foreign file is known only by its readers failing.
constexpr const char* kSaveFolder = "Save\\";
constexpr const char* kSaveExtension = "ksv";
// Automatic saves rotate: the newest, and the one before it.
constexpr const char* kAutosaveName = "auto";
constexpr const char* kAutosavePath = "Save\\Auto.ksv";
constexpr const char* kOlderAutosavePath = "Save\\Auto2.ksv";
// Where an automatic save is written before the two move; not a save
// game to the file browser, which lists only the save extension.
constexpr const char* kFreshAutosavePath = "Save\\Auto.new";

// How far a save or a load has come, in per cent.
using SaveProgress = std::function<void(int percent)>;

// A game read from a file, apart from the running one: the running game is
// replaced only once every part has been read whole.
struct LoadedGame {
    LoadedGame();
    ~LoadedGame();
    std::unique_ptr<CWorld> world;
    std::unique_ptr<CManager> manager;  // his world is `world`
    StateBlock state;
};

// The four parts into one stream; the career lists are always written, and
// the option word says so. Progress 40, 45, 48 and 50 after the parts.
bool WriteGameStream(BinaryFile& f, const CWorld& world, const CManager& manager, StateBlock& state,
                     const SaveProgress& progress);
// The stream back into `game`; progress 90, 95, 98 and 100. A file whose
// option word lacks the career lists loads with those lists empty.
bool ReadGameStream(BinaryFile& f, LoadedGame& game, const SaveProgress& progress);

// The favourites and career lists of the manager (the stream's fourth part).
bool WriteCareerLists(BinaryFile& f, const CManager& manager);
bool ReadCareerLists(BinaryFile& f, CManager& manager);

// The stream onto disk, scrambled, padded to whole blocks; written beside
// the target and moved into place only when all is on disk, so the old file
// stays whole whatever happens. Progress runs from 50 to 100.
bool WriteSaveFile(const std::string& storedPath, const std::vector<uint8_t>& stream,
                   const SaveProgress& progress);
// The file unscrambled, whole blocks only; progress runs from 0 to 50.
// False when the file is missing or not a whole number of blocks.
bool ReadSaveFile(const std::string& storedPath, std::vector<uint8_t>& stream, const SaveProgress& progress);

// An automatic save: the new file becomes the newest, the newest the older
// one, and the older one goes. The new file is whole before anything moves.
bool WriteAutosave(const std::vector<uint8_t>& stream, const SaveProgress& progress);

// Bits 24-25 of the option word: how often the game saves itself.
constexpr uint32_t kOptAutosaveInterval = 0x03000000;

// Whether the Monday that began this season week saves the game itself, by
// the option word's interval: every other week, every fourth, or never.
bool AutosaveDue(uint32_t options, uint32_t seasonWeek);
