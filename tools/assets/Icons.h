#pragma once

#include "tools/assets/Glyphs.h"

// Small icons for sprite sheets: a pictogram with a dark outline, filled
// with a metal or signal colour lit from the top.
struct Metal {
    Colour light;
    Colour dark;
};

inline constexpr Metal kGoldMetal{Rgb(255, 236, 140), Rgb(200, 130, 20)};
inline constexpr Metal kSilverMetal{Rgb(245, 250, 255), Rgb(130, 150, 175)};
inline constexpr Metal kBronzeMetal{Rgb(250, 190, 140), Rgb(150, 80, 40)};
// Gold, silver, bronze: the three grades of every icon group, best first.
inline constexpr Metal kGrades[3] = {kGoldMetal, kSilverMetal, kBronzeMetal};

// The glyph outlined and shaded, side wide, centred on (cx, cy).
void OutlinedGlyph(Layer& l, Glyph g, double cx, double cy, double side, Metal fill);
