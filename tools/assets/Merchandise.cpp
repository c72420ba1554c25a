#include "tools/assets/Glyphs.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

constexpr Colour kClubMain = Rgb(30, 90, 180);
constexpr Colour kClubTrim = palette::kOrange;

void ShirtShape(Layer& l, double cx, double cy, double size, Colour c) { DrawGlyph(l, Glyph::Shirt, cx, cy, size, c); }

void Card(Bitmap& b, int x) {
    Bitmap card(100, 100);
    FillRadial(card, Rect{0, 0, 100, 100}, Point{50, 40}, 80, 80, Rgb(60, 110, 180), Rgb(16, 38, 80));
    CopyInto(b, card, x, 0);
}

void Jersey(Layer& l, bool longSleeves) {
    ShirtShape(l, 50, 52, 84, Rgb(14, 20, 36));
    ShirtShape(l, 50, 52, 78, kClubMain);
    l.ShadeVertical(10, 12, 90, 92, Lighter(kClubMain, 60), Darker(kClubMain, 50), kClubMain);
    l.Box(36, 40, 64, 46, kClubTrim);
    if (longSleeves)
        l.Text("10", 30, 46, 70, 80, 22, kWhite);
    l.Arc(50, 17, 8, 0.3, 2.84, 2.2, kClubTrim);
}

void Scarf(Layer& l) {
    l.Polygon({{11, 30}, {91, 22.5}, {91.5, 34.5}, {11.5, 41}}, Rgb(14, 20, 36));
    for (int i = 0; i < 8; ++i) {
        const double x0 = 12 + i * 10, x1 = x0 + 10;
        l.Polygon({{x0, 31 - i * 1.0}, {x1, 30 - i * 1.0}, {x1 + 0.3, 39 - i * 1.0}, {x0 + 0.3, 40 - i * 1.0}},
                  i % 2 ? kClubTrim : kClubMain);
    }
    l.Polygon({{60, 36}, {72, 36}, {80, 84}, {68, 86}}, kClubMain);
    l.Polygon({{66, 58}, {76, 58}, {78, 68}, {68, 69}}, kClubTrim);
    for (int i = 0; i < 5; ++i)
        l.Box(68 + i * 2.4, 86, 69.2 + i * 2.4, 92, kClubTrim);
}

void FlagOnPole(Layer& l) {
    l.Box(18, 12, 23, 92, Rgb(200, 200, 210));
    l.Polygon({{23, 16}, {88, 20}, {86, 56}, {23, 52}}, kClubMain);
    l.Polygon({{23, 30}, {87, 33}, {86.5, 40}, {23, 38}}, kClubTrim);
    l.Ellipse(15, 8, 26, 16, palette::kGold);
}

void Pennant(Layer& l) {
    l.Box(18, 20, 82, 24, Rgb(200, 200, 210));
    l.Polygon({{22, 24}, {78, 24}, {50, 92}}, kClubMain);
    l.Polygon({{22, 24}, {78, 24}, {74, 32}, {26, 32}}, kClubTrim);
    DrawGlyph(l, Glyph::Star, 50, 46, 18, palette::kGold);
}

}  // namespace

Bitmap DrawFanArticles() {
    // 100 × 100 each: jersey, t-shirt, scarf, flag, pennant.
    Bitmap b(500, 100);
    for (int i = 0; i < 5; ++i)
        Card(b, i * 100);
    Layer jersey(100, 100), tee(100, 100), scarf(100, 100), flag(100, 100), pennant(100, 100);
    Jersey(jersey, true);
    ShirtShape(tee, 50, 54, 80, Rgb(14, 20, 36));
    ShirtShape(tee, 50, 54, 74, Rgb(240, 244, 250));
    tee.Text("C", 30, 40, 70, 80, 26, kClubMain);
    Scarf(scarf);
    FlagOnPole(flag);
    Pennant(pennant);
    jersey.DrawOnto(b, 0, 0);
    tee.DrawOnto(b, 100, 0);
    scarf.DrawOnto(b, 200, 0);
    flag.DrawOnto(b, 300, 0);
    pennant.DrawOnto(b, 400, 0);
    return b;
}

Bitmap DrawShirts() {
    // Eight shirt cuts of 64 × 64 in row 0 with their masks in row 1:
    // plain, stripes, hoops, halves, sash, chest band, sleeves, pinstripes.
    constexpr int kSide = 64;
    Bitmap b(8 * kSide, 2 * kSide, kBlack);
    for (int y = kSide; y < 2 * kSide; ++y)
        for (int x = 0; x < 8 * kSide; ++x)
            b.SetPixel(x, y, kWhite);
    constexpr Colour kBase = Rgb(240, 244, 250), kSecond = Rgb(30, 90, 180);
    for (int cut = 0; cut < 8; ++cut) {
        Layer l(kSide, kSide);
        ShirtShape(l, 32, 33, 60, Rgb(14, 20, 36));
        ShirtShape(l, 32, 33, 55, kBase);
        auto recolour = [&](double x0, double y0, double x1, double y1) {
            l.ShadeVertical(x0, y0, x1, y1, kSecond, kSecond, kBase);
        };
        switch (cut) {
        case 1: for (int i = 0; i < 4; ++i) recolour(12 + i * 11, 0, 17.5 + i * 11, 64); break;
        case 2: for (int i = 0; i < 4; ++i) recolour(0, 14 + i * 12, 64, 20 + i * 12); break;
        case 3: recolour(32, 0, 64, 64); break;
        case 4: for (int y = 6; y < 62; ++y) recolour(y - 10, y, y + 2, y + 1); break;
        case 5: recolour(0, 28, 64, 38); break;
        case 6: recolour(0, 0, 18, 64); recolour(46, 0, 64, 64); break;
        case 7: for (int i = 0; i < 7; ++i) recolour(13 + i * 6.5, 0, 14.5 + i * 6.5, 64); break;
        default: break;
        }
        l.WriteSprite(b, Point{cut * kSide, 0}, Point{cut * kSide, kSide});
    }
    return b;
}
