#include "ui/MaskedIcon.h"

#include "ui/SkinBitmaps.h"

namespace {

Rect CellAt(Point p) { return {p.x, p.y, p.x + kIconCell, p.y + kIconCell}; }

}  // namespace

void DrawMaskedIcon(DeviceContext& dc, const Rect& dst, const IconCells& cells) {
    dc.StretchBlt(dst, g_bmpPics, CellAt(cells.mask), RasterOp::And);
    dc.StretchBlt(dst, g_bmpPics, CellAt(cells.picture), RasterOp::Or);
}
