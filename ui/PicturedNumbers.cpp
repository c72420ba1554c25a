#include "ui/PicturedNumbers.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"

namespace {

constexpr int kDotColumns = 4;
constexpr int kDotRows = 7;

// Row by row, one character per dot: '#' lit.
constexpr std::array<const char*, 11> kDigitDots = {
    "#####..##..##..##..##..#####", "...#...#...#...#...#...#...#", "####...#...######...#...####",
    "####...#...#####...#...#####", "#..##..##..#####...#...#...#", "#####...#...####...#...#####",
    "#####...#...#####..##..#####", "####...#...#...#...#...#...#", "############################",
    "#####..##..#####...#...#####", "............................",
};

constexpr int kNoteWidth = 60, kNoteHeight = 40;
constexpr int kNoteKinds = 7;
constexpr std::array<unsigned, kNoteKinds> kNoteValues = {500, 200, 100, 50, 20, 10, 5};
constexpr int kNotesPerBundle = 100;
constexpr int kFirstNoteX = 360, kNoteMaskX = 420;

constexpr int kIconSize = 40;
constexpr int kFirstIconX = 320;

// A note of kind 0 to 6 in sprite row 0 (bundles) or 1 (single notes).
struct NoteSprite {
    int row;
    int kind;
};

void DrawSprite(DeviceContext& dc, const Rect& to, const Bitmap& sheet, Point picture, Point mask, int width,
                int height, RasterOp maskOp, RasterOp pictureOp) {
    dc.StretchBlt(to, sheet, Rect{mask.x, mask.y, mask.x + width, mask.y + height}, maskOp);
    dc.StretchBlt(to, sheet, Rect{picture.x, picture.y, picture.x + width, picture.y + height}, pictureOp);
}

void DrawNote(DeviceContext& dc, const Rect& to, NoteSprite s) {
    const int y = s.row * kNoteHeight;
    DrawSprite(dc, to, g_bmpMoney, {kFirstNoteX - kNoteWidth * s.kind, y}, {kNoteMaskX, y}, kNoteWidth, kNoteHeight,
               RasterOp::Or, RasterOp::And);
}

// The sprites of the notes in drawing order.
std::vector<NoteSprite> SplitIntoNotes(unsigned amount) {
    std::array<unsigned, 2 * kNoteKinds> counts{};
    for (int k = 0; k < kNoteKinds; ++k) {
        counts[k] = amount / (kNotesPerBundle * kNoteValues[k]);
        amount %= kNotesPerBundle * kNoteValues[k];
    }
    for (int k = 0; k < kNoteKinds; ++k) {
        counts[kNoteKinds + k] = amount / kNoteValues[k];
        amount %= kNoteValues[k];
    }
    // A bundle of fives and a single 500 are worth the same; the single 500s
    // come first in the pile.
    std::swap(counts[kNoteKinds - 1], counts[kNoteKinds]);
    std::vector<NoteSprite> notes;
    for (int p = 0; p < 2 * kNoteKinds; ++p)
        notes.insert(notes.end(), counts[p], NoteSprite{p / kNoteKinds, p % kNoteKinds});
    return notes;
}

void DrawIcons(DeviceContext& dc, const Rect& r, std::span<const int> counts, int iconY, Point mask) {
    int n = 0;
    for (int c : counts)
        n += std::max(0, c);
    if (n < 1)
        return;
    const bool tall = r.Height() > r.Width();
    const int size = tall ? r.Width() : r.Height();
    const int step = std::min(size, tall ? (r.Height() - size) / n : r.Width() / n);
    int at = 0;
    for (size_t kind = 0; kind < counts.size(); ++kind)
        for (int i = 0; i < counts[kind]; ++i, ++at) {
            const Rect to = tall ? Rect{r.left, r.bottom - size - at * step, r.right, r.bottom - at * step}
                                 : Rect{r.left + at * step, r.top, r.left + at * step + size, r.bottom};
            const int x = kFirstIconX + kIconSize * static_cast<int>(kind);
            DrawSprite(dc, to, g_bmpPics, {x, iconY}, mask, kIconSize, kIconSize, RasterOp::And, RasterOp::Or);
        }
}

}  // namespace

void DrawDotMatrixDigit(const Rect& r, Colour lit, Colour unlit, int digit, DeviceContext& dc) {
    if (digit < 0 || digit > kBlankDigit)
        digit = kBlankDigit;
    const int dotW = r.Width() / 6, dotH = r.Height() / 9;
    for (int row = 0; row < kDotRows; ++row)
        for (int col = 0; col < kDotColumns; ++col) {
            const bool onFrame = row == 0 || row == 3 || row == 6 || col == 0 || col == 3;
            if (!onFrame)
                continue;
            const int x = r.left + col * (r.Width() >> 2), y = r.top + row * (r.Height() / kDotRows);
            const bool isLit = kDigitDots[digit][row * kDotColumns + col] == '#';
            DrawShadedDot(Rect{x, y, x + dotW, y + dotH}, isLit ? lit : unlit, dc);
        }
}

void DrawMoneyNotes(int amount, const Rect& r, DeviceContext& dc) {
    const std::vector<NoteSprite> notes = SplitIntoNotes(static_cast<unsigned>(amount));
    const int n = static_cast<int>(notes.size());
    if (n < 1)
        return;
    const int centreX = (r.left + r.right) / 2, centreY = (r.top + r.bottom) / 2;
    if (r.Height() > r.Width()) {
        int w = r.Width() * 2 / 3;
        const int step = std::clamp(((r.Height() * 32 / n) >> 5) - 1, 0, w);
        w = std::min(w, kNoteHeight);
        for (int i = 0; i < n; ++i) {
            const int bottom = r.bottom - i * step;
            DrawNote(dc, Rect{centreX - w * 3 / 4, bottom - w, centreX + w * 3 / 4, bottom}, notes[i]);
        }
        return;
    }
    int s = r.Height() * 3 / 2;
    const int m = n + (n & 1);
    const int step = std::clamp(((r.Width() * 32 / m) >> 5) - 1, 0, s);
    s = std::min(s, kNoteWidth);
    const int top = centreY - (2 * s) / 6, bottom = centreY + (2 * s) / 6;
    const int g = (top - r.top) / 2;
    for (int i = 0; i < n; ++i) {
        const bool firstRow = i < n / 2;
        const int place = firstRow ? i : i - n / 2;
        const int dy = firstRow ? g : -g;
        const int right = r.right - place * 2 * step;
        DrawNote(dc, Rect{right - s, top + dy, right, bottom + dy}, notes[i]);
    }
}

void DrawTensAsIcons(int value, const Rect& r, DeviceContext& dc) {
    if (value < 1)
        return;
    const int counts[] = {value / 1000, value % 1000 / 100, value % 100 / 10};
    constexpr Point kRateMask{kFirstIconX + 3 * kIconSize, kIconSize};
    DrawIcons(dc, r, counts, kIconSize, kRateMask);
}

void DrawUnitsAsIcons(int value, const Rect& r, DeviceContext& dc) {
    if (value == 0)
        return;
    const int counts[] = {value / 1000, value % 1000 / 100, value % 100 / 10, value % 10};
    constexpr Point kCountMask{kFirstIconX + 4 * kIconSize, 0};
    DrawIcons(dc, r, counts, 0, kCountMask);
}
