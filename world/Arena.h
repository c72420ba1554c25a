#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Geometry.h"

class BinaryFile;
class DeviceContext;

// Block kinds of the arena grid: three sizes of standing places, three of
// seats. Kind 7 is counted with the seats and holds no places.
enum ArenaBlockKind : uint8_t {
    kBlockEmpty = 0,
    kStandingSmall = 1,
    kStandingMiddle = 2,
    kStandingLarge = 3,
    kSeatsSmall = 4,
    kSeatsMiddle = 5,
    kSeatsLarge = 6,
    kSeatsNoPlaces = 7,
};
constexpr int kArenaBlockKindCount = 8;

// Places of a block, read at index 7 - kind.
extern const uint32_t g_arenaCapacity[kArenaBlockKindCount];
uint32_t PlacesOfBlockKind(uint8_t kind);

// Score-board levels 0-4, named by g_scoreBoardNames (engine/ScreenWords.h).
constexpr int kScoreBoardLevelCount = 5;

// Block state byte: the closed bit marks a block under construction, which
// holds no places; the low bits count the weeks of work left.
constexpr uint8_t kBlockClosed = 0x80;
constexpr uint8_t kBlockWeeksMask = 0x7F;

// A team's arena: a grid of blocks around a playing field of 3 x 2 blocks,
// a score board, and the state of the building works.
//
// The grid's size is kept as two bytes of two nibbles each. Rows: low nibble
// the rows above the field, high nibble the field's two rows plus the rows
// below. Columns: low nibble the columns left of the field, high nibble the
// field's three columns plus the columns right of it. Blocks are stored row
// by row, block (column x, row y) at index y * width + x.
//
// Prices take the world's price rise in per mille since its start year.
class CArena {
public:
    static constexpr int kFieldColumns = 3;
    static constexpr int kFieldRows = 2;
    static constexpr int kMaxScoreBoard = kScoreBoardLevelCount - 1;
    // Limits of the grid nibbles: lines before the field, and the field's
    // lines plus those after it.
    static constexpr int kMaxLinesBeforeField = 5;
    static constexpr int kMinRowsHigh = kFieldRows;
    static constexpr int kMaxRowsHigh = 7;
    static constexpr int kMinColumnsHigh = kFieldColumns;
    static constexpr int kMaxColumnsHigh = 8;

    CArena();

    const std::string& GetName() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    uint8_t GetScoreBoard() const { return scoreBoard_; }
    void SetScoreBoard(uint8_t level) { scoreBoard_ = level; }

    // Grid.
    int GetColumnCount() const;
    int GetRowCount() const;
    int GetFieldColumn() const;
    int GetFieldRow() const;
    bool IsFieldBlock(int column, int row) const;
    const std::vector<uint8_t>& GetBlockKinds() const { return blockKinds_; }
    uint8_t GetBlockKind(size_t index) const;
    // False for an index beyond the kind list or a kind above 7.
    bool SetBlockKind(size_t index, uint8_t kind);
    // The state list may be shorter than the kind list; missing states are 0.
    uint8_t GetBlockState(size_t index) const {
        return index < blockStates_.size() ? blockStates_[index] : 0;
    }
    uint8_t GetBlockStateAt(int column, int row) const;
    // False for an index beyond the kind list.
    bool SetBlockState(size_t index, uint8_t state);

    // Places.
    // The places of the open blocks, standing and seated, counted in one
    // pass: the income and attendance forecasts ask for all three.
    struct OpenPlaces {
        uint32_t standing = 0;
        uint32_t seats = 0;
        uint32_t capacity = 1;  // both, and at least 1
    };
    OpenPlaces CountOpenPlaces() const;
    uint32_t GetCapacity() const { return CountOpenPlaces().capacity; }
    uint32_t CountPlaces(bool seats, bool includeClosed) const;
    uint32_t CountPlacesUnderConstruction(bool seats) const;
    int GetLongestBuildTime() const;

    // Building works. A price of 0 means nothing was done (see
    // ConvertToSeats for its one exception).
    uint32_t UpgradeBlock(int column, int row, int32_t inflationPermille);
    bool DowngradeBlock(int column, int row);
    uint32_t ConvertToSeats(int column, int row, int32_t inflationPermille);
    bool AddGridLine(bool top, bool left, bool bottom, bool right, uint8_t fillKind);
    bool RemoveGridLine(bool top, bool left, bool bottom, bool right);
    // Note the order of the sides, unlike AddGridLine.
    uint32_t GetGridLineCost(bool top, bool bottom, bool left, bool right, bool close,
                             int32_t inflationPermille);
    uint32_t UpgradeScoreBoard(int32_t inflationPermille);
    void CountDownConstruction();
    bool ClearFieldArea();

    void CopyFrom(const CArena& other) { *this = other; }
    // The block (column, row) under a point of the rectangle the arena is
    // drawn into; none for a point outside it.
    std::optional<Point> HitTestCell(int x, int y, const Rect& rect) const;
    // Paints the grid into the rectangle from the skin's arena picture
    // (ArenaPicture.h): the field over its blocks, a tile per block, and the
    // weeks of work left on each closed block.
    void Draw(const Rect& rect, DeviceContext& dc) const;
    // Runs the editor's "edit stadium" dialog; it changes the blocks
    // directly, and the arena takes name and score board back from it.
    bool Edit();

    // Block states are written only with the save-game flag.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    // On failure the arena keeps its old values.
    bool Read(BinaryFile& f, uint8_t saveGame);

private:
    static int LowNibble(uint8_t b) { return b & 0x0F; }
    static int HighNibble(uint8_t b) { return b >> 4; }
    static bool IsValidGrid(uint8_t rows, uint8_t columns);

    std::optional<size_t> GridIndex(int column, int row) const;
    void FitListsToGrid();
    void AddWeeksOfWork(size_t index, int weeks);

    std::string name_;
    uint8_t scoreBoard_ = 0;
    uint16_t reservedWord_ = 0;  // kept, copied and saved; nothing reads it
    std::vector<uint8_t> blockStates_;
    std::vector<uint8_t> blockKinds_;
    uint8_t reservedByte_ = 0;  // kept, copied and saved; nothing reads it
    uint8_t rows_;
    uint8_t columns_;
};
