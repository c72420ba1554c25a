#include "platform/PictureFit.h"

#include <cstdint>

namespace {

// Rounds towards minus infinity, so that a point left of or above the
// picture never lands on its first pixel.
int FloorDiv(int64_t numerator, int64_t denominator) {
    int64_t q = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
        --q;
    return static_cast<int>(q);
}

}  // namespace

Rect FitPicture(Size picture, Size window) {
    if (picture.width <= 0 || picture.height <= 0 || window.width <= 0 || window.height <= 0)
        return {};
    const int64_t pictureByWindow = int64_t{picture.width} * window.height;
    const int64_t windowByPicture = int64_t{window.width} * picture.height;
    if (pictureByWindow > windowByPicture) {
        // Wider than the window: full width, bars above and below.
        const int height = static_cast<int>(windowByPicture / picture.width);
        const int top = (window.height - height) / 2;
        return {0, top, window.width, top + height};
    }
    if (pictureByWindow < windowByPicture) {
        // Narrower: full height, bars left and right.
        const int width = static_cast<int>(pictureByWindow / picture.height);
        const int left = (window.width - width) / 2;
        return {left, 0, left + width, window.height};
    }
    return {0, 0, window.width, window.height};
}

Point WindowToPicture(Point windowPoint, Size picture, const Rect& placed) {
    if (placed.IsEmpty())
        return windowPoint;
    return {FloorDiv(int64_t{windowPoint.x - placed.left} * picture.width, placed.Width()),
            FloorDiv(int64_t{windowPoint.y - placed.top} * picture.height, placed.Height())};
}
