#include <cmath>
#include <numbers>
#include <vector>

#include "tools/assets/Art.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

constexpr int kSide = 80, kFaces = 7;
constexpr double kPi = std::numbers::pi;
constexpr Colour kFeature = Rgb(40, 20, 10);

enum class Mood { Happy, Unhappy, Neutral, Delighted, Asking, Angry, Content };

void Eyes(Layer& l, Mood m) {
    for (int side = -1; side <= 1; side += 2) {
        const double x = 40 + side * 12;
        if (m == Mood::Content && side > 0) {
            l.Arc(x, 35, 5, kPi * 1.1, kPi * 1.9, 2.6, kFeature);
            continue;
        }
        const double h = m == Mood::Delighted ? 4 : 6;
        l.Ellipse(x - 4, 33 - h, x + 4, 33 + h, kFeature);
        l.Ellipse(x - 2, 30 - h / 2, x + 0.5, 32 - h / 3, kWhite);
        if (m == Mood::Angry)
            l.Line({x - side * 9, 21}, {x + side * 3, 27}, 3, kFeature);
        if (m == Mood::Asking && side > 0)
            l.Arc(x, 26, 7, kPi * 1.15, kPi * 1.85, 2.6, kFeature);
    }
}

void Mouth(Layer& l, Mood m) {
    switch (m) {
    case Mood::Happy: case Mood::Content: l.Arc(40, 42, 14, 0.35, kPi - 0.35, 3, kFeature); break;
    case Mood::Unhappy: l.Arc(40, 64, 12, kPi + 0.5, 2 * kPi - 0.5, 3, kFeature); break;
    case Mood::Neutral: l.Line({30, 55}, {50, 55}, 3, kFeature); break;
    case Mood::Angry: l.Arc(40, 66, 13, kPi + 0.45, 2 * kPi - 0.45, 3.4, kFeature); break;
    case Mood::Asking: l.Ellipse(36, 51, 44, 59, kFeature); break;
    case Mood::Delighted: {
        std::vector<PointF> mouth;
        for (int i = 0; i <= 16; ++i)
            mouth.push_back({40 + 15 * std::cos(kPi * i / 16), 47 + 15 * std::sin(kPi * i / 16)});
        l.Polygon(mouth, kFeature);
        l.Box(29, 47, 51, 50.5, kWhite);
        break;
    }
    }
}

// A handball with a face, lit from the top left; an angry one blushes.
void Face(Layer& l, Mood m) {
    const Colour skin = m == Mood::Angry ? Rgb(235, 90, 60) : m == Mood::Unhappy ? Rgb(150, 170, 200) : palette::kAmber;
    l.Ellipse(4, 4, 76, 76, skin);
    l.ShadeRadial(28, 24, 60, Lighter(skin, 150), Darker(skin, 80));
    l.Arc(40, 40, 36, 0, 2 * kPi, 2.5, Rgb(60, 30, 10));
    // Seams of the ball, kept inside its rim.
    l.Arc(40, -22, 36, kPi * 0.37, kPi * 0.63, 2, Darker(skin, 120));
    l.Arc(-22, 40, 36, -kPi * 0.13, kPi * 0.13, 2, Darker(skin, 120));
    l.Arc(102, 40, 36, kPi * 0.87, kPi * 1.13, 2, Darker(skin, 120));
    Eyes(l, m);
    Mouth(l, m);
}

}  // namespace

Bitmap DrawLogoBall() {
    // Seven faces in the top row, their masks (black where the face is)
    // below: 0 happy, 1 unhappy, 2 neutral, 3 delighted, 4 asking,
    // 5 angry, 6 content.
    Bitmap b(kFaces * kSide, 2 * kSide, kBlack);
    for (int y = kSide; y < 2 * kSide; ++y)
        for (int x = 0; x < kFaces * kSide; ++x)
            b.SetPixel(x, y, kWhite);
    for (int i = 0; i < kFaces; ++i) {
        Layer l(kSide, kSide);
        Face(l, Mood(i));
        l.WriteSprite(b, Point{i * kSide, 0}, Point{i * kSide, kSide});
    }
    return b;
}
