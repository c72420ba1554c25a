// The painters of the week planning: a training unit's icon on the colour
// of its group of kinds, and the band behind the plan's rows.
#include "ui/KeepTools.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "world/Team.h"

namespace {

// The groups of unit kinds: condition, technique, rest and games, team
// tactics, set plays and the training match.
Colour UnitKindColour(int kind) {
    if (kind < 9)
        return Rgb(255, 128, 128);
    if (kind < 18)
        return Rgb(255, 255, 128);
    if (kind < 21)
        return Rgb(128, 255, 128);
    if (kind < 25)
        return Rgb(192, 192, 192);
    return Rgb(128, 128, 255);
}

constexpr int kPictureColumns = 10;
// Three rows of pictures, each followed by the row of their masks.
constexpr int kPictureAndMaskRows = 6;

// Outlines inward, darkest outside; the sides close in by a pixel a ring,
// the top as fast and the bottom a third as fast, so the light middle
// sinks toward the bottom where the picture stands.
void ShadeIconBackground(const Rect& r, Colour c, DeviceContext& dc) {
    const int halfWidth = r.Width() / 2;
    if (halfWidth <= 0)
        return;
    const int step = 1280 / halfWidth;
    for (Rect ring = r; ring.Width() >= 0; ring.left++, ring.right--) {
        dc.SelectPen(Pen::Solid(1, Darken(c, ((ring.Width() / 2) * step) / 10)));
        dc.MoveTo(ring.left, ring.top);
        dc.LineTo(ring.left, ring.bottom);
        dc.LineTo(ring.right, ring.bottom);
        dc.LineTo(ring.right, ring.top);
        dc.LineTo(ring.left, ring.top);
        if (ring.Height() >= 1) {
            ring.top++;
            if (ring.Height() % 3 == 0)
                ring.bottom--;
        }
    }
}

void DrawUnitPicture(int kind, const Rect& r, DeviceContext& dc) {
    const int cell = g_bmpTraining.Height() / kPictureAndMaskRows;
    const int x = ((kind - 1) % kPictureColumns) * cell;
    const int y = ((kind - 1) / kPictureColumns) * 2 * cell;
    const Rect dst{r.left + r.Width() / 4, r.top + r.Height() / 2, r.right - r.Width() / 4, r.bottom};
    const StretchMode old = dc.SetStretchMode(StretchMode::Filtered);
    dc.StretchBlt(dst, g_bmpTraining, {x, y + cell, x + cell, y + 2 * cell}, RasterOp::And);
    dc.StretchBlt(dst, g_bmpTraining, {x, y, x + cell, y + cell}, RasterOp::Or);
    dc.SetStretchMode(old);
}

}  // namespace

void CTeam::DrawTrainingUnitIcon(int kind, const Rect& r, DeviceContext& dc) {
    KeepTools keep(dc);
    ShadeIconBackground(r, UnitKindColour(kind), dc);
    DrawUnitPicture(kind, r, dc);
}

void CTeam::FillTubeBand(uint32_t colour, const Rect& r, DeviceContext& dc) { FillTubeRect(colour, r, dc, 0); }
