#include "tools/assets/Icons.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

void WhiteMask(Bitmap& b, const Rect& r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            b.SetPixel(x, y, kWhite);
}

// Small pips under an icon: the grade of a graded exercise.
void Pips(Layer& l, int count, double size) {
    for (int i = 0; i < count; ++i) {
        const double x = size / 2 + (i - (count - 1) / 2.0) * size * 0.18, y = size * 0.9;
        l.Ellipse(x - size * 0.08, y - size * 0.08, x + size * 0.08, y + size * 0.08, Rgb(14, 20, 36));
        l.Ellipse(x - size * 0.055, y - size * 0.055, x + size * 0.055, y + size * 0.055, palette::kAmber);
    }
}

}  // namespace

Bitmap DrawSkills() {
    // 24 × 24 badges: column = special skill (0-9 field players, 10-14
    // goalkeepers), row 0 a deficit, rows 1-3 the levels 2-4.
    constexpr int kCell = 24, kSkills = 15;
    constexpr Glyph kGlyphs[kSkills] = {
        Glyph::Shoe,   Glyph::Heart,  Glyph::Star,      Glyph::People, Glyph::Swap,
        Glyph::Ball,   Glyph::Hand,   Glyph::ArrowUp,   Glyph::Target, Glyph::Gear,
        Glyph::Bolt,   Glyph::ArrowRight, Glyph::Glove, Glyph::Play,   Glyph::Eye,
    };
    const Colour rows[4] = {palette::kRed, palette::kBronze, Rgb(150, 165, 185), palette::kGold};
    Bitmap b(kSkills * kCell, 4 * kCell, palette::kNavy);
    for (int row = 0; row < 4; ++row)
        for (int s = 0; s < kSkills; ++s) {
            Layer l(kCell, kCell);
            ButtonFace(l, 0.5, 0.5, kCell - 0.5, kCell - 0.5, 5, rows[row]);
            DrawGlyph(l, kGlyphs[s], kCell / 2.0 + 0.5, kCell / 2.0 + 0.7, kCell * 0.62, Darker(rows[row], 170));
            DrawGlyph(l, kGlyphs[s], kCell / 2.0, kCell / 2.0, kCell * 0.62, kWhite);
            if (row == 0)
                l.Line({4, kCell - 4.0}, {kCell - 4.0, 4}, 1.6, Rgb(255, 230, 230));
            l.DrawOnto(b, s * kCell, row * kCell);
        }
    return b;
}

Bitmap DrawTraining() {
    // Kind k (1-29) at column (k - 1) mod 10 of picture row (k - 1) / 10;
    // each picture row is followed by its mask row. Cells of 40.
    constexpr int kCell = 40;
    struct Unit {
        Glyph glyph;
        int pips;
    };
    constexpr Unit kUnits[29] = {
        {Glyph::Heart, 1},    {Glyph::Heart, 2},    {Glyph::Heart, 3},   {Glyph::Dumbbell, 0}, {Glyph::Stopwatch, 0},
        {Glyph::Shoe, 0},     {Glyph::Ball, 0},     {Glyph::Bolt, 0},    {Glyph::ArrowRight, 0}, {Glyph::Target, 0},
        {Glyph::Shield, 0},   {Glyph::Glove, 0},    {Glyph::ArrowUp, 0}, {Glyph::Eye, 0},      {Glyph::Swap, 0},
        {Glyph::People, 0},   {Glyph::Hand, 0},     {Glyph::House, 0},   {Glyph::Star, 0},     {Glyph::Person, 0},
        {Glyph::Gear, 0},     {Glyph::Crest, 0},    {Glyph::Play, 0},    {Glyph::Chart, 0},    {Glyph::Flag, 0},
        {Glyph::Plus, 0},     {Glyph::Minus, 0},    {Glyph::Whistle, 0}, {Glyph::Medal, 0},
    };
    Bitmap b(10 * kCell, 6 * kCell, kBlack);
    for (int band = 0; band < 3; ++band)
        WhiteMask(b, Rect{0, (2 * band + 1) * kCell, 10 * kCell, (2 * band + 2) * kCell});
    for (int k = 1; k <= 29; ++k) {
        const int col = (k - 1) % 10, band = (k - 1) / 10;
        Layer l(kCell, kCell);
        OutlinedGlyph(l, kUnits[k - 1].glyph, kCell / 2.0, kCell * 0.44, kCell * 0.7, kSilverMetal);
        Pips(l, kUnits[k - 1].pips, kCell);
        l.WriteSprite(b, Point{col * kCell, 2 * band * kCell}, Point{col * kCell, (2 * band + 1) * kCell});
    }
    return b;
}

Bitmap DrawProperty() {
    // The manager's possessions: house, car, boat, building, business,
    // money, shares and trophy; pictures in row 0, masks in row 1.
    constexpr int kCell = 40;
    constexpr Glyph kGlyphs[8] = {Glyph::House, Glyph::Car,  Glyph::Boat,  Glyph::Building,
                                  Glyph::Briefcase, Glyph::Coin, Glyph::Chart, Glyph::Trophy};
    Bitmap b(8 * kCell, 2 * kCell, kBlack);
    WhiteMask(b, Rect{0, kCell, 8 * kCell, 2 * kCell});
    for (int i = 0; i < 8; ++i) {
        Layer l(kCell, kCell);
        OutlinedGlyph(l, kGlyphs[i], kCell / 2.0, kCell / 2.0, kCell * 0.78, kGoldMetal);
        l.WriteSprite(b, Point{i * kCell, 0}, Point{i * kCell, kCell});
    }
    return b;
}
