#include "tools/assets/Art.h"
#include "tools/assets/Palette.h"
#include "tools/assets/SkinArt.h"
#include "world/Vocabulary.h"

namespace {

constexpr int kFlagWidth = 60, kFlagHeight = 40, kFlagsPerRow = 10;

// A cloth look: a soft light from the top left and a thin dark edge, so
// white flags stand out on white and every flag reads as an object.
void FinishFlag(Bitmap& flag) {
    const int w = flag.Width(), h = flag.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int light = 28 - (x + 2 * y) * 40 / (w + 2 * h);
            Colour& p = reinterpret_cast<Colour&>(flag.Row(y)[x]);
            p = light > 0 ? Lighter(p, light) : Darker(p, -light);
        }
    const Colour edge = Rgb(40, 48, 64);
    for (int x = 0; x < w; ++x) {
        flag.Row(0)[x] = Mix(flag.Row(0)[x], edge, 150);
        flag.Row(h - 1)[x] = Mix(flag.Row(h - 1)[x], edge, 150);
    }
    for (int y = 0; y < h; ++y) {
        flag.Row(y)[0] = Mix(flag.Row(y)[0], edge, 150);
        flag.Row(y)[w - 1] = Mix(flag.Row(y)[w - 1], edge, 150);
    }
}

}  // namespace

Bitmap DrawFlags(const FlagTable& flags) {
    const int rows = (kNationCount + kFlagsPerRow - 1) / kFlagsPerRow;
    Bitmap sheet(kFlagsPerRow * kFlagWidth, rows * kFlagHeight, palette::kNavy);
    for (int n = 0; n < kNationCount; ++n) {
        const Flag* flag = flags.Find(n);
        if (!flag)
            continue;
        Bitmap picture = DrawFlag(*flag, kFlagWidth, kFlagHeight);
        FinishFlag(picture);
        CopyInto(sheet, picture, n % kFlagsPerRow * kFlagWidth, n / kFlagsPerRow * kFlagHeight);
    }
    return sheet;
}

Bitmap DrawCupBadges() {
    // Cell 0 carries the league level or "A" written over it, so its middle
    // stays calm; cell 1 is the national super cup.
    Bitmap sheet(kFlagWidth, 2 * kFlagHeight, palette::kNavy);
    for (int cell = 0; cell < 2; ++cell) {
        const double top = cell * kFlagHeight;
        Layer badge(kFlagWidth, 2 * kFlagHeight);
        badge.RoundRect(1, top + 1, kFlagWidth - 1, top + kFlagHeight - 1, 6, palette::kIce);
        badge.RoundRect(3, top + 3, kFlagWidth - 3, top + kFlagHeight - 3, 5,
                        cell == 0 ? palette::kSteel : palette::kBronze);
        badge.ShadeVertical(3, top + 3, kFlagWidth - 3, top + kFlagHeight - 3,
                            cell == 0 ? Lighter(palette::kBlue, 60) : palette::kGold,
                            cell == 0 ? palette::kNavy : palette::kBronze);
        if (cell == 1) {
            // A small cup.
            badge.Polygon({{22, top + 8}, {38, top + 8}, {35, top + 22}, {25, top + 22}}, palette::kWhite);
            badge.Box(28.5, top + 22, 31.5, top + 28, palette::kWhite);
            badge.RoundRect(23, top + 28, 37, top + 32, 1.5, palette::kWhite);
        }
        badge.DrawOnto(sheet, 0, 0);
    }
    return sheet;
}
