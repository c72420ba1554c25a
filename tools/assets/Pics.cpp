#include "tools/assets/Icons.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

constexpr int kCell = 40;

void ClearMask(Bitmap& b, int x, int y, int w, int h) {
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col)
            b.SetPixel(col, row, kWhite);
}

// Three grades (gold, silver, bronze) of one pictogram from picture column
// col on, sharing the mask cell after them (or at maskCol).
void GradeGroup(Bitmap& b, int col, int row, Glyph g, int grades = 3, int maskCol = -1) {
    const int mask = maskCol < 0 ? col + grades : maskCol;
    ClearMask(b, mask * kCell, row * kCell, kCell, kCell);
    for (int i = 0; i < grades; ++i) {
        Layer l(kCell, kCell);
        OutlinedGlyph(l, g, kCell / 2.0, kCell / 2.0, kCell * 0.78,
                      i < 3 ? kGrades[i] : Metal{Rgb(190, 225, 255), Rgb(50, 110, 190)});
        l.WriteSprite(b, Point{(col + i) * kCell, row * kCell}, Point{mask * kCell, row * kCell});
    }
}

// Round signal badges sharing one disc mask.
void SignalGroup(Bitmap& b, int col, int row, const Glyph (&glyphs)[3], const Colour (&colours)[3]) {
    ClearMask(b, (col + 3) * kCell, row * kCell, kCell, kCell);
    for (int i = 0; i < 3; ++i) {
        Layer l(kCell, kCell);
        l.Ellipse(2, 2, kCell - 2, kCell - 2, Rgb(14, 20, 36));
        l.Ellipse(4, 4, kCell - 4, kCell - 4, colours[i]);
        l.ShadeVertical(4, 4, kCell - 4, kCell - 4, Lighter(colours[i], 110), Darker(colours[i], 60), colours[i]);
        DrawGlyph(l, glyphs[i], kCell / 2.0, kCell / 2.0, kCell * 0.5, kWhite);
        l.WriteSprite(b, Point{(col + i) * kCell, row * kCell}, Point{(col + 3) * kCell, row * kCell});
    }
}

}  // namespace

Bitmap DrawPics() {
    // Groups of pictures with a shared mask after them; x = gold (best),
    // x + 40 silver, x + 80 bronze. The cells are listed in the README.
    Bitmap b(13 * kCell, 4 * kCell, kBlack);  // clear: black pictures, masks made white below
    GradeGroup(b, 0, 0, Glyph::Ball);
    GradeGroup(b, 4, 0, Glyph::Bolt);
    GradeGroup(b, 8, 0, Glyph::Star, 4);
    GradeGroup(b, 0, 1, Glyph::Shield);
    GradeGroup(b, 4, 1, Glyph::Target);
    GradeGroup(b, 8, 1, Glyph::People);
    GradeGroup(b, 0, 2, Glyph::Coin);
    GradeGroup(b, 4, 2, Glyph::Trophy);
    GradeGroup(b, 8, 2, Glyph::Cup);
    SignalGroup(b, 0, 3, {Glyph::ArrowUp, Glyph::ArrowDown, Glyph::Minus},
                {palette::kGreen, palette::kRed, palette::kSlate});
    SignalGroup(b, 4, 3, {Glyph::Tick, Glyph::Cross, Glyph::Stopwatch},
                {palette::kGreen, palette::kRed, palette::kSlate});
    for (int col = 8; col < 13; ++col)
        ClearMask(b, col * kCell, 3 * kCell, kCell, kCell);
    for (int row = 1; row < 3; ++row)
        ClearMask(b, 12 * kCell, row * kCell, kCell, kCell);
    return b;
}

Bitmap DrawLevelIcon() {
    // 200 wide: a ribbon on top, the level picture at y 50 (200 × 100) and
    // its mask at y 150.
    constexpr int kW = 200, kBand = 50, kPicture = 100;
    Bitmap b(kW, kBand + 2 * kPicture, kBlack);
    FillVertical(b, Rect{0, 0, kW, kBand}, palette::kAmber, palette::kBronze);
    DrawLabel(b, "coach", Rect{0, 0, kW, kBand}, 26, palette::kNight);
    ClearMask(b, 0, kBand + kPicture, kW, kPicture);
    Layer l(kW, kPicture);
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 5; ++i) {
            const double x = 100 + side * (38 + i * 11), y = 78 - i * 12;
            l.Ellipse(x - 9, y - 5, x + 9, y + 5, Rgb(14, 20, 36));
            l.Ellipse(x - 7.5, y - 3.5, x + 7.5, y + 3.5, palette::kGreen);
        }
    OutlinedGlyph(l, Glyph::Shield, 100, 50, 86, kSilverMetal);
    l.Ellipse(72, 20, 128, 76, Rgb(14, 20, 36));
    l.Ellipse(75, 23, 125, 73, palette::kSteel);
    DrawGlyph(l, Glyph::Whistle, 100, 48, 34, kWhite);
    l.WriteSprite(b, Point{0, kBand}, Point{0, kBand + kPicture});
    return b;
}
