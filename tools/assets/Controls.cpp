#include "tools/assets/Glyphs.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

// The buttons are copied whole onto dialogs and lists, so the corners of a
// cell show this colour: the dark blue at the bottom of the dialog ground.
constexpr Colour kDialogGround = Rgb(12, 28, 60);
constexpr Colour kTrack = Rgb(52, 104, 160);

void GlyphButton(Bitmap& sheet, int x, int y, int w, int h, Colour face, Glyph g, double glyphShare = 0.5) {
    Layer l(w, h);
    ButtonFace(l, 1, 1, w - 1, h - 1, std::min(w, h) * 0.22, face);
    DrawGlyph(l, g, w / 2.0 + 0.6, h / 2.0 + 0.8, std::min(w, h) * glyphShare, Darker(face, 170));
    DrawGlyph(l, g, w / 2.0, h / 2.0, std::min(w, h) * glyphShare, kWhite);
    l.DrawOnto(sheet, x, y);
}

void Thumb(Bitmap& sheet, int x, int y, int w, int h, Colour face) {
    Layer l(w, h);
    ButtonFace(l, 2, 2, w - 2, h - 2, std::min(w, h) * 0.3, face);
    DrawGlyph(l, Glyph::Grip, w / 2.0, h / 2.0, std::min(w, h) * 0.55, Darker(face, 120));
    l.DrawOnto(sheet, x, y);
}

}  // namespace

Bitmap DrawDialogButtons() {
    // OK, cancel and page switch down the first column; the second column
    // holds cancel again (for the dialogs that take it beside OK) and back
    // and next of the new-game wizard.
    constexpr int kSide = 50;
    Bitmap b(2 * kSide, 3 * kSide, kDialogGround);
    GlyphButton(b, 0, 0, kSide, kSide, palette::kGreen, Glyph::Tick);
    GlyphButton(b, 0, kSide, kSide, kSide, palette::kRed, Glyph::Cross);
    GlyphButton(b, 0, 2 * kSide, kSide, kSide, palette::kBlue, Glyph::Swap, 0.6);
    GlyphButton(b, kSide, 0, kSide, kSide, palette::kRed, Glyph::Cross);
    GlyphButton(b, kSide, kSide, kSide, kSide, palette::kBlue, Glyph::ArrowLeft);
    GlyphButton(b, kSide, 2 * kSide, kSide, kSide, palette::kBlue, Glyph::ArrowRight);
    return b;
}

Bitmap DrawTableButtons() {
    // Plus, minus, left, right, up (previous page) and down (next page).
    constexpr int kSide = 50;
    constexpr Glyph kGlyphs[] = {Glyph::Plus, Glyph::Minus, Glyph::ArrowLeft, Glyph::ArrowRight, Glyph::ArrowUp,
                                 Glyph::ArrowDown};
    Bitmap b(6 * kSide, kSide, kDialogGround);
    for (int i = 0; i < 6; ++i)
        GlyphButton(b, i * kSide, 0, kSide, kSide, i < 2 ? palette::kSteel : palette::kBlue, kGlyphs[i]);
    return b;
}

Bitmap DrawScrollBar() {
    // Rows of 40 × 40 cells; each painter names the cells it takes (the
    // table in tools/assets/README.md). Arrows are blue buttons, thumbs
    // orange knobs with a grip; the second thumb is steel.
    constexpr int kSide = 40;
    enum Cell { Up, Down, Left, Right, ThumbCell, SecondThumb, None };
    constexpr Cell kRows[5][4] = {
        {Up, Down, SecondThumb, ThumbCell},
        {Up, Down, Left, ThumbCell},
        {Up, ThumbCell, Left, Right},
        {Up, Down, SecondThumb, ThumbCell},
        {Up, Down, Left, Right},
    };
    Bitmap b(4 * kSide, 6 * kSide, kTrack);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col) {
            const int x = col * kSide, y = row * kSide;
            switch (kRows[row][col]) {
            case Up: GlyphButton(b, x, y, kSide, kSide, palette::kBlue, Glyph::ArrowUp); break;
            case Down: GlyphButton(b, x, y, kSide, kSide, palette::kBlue, Glyph::ArrowDown); break;
            case Left: GlyphButton(b, x, y, kSide, kSide, palette::kBlue, Glyph::ArrowLeft); break;
            case Right: GlyphButton(b, x, y, kSide, kSide, palette::kBlue, Glyph::ArrowRight); break;
            case ThumbCell: Thumb(b, x, y, kSide, kSide, palette::kOrange); break;
            case SecondThumb: Thumb(b, x, y, kSide, kSide, palette::kSilver); break;
            case None: break;
            }
        }
    GlyphButton(b, 0, 5 * kSide, kSide, kSide, palette::kBlue, Glyph::ArrowUp);
    GlyphButton(b, kSide, 5 * kSide, kSide, kSide, palette::kBlue, Glyph::ArrowDown);
    // The statistics' step button, 80 × 40.
    Layer step(2 * kSide, kSide);
    ButtonFace(step, 1, 1, 2 * kSide - 1, kSide - 1, 9, palette::kSteel);
    DrawGlyph(step, Glyph::Play, 32, 20, 20, kWhite);
    DrawGlyph(step, Glyph::Play, 48, 20, 20, kWhite);
    step.DrawOnto(b, 2 * kSide, 5 * kSide);
    return b;
}

Bitmap DrawBars() {
    // Four 50 × 50 cells stretched into bars: weak, middling, strong, and the
    // user's own team. Only the height carries a pattern (a tube with a lit
    // band), so stretching keeps them clean.
    constexpr int kSide = 50;
    const Colour colours[] = {palette::kRed, palette::kAmber, palette::kGreen, palette::kSky};
    Bitmap b(4 * kSide, kSide);
    for (int c = 0; c < 4; ++c) {
        const Colour base = colours[c];
        for (int y = 0; y < kSide; ++y) {
            const int d = std::abs(2 * y - kSide + 1) * 255 / kSide;  // 0 in the middle, 255 at the edges
            Colour row = Mix(Lighter(base, 70), Darker(base, 120), d * d / 255);
            if (y > kSide / 6 && y < kSide * 2 / 5)
                row = Lighter(row, 60);
            for (int x = 0; x < kSide; ++x)
                b.Row(y)[c * kSide + x] = row;
        }
    }
    return b;
}
