#include "world/Arena.h"
#include "world/PriceRise.h"

#include <algorithm>

// The building works on an arena: blocks, grid lines and the score board,
// with their prices and the weeks that each closes a block.

namespace {

constexpr int kUpgradeWeeks = 3;
constexpr int kConvertWeeks = 2;
constexpr int kGridLineWeeks = 24;
constexpr uint32_t kGridLinePricePerBlock = 40800;
constexpr uint32_t kSeatPricePerPlace = 30;
// Price of the score board by the level it reaches, 1 to 4.
constexpr uint32_t kScoreBoardPrices[CArena::kMaxScoreBoard] = {2000, 10000, 200000, 200000};

enum class Side { kNone, kTop, kBottom, kLeft, kRight };

// One side is meant; should a caller ask for more, a row wins over a
// column and top and left win over their opposites.
Side PickSide(bool top, bool left, bool bottom, bool right) {
    if (top)
        return Side::kTop;
    if (bottom)
        return Side::kBottom;
    if (left)
        return Side::kLeft;
    if (right)
        return Side::kRight;
    return Side::kNone;
}

void InsertColumn(std::vector<uint8_t>& blocks, int width, int height, int at, uint8_t fill) {
    for (int r = 0; r < height; ++r)
        blocks.insert(blocks.begin() + r * (width + 1) + at, fill);
}

void RemoveColumn(std::vector<uint8_t>& blocks, int width, int height, int at) {
    for (int r = 0; r < height; ++r)
        blocks.erase(blocks.begin() + r * (width - 1) + at);
}

}  // namespace

void CArena::AddWeeksOfWork(size_t index, int weeks) {
    // More work than the state can count keeps the block closed at the most
    // weeks it can hold rather than wrapping round to an open block.
    const int total = std::min<int>(kBlockWeeksMask, (GetBlockState(index) & kBlockWeeksMask) + weeks);
    SetBlockState(index, static_cast<uint8_t>(kBlockClosed | total));
}

uint32_t CArena::UpgradeBlock(int column, int row, int32_t inflationPermille) {
    const auto index = GridIndex(column, row);
    if (!index || IsFieldBlock(column, row))
        return 0;
    const uint8_t kind = blockKinds_[*index];
    if (kind == kStandingLarge || kind >= kSeatsLarge)
        return 0;
    const uint8_t newKind = kind + 1;
    blockKinds_[*index] = newKind;
    AddWeeksOfWork(*index, kUpgradeWeeks);
    const uint32_t price =
        (PlacesOfBlockKind(newKind) - PlacesOfBlockKind(kind)) * ((newKind / 3) * 6 + 12) * 5;
    return RaiseByPriceRise(price, inflationPermille);
}

bool CArena::DowngradeBlock(int column, int row) {
    const auto index = GridIndex(column, row);
    if (!index || IsFieldBlock(column, row))
        return false;
    const uint8_t kind = blockKinds_[*index];
    if (kind == kBlockEmpty || kind == kStandingSmall || kind == kSeatsSmall || kind == kSeatsNoPlaces)
        return false;
    blockKinds_[*index] = kind - 1;
    return true;
}

// An empty block stays empty and costs nothing, yet is closed for the weeks
// of work all the same.
uint32_t CArena::ConvertToSeats(int column, int row, int32_t inflationPermille) {
    const auto index = GridIndex(column, row);
    if (!index || IsFieldBlock(column, row))
        return 0;
    const uint8_t kind = blockKinds_[*index];
    if (kind >= kSeatsSmall)
        return 0;
    const uint8_t newKind = kind == kBlockEmpty ? kBlockEmpty : kind + (kSeatsSmall - kStandingSmall);
    blockKinds_[*index] = newKind;
    AddWeeksOfWork(*index, kConvertWeeks);
    return RaiseByPriceRise(PlacesOfBlockKind(newKind) * kSeatPricePerPlace, inflationPermille);
}

// New blocks are open and finished; callers close a new line through
// GetGridLineCost.
bool CArena::AddGridLine(bool top, bool left, bool bottom, bool right, uint8_t fillKind) {
    FitListsToGrid();
    const int width = GetColumnCount();
    const int height = GetRowCount();
    switch (PickSide(top, left, bottom, right)) {
    case Side::kTop:
        if (LowNibble(rows_) >= kMaxLinesBeforeField)
            return false;
        rows_ += 0x01;
        blockKinds_.insert(blockKinds_.begin(), width, fillKind);
        blockStates_.insert(blockStates_.begin(), width, 0);
        break;
    case Side::kBottom:
        if (HighNibble(rows_) >= kMaxRowsHigh)
            return false;
        rows_ += 0x10;
        blockKinds_.insert(blockKinds_.end(), width, fillKind);
        blockStates_.insert(blockStates_.end(), width, 0);
        break;
    case Side::kLeft:
        if (LowNibble(columns_) >= kMaxLinesBeforeField)
            return false;
        columns_ += 0x01;
        InsertColumn(blockKinds_, width, height, 0, fillKind);
        InsertColumn(blockStates_, width, height, 0, 0);
        break;
    case Side::kRight:
        if (HighNibble(columns_) >= kMaxColumnsHigh)
            return false;
        columns_ += 0x10;
        InsertColumn(blockKinds_, width, height, width, fillKind);
        InsertColumn(blockStates_, width, height, width, 0);
        break;
    case Side::kNone:
        break;
    }
    return true;
}

bool CArena::RemoveGridLine(bool top, bool left, bool bottom, bool right) {
    FitListsToGrid();
    const int width = GetColumnCount();
    const int height = GetRowCount();
    switch (PickSide(top, left, bottom, right)) {
    case Side::kTop:
        if (LowNibble(rows_) == 0)
            return false;
        rows_ -= 0x01;
        blockKinds_.erase(blockKinds_.begin(), blockKinds_.begin() + width);
        blockStates_.erase(blockStates_.begin(), blockStates_.begin() + width);
        break;
    case Side::kBottom:
        if (HighNibble(rows_) <= kMinRowsHigh)
            return false;
        rows_ -= 0x10;
        blockKinds_.resize(blockKinds_.size() - width);
        blockStates_.resize(blockStates_.size() - width);
        break;
    case Side::kLeft:
        if (LowNibble(columns_) == 0)
            return false;
        columns_ -= 0x01;
        RemoveColumn(blockKinds_, width, height, 0);
        RemoveColumn(blockStates_, width, height, 0);
        break;
    case Side::kRight:
        if (HighNibble(columns_) <= kMinColumnsHigh)
            return false;
        columns_ -= 0x10;
        RemoveColumn(blockKinds_, width, height, width - 1);
        RemoveColumn(blockStates_, width, height, width - 1);
        break;
    case Side::kNone:
        break;
    }
    return true;
}

uint32_t CArena::GetGridLineCost(bool top, bool bottom, bool left, bool right, bool close,
                                 int32_t inflationPermille) {
    const Side side = PickSide(top, left, bottom, right);
    if (side == Side::kNone)
        return 0;
    const int width = GetColumnCount();
    const int height = GetRowCount();
    const bool isRow = side == Side::kTop || side == Side::kBottom;
    const int blocks = isRow ? width : height;
    if (close) {
        const int line = (side == Side::kTop || side == Side::kLeft) ? 0 : (isRow ? height - 1 : width - 1);
        for (int i = 0; i < blocks; ++i) {
            const auto index = isRow ? GridIndex(i, line) : GridIndex(line, i);
            if (index)
                AddWeeksOfWork(*index, kGridLineWeeks);
        }
    }
    return RaiseByPriceRise(blocks * kGridLinePricePerBlock, inflationPermille);
}

uint32_t CArena::UpgradeScoreBoard(int32_t inflationPermille) {
    if (scoreBoard_ >= kMaxScoreBoard)
        return 0;
    const uint32_t price = kScoreBoardPrices[scoreBoard_];
    ++scoreBoard_;
    return price + (price / 1000) * static_cast<uint32_t>(inflationPermille);
}
