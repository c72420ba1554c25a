#pragma once

#include <string>

#include "platform/Colour.h"

// The tools a DeviceContext draws with. They are small values: selecting one
// into a device context copies it and hands back the one it replaced, so a
// painter puts the old one back by selecting it again.

enum class PenStyle { Solid, Dotted, None };

// Solid pens of any width (1, 2 and 5 pixels in use); dotted pens are 1 pixel.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Colour colour = kBlack;

    static Pen Solid(int width, Colour c) { return {PenStyle::Solid, width, c}; }
    static Pen Dotted(Colour c) { return {PenStyle::Dotted, 1, c}; }
    static Pen Null() { return {PenStyle::None, 0, kBlack}; }
    bool operator==(const Pen&) const = default;
};

// A solid brush, or a hollow one that fills nothing.
struct Brush {
    bool hollow = false;
    Colour colour = kWhite;

    static Brush Solid(Colour c) { return {false, c}; }
    static Brush Hollow() { return {true, kBlack}; }
    bool operator==(const Brush&) const = default;
};

// A font by face name (code page 1252) and size in tenths of a point, at a
// fixed 96 dots per inch: a 10-point font is 13 pixels from the top of its
// accents to the bottom of its descenders (the em square).
struct Font {
    static constexpr int kDotsPerInch = 96;
    static constexpr int kTenthsPerInch = 720;

    std::string face = "MS Sans Serif";
    int tenthsOfPoint = 80;
    bool bold = false;
    bool italic = false;

    static Font Point(std::string face, int tenthsOfPoint) { return {std::move(face), tenthsOfPoint}; }
    // Rounded to whole pixels, at least 1.
    int PixelSize() const;
    bool operator==(const Font&) const = default;
};
