#include "world/Arena.h"

#include <algorithm>
#include <utility>

#include "platform/BinaryFile.h"

// The arena's file form. Block states belong to the running season and are
// written only with the save-game flag; a world file leaves every block open
// and finished.

namespace {

bool WriteByteList(BinaryFile& f, const std::vector<uint8_t>& bytes) {
    f.Write(static_cast<uint8_t>(bytes.size()));
    return f.WriteBytes(bytes.data(), bytes.size());
}

bool ReadByteList(BinaryFile& f, std::vector<uint8_t>& bytes) {
    uint8_t count = 0;
    if (!f.Read(count))
        return false;
    bytes.resize(count);
    return f.ReadBytes(bytes.data(), count);
}

}  // namespace

bool CArena::Write(BinaryFile& f, uint8_t saveGame) const {
    if (saveGame)
        WriteByteList(f, blockStates_);
    f.Write(scoreBoard_);
    f.Write(reservedByte_);
    WriteByteList(f, blockKinds_);
    f.Write(columns_);
    f.Write(rows_);
    f.WriteString(name_);
    f.Write(reservedWord_);
    return f.Ok();
}

// Beyond a short file, a grid outside its limits, an unknown block kind or
// score-board level is refused: the drawing, the place counts and the
// screens index tables with them.
bool CArena::Read(BinaryFile& f, uint8_t saveGame) {
    CArena a;
    if (saveGame)
        ReadByteList(f, a.blockStates_);
    f.Read(a.scoreBoard_);
    f.Read(a.reservedByte_);
    ReadByteList(f, a.blockKinds_);
    f.Read(a.columns_);
    f.Read(a.rows_);
    f.ReadString(a.name_);
    f.Read(a.reservedWord_);
    if (!f.Ok())
        return false;
    const bool kindsKnown = std::all_of(a.blockKinds_.begin(), a.blockKinds_.end(),
                                        [](uint8_t k) { return k < kArenaBlockKindCount; });
    if (!kindsKnown || a.scoreBoard_ > kMaxScoreBoard || !IsValidGrid(a.rows_, a.columns_))
        return false;
    *this = std::move(a);
    return true;
}
