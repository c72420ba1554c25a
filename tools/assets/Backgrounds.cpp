#include <cmath>
#include <cstring>
#include <numbers>

#include "tools/assets/Art.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

constexpr int kBackgroundWidth = 800, kBackgroundHeight = 600;
constexpr double kPi = std::numbers::pi;

struct BackgroundLook {
    const char* file;
    Colour glow;  // the light in the upper right
    uint32_t seed;
};

// One family of backgrounds, each screen group in its own light.
constexpr BackgroundLook kLooks[] = {
    {"BGTEAM.BMP", Rgb(40, 96, 170), 1},     {"BGGAME.BMP", Rgb(30, 110, 160), 2},
    {"BGFINANZ.BMP", Rgb(30, 120, 130), 3},  {"BGCLUB.BMP", Rgb(70, 80, 160), 4},
    {"BGSTAT.BMP", Rgb(60, 90, 130), 5},     {"BGDIALOG.BMP", Rgb(50, 100, 170), 6},
};

// A handball court seen from above, as faint lines: 40 × 20 metres with the
// goal areas, the free-throw lines and the centre line.
void CourtLines(Layer& l, double left, double top, double width, Colour c) {
    const double m = width / 40, h = 20 * m, line = std::max(1.2, m * 0.12);
    l.Line({left, top}, {left + width, top}, line, c);
    l.Line({left, top + h}, {left + width, top + h}, line, c);
    l.Line({left, top}, {left, top + h}, line, c);
    l.Line({left + width, top}, {left + width, top + h}, line, c);
    l.Line({left + width / 2, top}, {left + width / 2, top + h}, line, c);
    for (int side = 0; side < 2; ++side) {
        const double x = side ? left + width : left, dir = side ? -1 : 1;
        const double post1 = top + h / 2 - 1.5 * m, post2 = top + h / 2 + 1.5 * m;
        for (double radius : {6.0, 9.0}) {
            const double a0 = side ? kPi : 0, turn = kPi / 2;
            l.Arc(x, post1, radius * m, a0 - dir * turn, a0, line, c);
            l.Arc(x, post2, radius * m, a0, a0 + dir * turn, line, c);
            l.Line({x + dir * radius * m, post1}, {x + dir * radius * m, post2}, line, c);
        }
        l.Line({x + dir * 7 * m, top + h / 2 - 0.5 * m}, {x + dir * 7 * m, top + h / 2 + 0.5 * m}, line, c);
    }
}

// Soft diagonal beams of light falling from the top.
void LightBeams(Bitmap& b, uint32_t seed) {
    const double w = b.Width(), h = b.Height();
    for (int i = 0; i < 3; ++i) {
        Layer beam(b.Width(), b.Height(), Layer::kCoarseScale);
        const double x = w * (0.35 + 0.22 * i + 0.03 * (seed % 3)), spread = w * (0.05 + 0.03 * i);
        beam.Polygon({{x, 0}, {x + spread, 0}, {x - w * 0.25 + spread * 3, h}, {x - w * 0.25, h}}, kWhite);
        beam.DrawOnto(b, 0, 0, 9 + 3 * (i % 2));
    }
}

Bitmap Background(const BackgroundLook& look) {
    Bitmap b(kBackgroundWidth, kBackgroundHeight);
    const Rect all{0, 0, b.Width(), b.Height()};
    FillVertical(b, all, Mix(palette::kNavy, look.glow, 90), palette::kNight);
    Bitmap glow(b.Width(), b.Height());
    FillRadial(glow, all, Point{b.Width() * 4 / 5, -b.Height() / 6}, b.Width() * 3 / 4, b.Height(), look.glow,
               palette::kNight);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.Row(y)[x] = Mix(b.Row(y)[x], glow.Row(y)[x], 110);
    LightBeams(b, look.seed);
    Layer court(b.Width(), b.Height(), Layer::kCoarseScale);
    CourtLines(court, b.Width() * 0.08, b.Height() * 0.3, b.Width() * 0.84, palette::kIce);
    court.DrawOnto(b, 0, 0, 18);
    AddGrain(b, 2, look.seed);
    return b;
}

}  // namespace

Bitmap DrawBackground(const char* file) {
    for (const BackgroundLook& look : kLooks)
        if (std::strcmp(look.file, file) == 0)
            return Background(look);
    return Bitmap();
}

Bitmap DrawInfoPanel() {
    // Five lines of white text lie on it (name, date, money, club), and it
    // is the texture of the status panel's boxes: calm, dark, a lit edge.
    Bitmap b(240, 160);
    const Rect all{0, 0, b.Width(), b.Height()};
    FillVertical(b, all, Rgb(38, 78, 140), Rgb(14, 34, 72));
    BlendRect(b, Rect{0, 0, b.Width(), 2}, palette::kSky, 200);
    BlendRect(b, Rect{0, b.Height() - 3, b.Width(), b.Height()}, palette::kOrange, 220);
    BlendRect(b, Rect{b.Width() - 2, 0, b.Width(), b.Height()}, palette::kSky, 90);
    Layer ball(b.Width(), b.Height(), Layer::kCoarseScale);
    Handball(ball, 205, 40, 60, palette::kIce, palette::kNavy);
    ball.DrawOnto(b, 0, 0, 22);
    AddGrain(b, 2, 7);
    return b;
}

Bitmap DrawSubButtonColumn() {
    // Stretched over the column of fifteen sub-buttons, so the column's
    // rows fall on these fifteen bands.
    constexpr int kRows = 15;
    Bitmap b(240, 560);
    FillHorizontal(b, Rect{0, 0, b.Width(), b.Height()}, Rgb(18, 42, 86), Rgb(12, 28, 60));
    for (int row = 0; row < kRows; ++row) {
        const int top = row * b.Height() / kRows, bottom = (row + 1) * b.Height() / kRows;
        BlendRect(b, Rect{0, top, b.Width(), top + (bottom - top) / 2}, kWhite, 6);
        BlendRect(b, Rect{8, bottom - 1, b.Width() - 8, bottom}, palette::kSky, 60);
    }
    AddGrain(b, 2, 8);
    return b;
}

Bitmap DrawColumnOverlay() {
    // Left half the picture, right half its mask (black where the picture
    // shows): a lit edge down the right of the column and a corner accent,
    // the rest left clear for the sub-buttons under it.
    constexpr int kHalf = 240, kHeight = 560;
    Bitmap b(2 * kHalf, kHeight, kBlack);
    for (int y = 0; y < kHeight; ++y)
        for (int x = kHalf; x < 2 * kHalf; ++x)
            b.Row(y)[x] = kWhite;
    Layer edge(kHalf, kHeight);
    edge.Box(kHalf - 4, 0, kHalf, kHeight, palette::kSky);
    edge.ShadeVertical(kHalf - 4, 0, kHalf, kHeight, palette::kSky, palette::kNavy);
    edge.Box(kHalf - 1.5, 0, kHalf, kHeight, Lighter(palette::kSky, 120));
    edge.Box(0, 0, kHalf, 3, palette::kOrange);
    edge.Polygon({{0, 3}, {60, 3}, {48, 8}, {0, 8}}, palette::kOrange);
    edge.WriteSprite(b, Point{0, 0}, Point{kHalf, 0});
    return b;
}
