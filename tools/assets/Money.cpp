#include "tools/assets/Art.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"

namespace {

constexpr int kNoteW = 60, kNoteH = 40, kKinds = 7;

struct Note {
    const char* value;
    Colour colour;
};

// Kind 0 to 6: 500 down to 5, each in its own colour.
constexpr Note kNotes[kKinds] = {
    {"500", Rgb(150, 110, 190)}, {"200", Rgb(220, 180, 90)}, {"100", Rgb(90, 170, 110)},
    {"50", Rgb(235, 140, 60)},   {"20", Rgb(80, 130, 210)},  {"10", Rgb(215, 90, 90)},
    {"5", Rgb(150, 160, 170)},
};

void NoteFace(Layer& l, double x, double y, double w, double h, const Note& n, bool text) {
    l.RoundRect(x, y, x + w, y + h, 3, Darker(n.colour, 140));
    l.RoundRect(x + 1, y + 1, x + w - 1, y + h - 1, 2.5, n.colour);
    l.ShadeVertical(x + 1, y + 1, x + w - 1, y + h - 1, Lighter(n.colour, 90), Darker(n.colour, 30), n.colour);
    l.Ellipse(x + w * 0.62, y + h * 0.2, x + w * 0.9, y + h * 0.8, Lighter(n.colour, 130));
    l.Box(x + 3, y + 3, x + w * 0.12, y + h - 3, Lighter(n.colour, 60));
    if (text)
        l.Text(n.value, x + 2, y, x + w * 0.62, y + h, int(h * 0.5), kWhite);
}

}  // namespace

Bitmap DrawMoney() {
    // Drawn mask first with OR, then the picture with AND: so the masks are
    // white where a note lies and the pictures white around it. Row 0
    // bundles of a hundred, row 1 single notes; kind k at x = 360 - 60 k,
    // the row's mask at x = 420.
    Bitmap b(8 * kNoteW, 2 * kNoteH, kWhite);
    for (int row = 0; row < 2; ++row)
        for (int y = row * kNoteH; y < (row + 1) * kNoteH; ++y)
            for (int x = 7 * kNoteW; x < 8 * kNoteW; ++x)
                b.SetPixel(x, y, kBlack);
    for (int k = 0; k < kKinds; ++k) {
        const Note& n = kNotes[k];
        const int x = 360 - kNoteW * k;
        Layer single(kNoteW, kNoteH);
        NoteFace(single, 2, 7, 56, 27, n, true);
        single.WriteInverseSprite(b, Point{x, kNoteH}, Point{420, kNoteH});
        Layer bundle(kNoteW, kNoteH);
        for (int i = 3; i >= 1; --i)
            NoteFace(bundle, 2 + i * 1.0, 3 + i * 2.5, 52, 27, n, false);
        NoteFace(bundle, 2, 3, 52, 27, n, true);
        bundle.Box(33, 2, 39, 32, Rgb(245, 240, 225));
        bundle.Box(34, 2, 38, 32, Rgb(210, 200, 170));
        bundle.WriteInverseSprite(b, Point{x, 0}, Point{420, 0});
    }
    return b;
}
