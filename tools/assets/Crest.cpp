#include "tools/assets/Crest.h"

#include <sstream>

#include "tools/assets/Art.h"
#include "tools/assets/Glyphs.h"
#include "tools/assets/Palette.h"
#include "tools/assets/TableLines.h"

namespace {

constexpr const char* kPatternNames[] = {"plain", "halves", "stripes", "hoops", "quarters", "band", "pale", "chief"};

// A heater shield on the 100 × 100 square, grown outward by grow.
std::vector<PointF> ShieldOutline(double grow) {
    const double left = 20 - grow, right = 80 + grow, top = 14 - grow, shoulder = 44, tip = 92 + grow;
    constexpr int kSteps = 16;
    // Each lower side is a quadratic curve from its shoulder to the tip.
    auto curve = [&](double side, double t) {
        return PointF{(1 - t) * (1 - t) * side + 2 * (1 - t) * t * side + t * t * 50,
                      (1 - t) * (1 - t) * shoulder + 2 * (1 - t) * t * (74 + grow) + t * t * tip};
    };
    std::vector<PointF> points = {{left, top}, {right, top}, {right, shoulder}};
    for (int i = 1; i <= kSteps; ++i)
        points.push_back(curve(right, double(i) / kSteps));
    for (int i = kSteps - 1; i >= 0; --i)
        points.push_back(curve(left, double(i) / kSteps));
    return points;
}

void Pattern(Layer& l, const CrestDesign& d) {
    auto paint = [&](double x0, double y0, double x1, double y1) {
        l.ShadeVertical(x0, y0, x1, y1, d.second, d.second, d.first);
    };
    switch (d.pattern) {
    case CrestPattern::Halves: paint(50, 0, 100, 100); break;
    case CrestPattern::Stripes: for (int i = 0; i < 3; ++i) paint(26 + i * 18, 0, 35 + i * 18, 100); break;
    case CrestPattern::Hoops: for (int i = 0; i < 4; ++i) paint(0, 22 + i * 18, 100, 31 + i * 18); break;
    case CrestPattern::Quarters: paint(50, 0, 100, 50); paint(0, 50, 50, 100); break;
    case CrestPattern::Band: paint(0, 40, 100, 58); break;
    case CrestPattern::Pale: paint(40, 0, 60, 100); break;
    case CrestPattern::Chief: paint(0, 0, 100, 34); break;
    case CrestPattern::Plain: break;
    }
}

Bitmap CrestGround() {
    Bitmap b(kCrestSide, kCrestSide);
    FillRadial(b, Rect{0, 0, kCrestSide, kCrestSide}, Point{50, 40}, 75, 75, Rgb(52, 96, 160), Rgb(18, 40, 82));
    return b;
}

void Initials(Bitmap& b, const std::string& text) {
    Layer badge(kCrestSide, kCrestSide);
    badge.Ellipse(29, 33, 71, 75, Rgb(14, 20, 36));
    badge.Ellipse(31, 35, 69, 73, kWhite);
    badge.DrawOnto(b, 0, 0, 235);
    const int size = text.size() > 2 ? 13 : text.size() > 1 ? 17 : 22;
    DrawLabel(b, text, Rect{29, 34, 71, 74}, size, Rgb(20, 30, 50));
}

}  // namespace

Bitmap DrawCrest(const CrestDesign& d) {
    Bitmap b = CrestGround();
    Layer shadow(kCrestSide, kCrestSide);
    shadow.Polygon(ShieldOutline(2), kBlack);
    shadow.DrawOnto(b, 2, 3, 110);
    Layer shield(kCrestSide, kCrestSide);
    shield.Polygon(ShieldOutline(3), palette::kGold);
    shield.ShadeVertical(0, 10, 100, 96, Lighter(palette::kGold, 100), palette::kBronze);
    shield.Polygon(ShieldOutline(0), d.first);
    Pattern(shield, d);
    shield.DrawOnto(b, 0, 0);
    Layer gloss(kCrestSide, kCrestSide);
    gloss.Polygon({{20, 14}, {80, 14}, {80, 40}, {20, 52}}, kWhite);
    gloss.DrawOnto(b, 0, 0, 40);
    if (!d.initials.empty())
        Initials(b, d.initials);
    return b;
}

Bitmap DrawFallbackCrest() {
    Bitmap b = CrestGround();
    Layer shield(kCrestSide, kCrestSide);
    shield.Polygon(ShieldOutline(3), Rgb(200, 206, 216));
    shield.Polygon(ShieldOutline(0), Rgb(120, 130, 148));
    shield.ShadeVertical(0, 14, 100, 92, Rgb(150, 160, 176), Rgb(84, 94, 112), Rgb(120, 130, 148));
    DrawGlyph(shield, Glyph::Ball, 50, 48, 38, Rgb(220, 226, 236));
    shield.Arc(50, 48, 15.2, 0, 6.2832, 2, Rgb(120, 130, 148));
    shield.Line({36, 40}, {64, 40}, 2, Rgb(120, 130, 148));
    shield.DrawOnto(b, 0, 0);
    return b;
}

bool LoadCrestList(const std::filesystem::path& file, std::vector<CrestEntry>* crests, std::string* error) {
    return ForEachTableLine(file, false, [crests](const std::string& text, std::string* message) {
        std::istringstream words(text);
        CrestEntry entry;
        std::string first, second, pattern;
        if (!(words >> entry.file))
            return true;
        int r1, g1, b1, r2, g2, b2;
        words >> first >> second >> pattern >> entry.design.initials;
        int found = -1;
        for (int i = 0; i < int(std::size(kPatternNames)); ++i)
            if (pattern == kPatternNames[i])
                found = i;
        if (std::sscanf(first.c_str(), "%d,%d,%d", &r1, &g1, &b1) != 3 ||
            std::sscanf(second.c_str(), "%d,%d,%d", &r2, &g2, &b2) != 3 || found < 0) {
            *message = "a crest line is FILE R,G,B R,G,B PATTERN INITIALS";
            return false;
        }
        entry.design.first = Rgb(r1, g1, b1);
        entry.design.second = Rgb(r2, g2, b2);
        entry.design.pattern = CrestPattern(found);
        crests->push_back(std::move(entry));
        return true;
    }, error);
}
