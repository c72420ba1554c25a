#include <cstdlib>

#include "platform/DeviceContext.h"
#include "platform/Text.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"
#include "world/Arena.h"
#include "world/ArenaPicture.h"

using namespace ArenaPicture;

namespace {

constexpr int kWeeksTextColour = 7;

// The first pixel of cell i of n along a length; the same split as the hit
// test, so a point always hits the cell drawn under it.
int CellEdge(int i, int n, int length) { return (i * length + n - 1) / n; }

// -1 before the field, 0 beside it, 1 after it, with the distance in blocks.
int Position(int at, int fieldStart, int fieldLength, int& distance) {
    if (at < fieldStart) {
        distance = fieldStart - at;
        return -1;
    }
    if (at >= fieldStart + fieldLength) {
        distance = at - (fieldStart + fieldLength - 1);
        return 1;
    }
    distance = 0;
    return 0;
}

ArenaSide SideOf(int horizontal, int dx, int vertical, int dy) {
    const ArenaSide row = vertical < 0 ? kAbove : kBelow;
    const ArenaSide column = horizontal < 0 ? kLeft : kRight;
    if (horizontal == 0)
        return row;
    if (vertical == 0)
        return column;
    if (dx > dy)
        return column;
    if (dy > dx)
        return row;
    if (vertical < 0)
        return horizontal < 0 ? kAboveLeft : kAboveRight;
    return horizontal < 0 ? kBelowLeft : kBelowRight;
}

// 0 large, 1 middle, 2 small; none for an empty block.
int SizeIndex(uint8_t kind) {
    switch (kind) {
    case kStandingLarge:
    case kSeatsLarge:
        return 0;
    case kStandingMiddle:
    case kSeatsMiddle:
        return 1;
    case kStandingSmall:
    case kSeatsSmall:
        return 2;
    default:
        return -1;
    }
}

Rect TileOf(uint8_t kind, ArenaSide side) {
    const int row = kind >= kSeatsSmall ? kSeatsRow : kStandingRow;
    const int size = SizeIndex(kind);
    const int left = size < 0 ? kFirstEmptyTile + side * kTile
                              : kFirstBlockTile + (side * kSizesPerSide + size) * kTile;
    return {left, row, left + kTile, row + kTile};
}

}  // namespace

void CArena::Draw(const Rect& rect, DeviceContext& dc) const {
    const int columns = GetColumnCount();
    const int rows = GetRowCount();
    if (columns <= 0 || rows <= 0 || rect.IsEmpty() || g_bmpHall.IsEmpty())
        return;
    const int saved = dc.Save();
    dc.SetStretchMode(StretchMode::Nearest);
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(g_skinColours[kWeeksTextColour]);
    auto cell = [&](int x, int y, int spanX = 1, int spanY = 1) {
        return Rect{rect.left + CellEdge(x, columns, rect.Width()), rect.top + CellEdge(y, rows, rect.Height()),
                    rect.left + CellEdge(x + spanX, columns, rect.Width()),
                    rect.top + CellEdge(y + spanY, rows, rect.Height())};
    };
    const int fieldColumn = GetFieldColumn();
    const int fieldRow = GetFieldRow();
    dc.StretchBlt(cell(fieldColumn, fieldRow, kFieldColumns, kFieldRows), g_bmpHall,
                  Rect{0, 0, kFieldWidth, kFieldHeight}, RasterOp::Copy);

    const Rect firstCell = cell(0, 0);
    dc.SelectFont(Font::Point(g_fontFaceName, firstCell.Height() / 2 * kTenthsPerPixelOfHeight));
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            if (IsFieldBlock(x, y))
                continue;
            int dx = 0, dy = 0;
            const int horizontal = Position(x, fieldColumn, kFieldColumns, dx);
            const int vertical = Position(y, fieldRow, kFieldRows, dy);
            const size_t index = static_cast<size_t>(y) * columns + x;
            const Rect target = cell(x, y);
            dc.StretchBlt(target, g_bmpHall, TileOf(GetBlockKind(index), SideOf(horizontal, dx, vertical, dy)),
                          RasterOp::Copy);
            const uint8_t state = GetBlockState(index);
            if (state & kBlockClosed)
                dc.DrawText(Format("%d", state & kBlockWeeksMask), target, TextCentred);
        }
    }
    dc.Restore(saved);
}
