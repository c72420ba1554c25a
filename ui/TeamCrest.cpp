// A club's crest: its own picture, the common one, or one painted in its
// colour, so every club shows a crest whatever files the game has.
#include "platform/DeviceContext.h"
#include "ui/CrestBitmap.h"
#include "ui/Shading.h"
#include "world/Team.h"

namespace {

constexpr const char* kCommonCrestFile = "ohne.bmp";

constexpr int kPaintedSide = 100;
// Each channel at least this light, so even a black club shows its shading.
constexpr Colour kLightestDark = Rgb(63, 63, 63);
constexpr int kDiamonds = 10;
// The outer diamond's corners; each further one lies one pixel inside.
constexpr Point kLeftCorner{10, 49};
constexpr Point kTopCorner{49, 10};
constexpr Point kRightCorner{88, 49};
constexpr Point kBottomCorner{49, 88};

// Diamonds inward, each darker, down to about half the smallest channel.
Size PaintDiamondCrest(Colour clubColour, Bitmap& bitmap) {
    const Colour c = (clubColour & kColourMask) | kLightestDark;
    bitmap.Create(kPaintedSide, kPaintedSide, c);
    DeviceContext dc(&bitmap);
    const int step = ((SmallestChannel(c) / 2) * 256) / kDiamonds;
    Point left = kLeftCorner, top = kTopCorner, right = kRightCorner, bottom = kBottomCorner;
    for (int i = 0; i < kDiamonds; ++i) {
        dc.SelectPen(Pen::Solid(1, Darken(c, (i * step) / 256)));
        dc.MoveTo(left.x, left.y);
        for (const Point& corner : {top, right, bottom, left})
            dc.LineTo(corner.x, corner.y);
        ++left.x;
        ++top.y;
        --right.x;
        --bottom.y;
    }
    return {kPaintedSide, kPaintedSide};
}

}  // namespace

Size CTeam::GetCrestBitmap(Bitmap& bitmap) const {
    if (LoadBitmapFromFile(kCrestFolder + logoFile, bitmap) || LoadBitmapFromFile(std::string(kCrestFolder) + kCommonCrestFile, bitmap))
        return {bitmap.Width(), bitmap.Height()};
    return PaintDiamondCrest(homeColour, bitmap);
}
