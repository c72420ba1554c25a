#include "tools/assets/NationMap.h"

#include <cmath>
#include <numbers>
#include <sstream>

#include "platform/Text.h"
#include "tools/assets/Art.h"
#include "tools/assets/Palette.h"
#include "tools/assets/TableLines.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kHarmonics = 5;

// The coast: a radius that wanders with a few waves whose sizes and phases
// come from the nation's index.
std::vector<PointF> Coast(int nation, double grow) {
    uint32_t state = uint32_t(nation) * 2654435761u + 97;
    auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    };
    double amplitude[kHarmonics], phase[kHarmonics];
    for (int k = 0; k < kHarmonics; ++k) {
        amplitude[k] = (0.05 + 0.1 * next()) / (1 + 0.4 * k);
        phase[k] = 2 * kPi * next();
    }
    const double stretch = 0.8 + 0.4 * next();
    std::vector<PointF> points;
    for (int i = 0; i < 180; ++i) {
        const double a = 2 * kPi * i / 180;
        double r = 52;
        for (int k = 0; k < kHarmonics; ++k)
            r += 52 * amplitude[k] * std::sin((k + 2) * a + phase[k]);
        r += grow;
        points.push_back({75 + r * std::cos(a) * stretch, 75 + r * std::sin(a) / stretch});
    }
    return points;
}

}  // namespace

Bitmap DrawNationMap(int nation) {
    Bitmap b(kNationMapSide, kNationMapSide);
    FillRadial(b, Rect{0, 0, kNationMapSide, kNationMapSide}, Point{75, 70}, 110, 110, Rgb(70, 140, 200),
               Rgb(24, 62, 120));
    for (int i = 15; i < kNationMapSide; i += 30) {
        BlendRect(b, Rect{i, 0, i + 1, kNationMapSide}, kWhite, 20);
        BlendRect(b, Rect{0, i, kNationMapSide, i + 1}, kWhite, 20);
    }
    Layer land(kNationMapSide, kNationMapSide);
    land.Polygon(Coast(nation, 3), Rgb(230, 214, 160));
    constexpr Colour kLand = Rgb(110, 170, 90);
    land.Polygon(Coast(nation, 0), kLand);
    land.ShadeVertical(0, 10, 150, 140, Rgb(150, 196, 110), Rgb(84, 140, 70), kLand);
    land.DrawOnto(b, 0, 0);
    return b;
}

std::string NationMapPath(int nation) {
    return Format("Maps\\Nation%d%d%d.bmp", nation / 100 % 10, nation / 10 % 10, nation % 10);
}

bool LoadNationMapList(const std::filesystem::path& file, std::vector<int>* nations, std::string* error) {
    return ForEachTableLine(file, false, [nations](const std::string& text, std::string* message) {
        std::istringstream words(text);
        for (std::string w; words >> w;) {
            int n = -1;
            if (std::sscanf(w.c_str(), "%d", &n) != 1 || n < 0 || n > 999 || std::to_string(n) != w) {
                *message = "not a nation index: " + w;
                return false;
            }
            nations->push_back(n);
        }
        return true;
    }, error);
}
