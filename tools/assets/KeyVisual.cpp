#include <cmath>

#include "tools/assets/Art.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

// An arena at night: spotlights over a wooden court seen in perspective, a
// ball in the light, the game's name on top. The middle third is left calm
// for the game menu that the start screen draws over it.
void ArenaScene(Bitmap& b, double ballX, double ballY, double ballR) {
    const double w = b.Width(), h = b.Height(), horizon = h * 0.55;
    FillVertical(b, Rect{0, 0, b.Width(), int(horizon)}, Rgb(8, 20, 48), Rgb(24, 60, 120));
    // The stands: rows of dim lights under the horizon.
    Layer stands(b.Width(), b.Height(), Layer::kCoarseScale);
    for (int row = 0; row < 6; ++row)
        for (int i = 0; i < 90; ++i) {
            const double x = (i + 0.5 * (row % 2)) * w / 90, y = horizon - 12 - row * h * 0.025;
            stands.Ellipse(x - 1.2, y - 1.2, x + 1.2, y + 1.2, (i * 7 + row * 3) % 5 ? palette::kSky : palette::kAmber);
        }
    stands.DrawOnto(b, 0, 0, 70);
    // The floor, wood lit from the middle.
    Layer floor(b.Width(), b.Height(), Layer::kCoarseScale);
    floor.Polygon({{0, horizon}, {w, horizon}, {w, h}, {0, h}}, palette::kCourt);
    floor.ShadeVertical(0, horizon, w, h, Rgb(120, 72, 40), Rgb(214, 150, 88));
    floor.DrawOnto(b, 0, 0);
    Layer planks(b.Width(), b.Height(), Layer::kCoarseScale);
    for (int i = -20; i <= 20; ++i)
        planks.Line({w / 2 + i * w * 0.03, horizon}, {w / 2 + i * w * 0.16, h}, 1, Rgb(90, 50, 24));
    planks.DrawOnto(b, 0, 0, 60);
    // Court lines in perspective: the side line, the centre and the goal area.
    Layer lines(b.Width(), b.Height(), Layer::kCoarseScale);
    auto project = [&](double x, double depth) {  // x -1..1 across, depth 0 (near) .. 1 (far)
        const double y = h - (h - horizon) * (1 - 1 / (1 + 2.2 * depth)) * 1.45;
        const double scale = 1 / (1 + 2.2 * depth);
        return PointF{w / 2 + x * w * 0.9 * scale, y};
    };
    for (double x : {-1.0, 1.0})
        lines.Line(project(x, 0), project(x, 1), 3, kWhite);
    // The cross lines lie in the gaps of the start screen's menu and above
    // its version line (at 67 % and 91 % of the height), never under text.
    lines.Line(project(-1, 0.45), project(1, 0.45), 3, kWhite);
    lines.Line(project(-1, 0.07), project(1, 0.07), 3, kWhite);
    lines.DrawOnto(b, 0, 0, 150);
    // Spotlight cones.
    for (int i = 0; i < 4; ++i) {
        Layer cone(b.Width(), b.Height(), Layer::kCoarseScale);
        const double x = w * (0.12 + 0.25 * i);
        cone.Polygon({{x - 6, 0}, {x + 6, 0}, {x + w * 0.12 + (i - 1.5) * w * 0.06, h}, {x - w * 0.12 + (i - 1.5) * w * 0.06, h}},
                     kWhite);
        cone.DrawOnto(b, 0, 0, 16);
    }
    Bitmap glow(b.Width(), b.Height());
    FillRadial(glow, Rect{0, 0, b.Width(), b.Height()}, Point{int(ballX), int(ballY)}, int(ballR * 3.5),
               int(ballR * 3.5), Rgb(255, 190, 110), kBlack);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const Colour g = glow.Row(y)[x];
            b.Row(y)[x] = Rgb(std::min(255, RedOf(b.Row(y)[x]) + RedOf(g) / 3),
                              std::min(255, GreenOf(b.Row(y)[x]) + GreenOf(g) / 3),
                              std::min(255, BlueOf(b.Row(y)[x]) + BlueOf(g) / 3));
        }
    Layer shadow(b.Width(), b.Height(), Layer::kCoarseScale);
    shadow.Ellipse(ballX - ballR * 1.1, ballY + ballR * 1.6, ballX + ballR * 1.1, ballY + ballR * 2.0, kBlack);
    shadow.DrawOnto(b, 0, 0, 90);
    Layer ball(b.Width(), b.Height(), Layer::kCoarseScale);
    Handball(ball, ballX, ballY, ballR, palette::kOrange, Rgb(60, 30, 10));
    ball.DrawOnto(b, 0, 0);
}

void Title(Bitmap& b, int top, int size, const char* subtitle) {
    const int w = b.Width();
    DrawLabel(b, "CORVANTA", Rect{3, top + 4, w + 3, top + size + 4}, size, Rgb(0, 0, 20));
    DrawLabel(b, "CORVANTA", Rect{0, top, w, top + size}, size, kWhite);
    const int line = top + size + size / 8;
    BlendRect(b, Rect{w / 2 - size * 2, line, w / 2 + size * 2, line + std::max(2, size / 18)}, palette::kOrange, 255);
    DrawLabel(b, subtitle, Rect{0, line + size / 6, w, line + size / 6 + size * 2 / 5}, size * 3 / 10,
              palette::kIce, TextCentred, false);
}

}  // namespace

Bitmap DrawKeyVisual() {
    Bitmap b(1280, 800);
    ArenaScene(b, 1060, 560, 95);
    // The start screen's first menu entry stands a fifth of the height down:
    // the title keeps above it.
    Title(b, 12, 78, "H A N D B A L L   M A N A G E R");
    AddGrain(b, 2, 11);
    return b;
}

Bitmap DrawStartPicture() {
    Bitmap b(567, 310);
    ArenaScene(b, 470, 220, 48);
    Title(b, 40, 64, "H A N D B A L L   M A N A G E R");
    DrawLabel(b, "loading ...", Rect{0, 234, 567, 264}, 15, palette::kIce, TextCentred, false);
    BlendRect(b, Rect{0, 0, 567, 2}, palette::kOrange, 255);
    BlendRect(b, Rect{0, 308, 567, 310}, palette::kOrange, 255);
    return b;
}
