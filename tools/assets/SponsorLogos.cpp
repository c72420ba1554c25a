#include "tools/assets/SponsorLogos.h"

#include "tools/assets/Glyphs.h"
#include "tools/assets/Palette.h"

namespace {

constexpr int kW = 200, kH = 100;

struct Firm {
    const char* file;
    const char* name;
    const char* line;  // what the firm does, under its name
    Glyph mark;
    Colour colour;
};

constexpr Firm kFirms[] = {
    {"arvento.bmp", "ARVENTO", "energy", Glyph::Bolt, Rgb(230, 120, 30)},
    {"solvik.bmp", "Solvik", "insurance", Glyph::Shield, Rgb(30, 90, 170)},
    {"kestrel.bmp", "KESTREL", "air travel", Glyph::Play, Rgb(200, 40, 60)},
    {"marbo.bmp", "marbo", "sportswear", Glyph::Shoe, Rgb(20, 140, 110)},
    {"fennik.bmp", "Fennik Bank", "since 1887", Glyph::Coin, Rgb(40, 60, 110)},
    {"trivo.bmp", "TRIVO", "telecom", Glyph::Target, Rgb(120, 60, 170)},
};

Bitmap Logo(const Firm& f) {
    Bitmap b(kW, kH);
    FillVertical(b, Rect{0, 0, kW, kH}, Rgb(252, 252, 254), Rgb(226, 232, 240));
    Layer l(kW, kH);
    l.RoundRect(14, 22, 70, 78, 14, f.colour);
    l.ShadeVertical(14, 22, 70, 78, Lighter(f.colour, 80), Darker(f.colour, 40), f.colour);
    DrawGlyph(l, f.mark, 42, 50, 34, kWhite);
    l.Box(0, kH - 4, kW, kH, f.colour);
    l.DrawOnto(b, 0, 0);
    DrawLabel(b, f.name, Rect{78, 26, kW - 6, 62}, 22, Darker(f.colour, 60), TextLeft | TextVCenter | TextSingleLine);
    DrawLabel(b, f.line, Rect{80, 60, kW - 6, 80}, 12, palette::kSlate, TextLeft | TextVCenter | TextSingleLine,
              false);
    return b;
}

}  // namespace

std::vector<SponsorLogo> DrawSponsorLogos() {
    std::vector<SponsorLogo> logos;
    for (const Firm& f : kFirms)
        logos.push_back({f.file, Logo(f)});
    return logos;
}
