#include "tools/assets/Glyphs.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

enum class State { Normal, Selected, Unavailable };

Colour FaceOf(State s) {
    switch (s) {
    case State::Selected: return palette::kOrange;
    case State::Unavailable: return palette::kSlate;
    default: return palette::kSteel;
    }
}

// A tile of a menu bar: a glossy face with a pictogram and its word.
void MenuTile(Bitmap& sheet, int x, int y, int w, int h, Glyph g, const char* label, State s, bool glyphAbove) {
    Bitmap tile(w, h, palette::kNight);
    Layer l(w, h);
    ButtonFace(l, 1, 1, w - 1, h - 1, 7, FaceOf(s), s == State::Selected);
    const Colour ink = s == State::Unavailable ? Rgb(150, 158, 172) : kWhite;
    const double glyphSize = glyphAbove ? h * 0.44 : h * 0.55;
    const double gx = glyphAbove ? w / 2.0 : h * 0.65, gy = glyphAbove ? h * 0.36 : h / 2.0;
    DrawGlyph(l, g, gx + 0.8, gy + 1, glyphSize, Darker(FaceOf(s), 160));
    DrawGlyph(l, g, gx, gy, glyphSize, ink);
    l.DrawOnto(tile, 0, 0);
    const Rect text = glyphAbove ? Rect{2, h * 62 / 100, w - 2, h - 3} : Rect{int(h * 1.2), 0, w - 4, h};
    const int size = glyphAbove ? h / 5 : h * 2 / 5;
    DrawLabel(tile, label, Rect{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1}, size,
              Darker(FaceOf(s), 170), glyphAbove ? TextCentred : TextLeft | TextVCenter | TextSingleLine);
    DrawLabel(tile, label, text, size, ink, glyphAbove ? TextCentred : TextLeft | TextVCenter | TextSingleLine);
    CopyInto(sheet, tile, x, y);
}

}  // namespace

Bitmap DrawMainMenu() {
    // Nine groups across (team, training, finances, club, statistics,
    // national team, manager, game menu, start the week), three rows down:
    // normal, selected, unavailable.
    constexpr int kW = 128, kH = 64;
    struct Group {
        Glyph glyph;
        const char* label;
    };
    constexpr Group kGroups[9] = {
        {Glyph::Shirt, "team"},        {Glyph::Stopwatch, "training"}, {Glyph::Euro, "finances"},
        {Glyph::Crest, "club"},        {Glyph::Chart, "statistics"},   {Glyph::Flag, "national team"},
        {Glyph::Calendar, "manager"},  {Glyph::Gear, "game menu"},     {Glyph::Play, "start week"},
    };
    Bitmap b(9 * kW, 3 * kH);
    for (int g = 0; g < 9; ++g)
        for (int row = 0; row < 3; ++row)
            MenuTile(b, g * kW, row * kH, kW, kH, kGroups[g].glyph, kGroups[g].label, State(row), true);
    return b;
}

Bitmap DrawModeButtons() {
    // The four buttons of a match day (lineup, defence, offence, start the
    // match); row 0 normal, row 1 the selected one.
    constexpr int kW = 200, kH = 40;
    constexpr Glyph kGlyphs[4] = {Glyph::People, Glyph::Shield, Glyph::Target, Glyph::Whistle};
    constexpr const char* kLabels[4] = {"lineup", "defence", "offence", "start match"};
    Bitmap b(4 * kW, 2 * kH);
    for (int i = 0; i < 4; ++i)
        for (int row = 0; row < 2; ++row)
            MenuTile(b, i * kW, row * kH, kW, kH, kGlyphs[i], kLabels[i], row ? State::Selected : State::Normal,
                     false);
    return b;
}
