#include "platform/Bitmap.h"

void Bitmap::Create(int width, int height, Colour fill) {
    Clear();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * height, fill & kColourMask);
}

void Bitmap::Clear() {
    width_ = height_ = 0;
    pixels_.clear();
    pixels_.shrink_to_fit();
}

Colour Bitmap::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return kBlack;
    return Row(y)[x];
}

void Bitmap::SetPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Row(y)[x] = c & kColourMask;
}
