#include "tools/assets/Icons.h"

#include <cmath>

void OutlinedGlyph(Layer& l, Glyph g, double cx, double cy, double side, Metal fill) {
    const double ring = std::max(1.2, side / 19);
    const Colour outline = Rgb(14, 20, 36);
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265 / 4;
        DrawGlyph(l, g, cx + ring * std::cos(a), cy + ring * std::sin(a), side, outline);
    }
    constexpr Colour kFillMark = Rgb(1, 2, 3);
    DrawGlyph(l, g, cx, cy, side, kFillMark);
    l.ShadeVertical(cx - side / 2, cy - side / 2, cx + side / 2, cy + side / 2, fill.light, fill.dark, kFillMark);
}
