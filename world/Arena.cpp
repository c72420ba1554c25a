#include "world/Arena.h"

#include <algorithm>

const uint32_t g_arenaCapacity[kArenaBlockKindCount] = {0, 200, 100, 50, 200, 100, 50, 0};

uint32_t PlacesOfBlockKind(uint8_t kind) {
    return kind < kArenaBlockKindCount ? g_arenaCapacity[kArenaBlockKindCount - 1 - kind] : 0;
}

namespace {

// The default arena: the field in rows 0-1 and one row of three standing
// blocks of 100 places below it.
constexpr uint8_t kDefaultGridByte = 0x30;
const std::vector<uint8_t> kDefaultBlockKinds = {0, 0, 0, 0, 0, 0, 2, 2, 2};

bool IsSeatKind(uint8_t kind) { return kind >= kSeatsSmall; }

}  // namespace

CArena::CArena()
    : blockKinds_(kDefaultBlockKinds), rows_(kDefaultGridByte), columns_(kDefaultGridByte) {}

int CArena::GetColumnCount() const { return LowNibble(columns_) + HighNibble(columns_); }
int CArena::GetRowCount() const { return LowNibble(rows_) + HighNibble(rows_); }
int CArena::GetFieldColumn() const { return LowNibble(columns_); }
int CArena::GetFieldRow() const { return LowNibble(rows_); }

bool CArena::IsValidGrid(uint8_t rows, uint8_t columns) {
    return LowNibble(rows) <= kMaxLinesBeforeField && HighNibble(rows) >= kMinRowsHigh &&
           HighNibble(rows) <= kMaxRowsHigh && LowNibble(columns) <= kMaxLinesBeforeField &&
           HighNibble(columns) >= kMinColumnsHigh && HighNibble(columns) <= kMaxColumnsHigh;
}

bool CArena::IsFieldBlock(int column, int row) const {
    const int c = column - GetFieldColumn();
    const int r = row - GetFieldRow();
    return c >= 0 && c < kFieldColumns && r >= 0 && r < kFieldRows;
}

std::optional<size_t> CArena::GridIndex(int column, int row) const {
    if (column < 0 || column >= GetColumnCount() || row < 0 || row >= GetRowCount())
        return std::nullopt;
    const size_t index = static_cast<size_t>(row) * GetColumnCount() + column;
    if (index >= blockKinds_.size())
        return std::nullopt;
    return index;
}

uint8_t CArena::GetBlockKind(size_t index) const {
    return index < blockKinds_.size() ? blockKinds_[index] : uint8_t{kBlockEmpty};
}

bool CArena::SetBlockKind(size_t index, uint8_t kind) {
    if (index >= blockKinds_.size() || kind >= kArenaBlockKindCount)
        return false;
    blockKinds_[index] = kind;
    return true;
}

uint8_t CArena::GetBlockStateAt(int column, int row) const {
    const auto index = GridIndex(column, row);
    return index ? GetBlockState(*index) : 0;
}

bool CArena::SetBlockState(size_t index, uint8_t state) {
    if (index >= blockKinds_.size())
        return false;
    if (blockStates_.size() < blockKinds_.size())
        blockStates_.resize(blockKinds_.size(), 0);
    blockStates_[index] = state;
    return true;
}

uint32_t CArena::CountPlaces(bool seats, bool includeClosed) const {
    uint32_t places = 0;
    for (size_t i = 0; i < blockKinds_.size(); ++i) {
        const uint8_t kind = blockKinds_[i];
        if (IsSeatKind(kind) != seats)
            continue;
        if (includeClosed || !(GetBlockState(i) & kBlockClosed))
            places += PlacesOfBlockKind(kind);
    }
    return places;
}

CArena::OpenPlaces CArena::CountOpenPlaces() const {
    OpenPlaces open;
    for (size_t i = 0; i < blockKinds_.size(); ++i) {
        const uint8_t kind = blockKinds_[i];
        if (GetBlockState(i) & kBlockClosed)
            continue;
        (IsSeatKind(kind) ? open.seats : open.standing) += PlacesOfBlockKind(kind);
    }
    open.capacity = std::max<uint32_t>(1, open.standing + open.seats);
    return open;
}

uint32_t CArena::CountPlacesUnderConstruction(bool seats) const {
    uint32_t places = 0;
    for (size_t i = 0; i < blockKinds_.size(); ++i)
        if (IsSeatKind(blockKinds_[i]) == seats && (GetBlockState(i) & kBlockWeeksMask))
            places += PlacesOfBlockKind(blockKinds_[i]);
    return places;
}

int CArena::GetLongestBuildTime() const {
    int weeks = 0;
    for (size_t i = 0; i < blockKinds_.size(); ++i)
        weeks = std::max(weeks, GetBlockState(i) & kBlockWeeksMask);
    return weeks;
}

void CArena::CountDownConstruction() {
    for (uint8_t& state : blockStates_) {
        const int weeks = state & kBlockWeeksMask;
        if (weeks == 0)
            continue;
        state = weeks == 1 ? 0 : static_cast<uint8_t>(state - 1);
    }
}

bool CArena::ClearFieldArea() {
    FitListsToGrid();
    for (int r = 0; r < kFieldRows; ++r)
        for (int c = 0; c < kFieldColumns; ++c)
            blockKinds_[*GridIndex(GetFieldColumn() + c, GetFieldRow() + r)] = kBlockEmpty;
    scoreBoard_ = std::min<uint8_t>(scoreBoard_, kMaxScoreBoard);
    return true;
}

void CArena::FitListsToGrid() {
    blockKinds_.resize(static_cast<size_t>(GetColumnCount()) * GetRowCount(), kBlockEmpty);
    blockStates_.resize(blockKinds_.size(), 0);
}

std::optional<Point> CArena::HitTestCell(int x, int y, const Rect& rect) const {
    if (!rect.Contains({x, y}))
        return std::nullopt;
    return Point{(x - rect.left) * GetColumnCount() / rect.Width(),
                 (y - rect.top) * GetRowCount() / rect.Height()};
}
