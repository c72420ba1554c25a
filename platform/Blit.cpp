// Copying bitmaps into a device context, plain and stretched.
#include <algorithm>
#include <vector>

#include "platform/DeviceContext.h"

namespace {

inline uint32_t Combine(uint32_t dst, uint32_t src, RasterOp op) {
    switch (op) {
    case RasterOp::Copy: return src;
    case RasterOp::And: return dst & src;
    case RasterOp::Or: return dst | src;
    case RasterOp::Xor: return dst ^ src;
    }
    return src;
}

void CombineRow(uint32_t* dst, const uint32_t* src, int count, RasterOp op) {
    if (op == RasterOp::Copy) {
        std::copy(src, src + count, dst);
        return;
    }
    for (int i = 0; i < count; ++i)
        dst[i] = Combine(dst[i], src[i], op);
}

// The mean of the source pixels in [x0, x1) × [y0, y1).
Colour BoxAverage(const Bitmap& src, int x0, int y0, int x1, int y1) {
    uint32_t r = 0, g = 0, b = 0, n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Colour c = src.Row(y)[x];
            r += RedOf(c), g += GreenOf(c), b += BlueOf(c), ++n;
        }
    return Rgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

// The source pixel at (fx, fy) in source pixel units, blended from its four
// neighbours in 1/256 steps.
Colour Bilinear(const Bitmap& src, const Rect& area, double fx, double fy) {
    const double px = std::clamp(fx - 0.5, static_cast<double>(area.left), area.right - 1.0);
    const double py = std::clamp(fy - 0.5, static_cast<double>(area.top), area.bottom - 1.0);
    const int x0 = static_cast<int>(px), y0 = static_cast<int>(py);
    const int x1 = std::min(x0 + 1, area.right - 1), y1 = std::min(y0 + 1, area.bottom - 1);
    const int wx = static_cast<int>((px - x0) * 256), wy = static_cast<int>((py - y0) * 256);
    const Colour c00 = src.Row(y0)[x0], c10 = src.Row(y0)[x1], c01 = src.Row(y1)[x0], c11 = src.Row(y1)[x1];
    auto mix = [&](int (*channel)(Colour)) {
        const int top = channel(c00) * (256 - wx) + channel(c10) * wx;
        const int bottom = channel(c01) * (256 - wx) + channel(c11) * wx;
        return (top * (256 - wy) + bottom * wy) >> 16;
    };
    return Rgb(mix(RedOf), mix(GreenOf), mix(BlueOf));
}

}  // namespace

void DeviceContext::BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
                           RasterOp op) {
    if (!target_ || src.IsEmpty())
        return;
    Rect area = Rect{x, y, x + width, y + height}.Intersect(ClipBounds());
    area = area.Intersect(Rect{x - srcX, y - srcY, x - srcX + src.Width(), y - srcY + src.Height()});
    for (int row = area.top; row < area.bottom; ++row)
        CombineRow(target_->Row(row) + area.left, src.Row(row - y + srcY) + (area.left - x + srcX),
                   area.Width(), op);
}

// Each target pixel takes the source at the same place of the source
// rectangle: the nearest pixel, or a filtered mix (a box mean where the
// picture shrinks, four neighbours blended where it grows). Negative sizes
// (mirroring) are not supported and draw nothing.
void DeviceContext::StretchBlt(const Rect& dst, const Bitmap& src, const Rect& srcRect, RasterOp op) {
    const Rect from = srcRect.Intersect(Rect{0, 0, src.Width(), src.Height()});
    if (!target_ || dst.IsEmpty() || from != srcRect || from.IsEmpty())
        return;
    const Rect area = dst.Intersect(ClipBounds());
    if (area.IsEmpty())
        return;
    const int64_t dw = dst.Width(), dh = dst.Height(), sw = from.Width(), sh = from.Height();
    auto sourceX = [&](int64_t x) { return static_cast<int>(from.left + ((x - dst.left) * 2 + 1) * sw / (2 * dw)); };
    auto sourceY = [&](int64_t y) { return static_cast<int>(from.top + ((y - dst.top) * 2 + 1) * sh / (2 * dh)); };
    std::vector<uint32_t> line(static_cast<size_t>(area.Width()));
    if (state_.stretchMode == StretchMode::Nearest) {
        std::vector<int> columns(line.size());
        for (int x = area.left; x < area.right; ++x)
            columns[x - area.left] = sourceX(x);
        for (int y = area.top; y < area.bottom; ++y) {
            const uint32_t* srcRow = src.Row(sourceY(y));
            for (size_t i = 0; i < line.size(); ++i)
                line[i] = srcRow[columns[i]];
            CombineRow(target_->Row(y) + area.left, line.data(), area.Width(), op);
        }
        return;
    }
    const bool shrinks = sw > dw || sh > dh;
    for (int y = area.top; y < area.bottom; ++y) {
        const int y0 = static_cast<int>(from.top + (y - dst.top) * sh / dh);
        const int y1 = std::max(y0 + 1, static_cast<int>(from.top + (y + 1 - dst.top) * sh / dh));
        for (int x = area.left; x < area.right; ++x) {
            Colour c;
            if (shrinks) {
                const int x0 = static_cast<int>(from.left + (x - dst.left) * sw / dw);
                const int x1 = std::max(x0 + 1, static_cast<int>(from.left + (x + 1 - dst.left) * sw / dw));
                c = BoxAverage(src, x0, y0, x1, y1);
            } else {
                c = Bilinear(src, from, from.left + (x - dst.left + 0.5) * sw / dw,
                             from.top + (y - dst.top + 0.5) * sh / dh);
            }
            line[x - area.left] = c;
        }
        CombineRow(target_->Row(y) + area.left, line.data(), area.Width(), op);
    }
}
