#include "tools/assets/Icons.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"
#include "ui/SkinFiles.h"

// The file browser's kinds, 16 × 16 each: the exports and the save game as
// a page with the sign of what they hold, a bitmap as a small landscape and
// a folder as a folder.

namespace {

constexpr double kSide = kFileKindIconSide;

// A sheet of paper with its top-right corner folded down.
void Page(Layer& l) {
    const Colour rim = Rgb(14, 20, 36);
    l.Polygon({{2, 0.5}, {10.5, 0.5}, {14, 4}, {14, 15.5}, {2, 15.5}}, rim);
    l.Polygon({{3, 1.5}, {10, 1.5}, {13, 4.5}, {13, 14.5}, {3, 14.5}}, palette::kWhite);
    l.Polygon({{10, 1.5}, {13, 4.5}, {10, 4.5}}, palette::kSilver);
}

void SignedPage(Layer& l, Glyph sign, Colour c) {
    Page(l);
    DrawGlyph(l, sign, kSide / 2, kSide / 2 + 1.5, 9, c);
}

void Landscape(Layer& l) {
    l.Box(0.5, 2, 15.5, 14, Rgb(14, 20, 36));
    l.Box(1.5, 3, 14.5, 13, palette::kSky);
    l.Ellipse(9.5, 4, 13, 7.5, palette::kYellow);
    l.Polygon({{1.5, 13}, {6, 6.5}, {10, 13}}, palette::kGreen);
    l.Polygon({{7, 13}, {11, 9}, {14.5, 13}}, palette::kLime);
}

void Folder(Layer& l) {
    const Colour rim = Rgb(14, 20, 36);
    l.RoundRect(0.5, 2, 7.5, 6, 1, rim);
    l.RoundRect(0.5, 3.5, 15.5, 14.5, 1.5, rim);
    l.RoundRect(1.5, 3, 6.5, 6, 0.8, palette::kAmber);
    l.RoundRect(1.5, 4.5, 14.5, 13.5, 1, palette::kYellow);
    l.ShadeVertical(1.5, 4.5, 14.5, 13.5, palette::kYellow, palette::kAmber, palette::kYellow);
}

}  // namespace

Bitmap DrawFileKindIcons() {
    const int side = kFileKindIconSide;
    Bitmap b(kFileKindCount * side, 2 * side, kBlack);
    for (int y = side; y < 2 * side; ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.SetPixel(x, y, kWhite);
    for (int kind = 0; kind < kFileKindCount; ++kind) {
        Layer l(side, side);
        switch (kind) {
            case 0: SignedPage(l, Glyph::Flag, palette::kGreen); break;       // continent
            case 1: SignedPage(l, Glyph::Flag, palette::kRed); break;         // nation
            case 2: SignedPage(l, Glyph::Chart, palette::kCourtBlue); break;  // league
            case 3: SignedPage(l, Glyph::Shirt, palette::kRed); break;        // team
            case 4: SignedPage(l, Glyph::Person, palette::kNavy); break;      // player
            case 5: SignedPage(l, Glyph::Cup, palette::kBronze); break;       // cup
            case 6: SignedPage(l, Glyph::Ball, palette::kOrange); break;     // save game
            case 7: Landscape(l); break;
            default: Folder(l); break;
        }
        l.WriteSprite(b, Point{kind * side, 0}, Point{kind * side, side});
    }
    return b;
}
