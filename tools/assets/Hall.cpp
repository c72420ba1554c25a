#include <cmath>
#include <numbers>
#include <vector>

#include "tools/assets/Art.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"
#include "world/ArenaPicture.h"

// The layout is the arena painter's own (world/ArenaPicture.h), so the two
// cannot drift apart.
using namespace ArenaPicture;

namespace {

// The direction a block's rows face: toward the field.
struct Facing {
    int dx;  // -1 field to the left, 1 to the right, 0 neither
    int dy;  // -1 field above, 1 below
};

// By ArenaSide: a block above the field faces down to it, and so on.
constexpr Facing kFacing[kSideCount] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};

// Rows of seats or a standing terrace; rows count from the field side.
void Block(Bitmap& b, int x, int y, Facing f, int rows, bool seats, uint32_t seed) {
    Bitmap tile(kTile, kTile);
    FillVertical(tile, Rect{0, 0, kTile, kTile}, Rgb(58, 64, 78), Rgb(44, 50, 62));
    Layer l(kTile, kTile);
    const bool vertical = f.dy == 0;  // rows run up and down beside the field
    const double step = kTile / 6.0;
    uint32_t state = seed;
    for (int r = 0; r < rows; ++r) {
        // Row r from the field side.
        const double near = (vertical ? (f.dx > 0 ? kTile - (r + 1) * step : r * step)
                                      : (f.dy > 0 ? kTile - (r + 1) * step : r * step));
        for (int i = 0; i < 6; ++i) {
            state = state * 1103515245u + 12345u;
            const double a = i * step + 1, z = near + 1;
            const double l0 = vertical ? z : a, t0 = vertical ? a : z;
            if (seats) {
                l.RoundRect(l0, t0, l0 + step - 2, t0 + step - 2, 1.2, (r % 2) ? palette::kSteel : palette::kSky);
            } else {
                l.Box(vertical ? l0 - 1 : a - 1, vertical ? a - 1 : t0 - 1, vertical ? l0 + step - 1 : a + step - 1,
                      vertical ? a + step - 1 : t0 + step - 1, Rgb(92, 96, 106));
                const Colour fan[] = {palette::kOrange, palette::kWhite, palette::kAmber, palette::kSky};
                l.Ellipse(l0 + 1, t0 + 1, l0 + step - 3, t0 + step - 3, fan[(state >> 16) % 4]);
            }
        }
    }
    l.DrawOnto(tile, 0, 0);
    const Rect edge = f.dy > 0 ? Rect{0, kTile - 2, kTile, kTile} : f.dy < 0 ? Rect{0, 0, kTile, 2}
                    : f.dx > 0 ? Rect{kTile - 2, 0, kTile, kTile} : Rect{0, 0, 2, kTile};
    BlendRect(tile, edge, palette::kOrange, 200);
    CopyInto(b, tile, x, y);
}

// The goal area of one end: a D of 6 m before the goal, inside the court.
std::vector<PointF> GoalArea(double endX, double inward, double centreY, double metre) {
    std::vector<PointF> d;
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
        const double a = std::numbers::pi * (double(i) / kSteps - 0.5);
        d.push_back({endX + inward * 6 * metre * std::cos(a), centreY + 7.5 * metre * std::sin(a)});
    }
    return d;
}

void Field(Bitmap& b) {
    Bitmap field(kFieldWidth, kFieldHeight);
    FillVertical(field, Rect{0, 0, kFieldWidth, kFieldHeight}, Rgb(196, 132, 76), Rgb(176, 112, 60));
    Layer l(kFieldWidth, kFieldHeight);
    const double m = 3.2, left = 11, top = 18, w = 40 * m, h = 20 * m;
    l.Box(left, top, left + w, top + h, palette::kCourtBlue);
    const Colour line = kWhite;
    for (int side = 0; side < 2; ++side) {
        const std::vector<PointF> d = GoalArea(side ? left + w : left, side ? -1 : 1, top + h / 2, m);
        l.Polygon(d, palette::kCourt);
        for (size_t i = 1; i < d.size(); ++i)
            l.Line(d[i - 1], d[i], 0.8, line);
    }
    l.Box(left, top, left + w, top + 0.8, line);
    l.Box(left, top + h - 0.8, left + w, top + h, line);
    l.Box(left, top, left + 0.8, top + h, line);
    l.Box(left + w - 0.8, top, left + w, top + h, line);
    l.Box(left + w / 2 - 0.4, top, left + w / 2 + 0.4, top + h, line);
    l.DrawOnto(field, 0, 0);
    CopyInto(b, field, 0, 0);
}

}  // namespace

Bitmap DrawHall() {
    // The field (150 × 100 at 0, 0), then per region (above, below, left,
    // right, and the corners top-left, top-right, bottom-left, bottom-right)
    // three 50-pixel columns: large, middle, small block; row 0 seats,
    // row 50 standing places. Empty ground per region from x = 1350 on.
    Bitmap b(kWidth, kHeight, Rgb(44, 50, 62));
    Field(b);
    constexpr int kRows[kSizesPerSide] = {6, 4, 2};
    for (int region = 0; region < kSideCount; ++region) {
        for (int size = 0; size < kSizesPerSide; ++size)
            for (const int row : {kSeatsRow, kStandingRow})
                Block(b, kFirstBlockTile + (region * kSizesPerSide + size) * kTile, row, kFacing[region], kRows[size],
                      row == kSeatsRow, uint32_t(region * 7 + size * 3 + row / kTile));
        for (int row = 0; row < 2; ++row) {
            Bitmap ground(kTile, kTile);
            FillVertical(ground, Rect{0, 0, kTile, kTile}, Rgb(40, 46, 58), Rgb(32, 38, 50));
            BlendRect(ground, Rect{0, 0, kTile, 1}, kWhite, 18);
            BlendRect(ground, Rect{0, 0, 1, kTile}, kWhite, 18);
            CopyInto(b, ground, kFirstEmptyTile + region * kTile, row * kTile);
        }
    }
    return b;
}
