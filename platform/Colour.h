#pragma once

#include <cstdint>

// A colour as 0x00BBGGRR: red in the low byte, then green, then blue, so the
// game's colour constants read as they are written. Bitmap pixels use the
// same form; the top byte is kept 0. In memory (little-endian) a pixel is the
// bytes R, G, B, 0: what SDL calls SDL_PIXELFORMAT_XBGR8888.
using Colour = uint32_t;

// Each channel is taken modulo 256, so a channel darkened below 0 wraps as
// the game's colour arithmetic expects.
constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r & 0xFF) | static_cast<uint32_t>(g & 0xFF) << 8 |
           static_cast<uint32_t>(b & 0xFF) << 16;
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Colour kColourMask = 0x00FFFFFF;
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
