#include "ui/CrestBitmap.h"

#include "platform/Path.h"

namespace {

constexpr int kFallbackSide = 50;
constexpr Colour kFallbackGrey = Rgb(216, 216, 216);

}  // namespace

bool LoadBitmapFromFile(const std::string& storedPath, Bitmap& bitmap) {
    return bitmap.LoadBmp(ResolvePath(storedPath));
}

Size LoadCrestBitmap(const std::string& storedPath, Bitmap& bitmap) {
    if (LoadBitmapFromFile(storedPath, bitmap))
        return {bitmap.Width(), bitmap.Height()};
    bitmap.Create(kFallbackSide + 1, kFallbackSide + 1, kBlack);
    for (int y = 0; y < kFallbackSide; ++y)
        for (int x = 0; x < kFallbackSide; ++x)
            bitmap.SetPixel(x, y, kFallbackGrey);
    return {kFallbackSide, kFallbackSide};
}
