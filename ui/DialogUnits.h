#pragma once

#include "platform/Geometry.h"

// Dialog templates give sizes in dialog units, which scale with the dialog's
// font. All our dialogs use "MS Sans Serif" at 8 points; at 96 dots per inch
// its average character is 6 pixels wide and 13 high, so a horizontal unit is
// a quarter of 6 pixels and a vertical unit an eighth of 13. Conversions
// round to the nearest pixel, halves away from zero.
namespace DialogUnits {

constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kFontTenthsOfPoint = 80;
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;
constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

constexpr int ScaleRounded(int value, int multiplier, int divisor) {
    const long long product = static_cast<long long>(value) * multiplier;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

constexpr int ToPixelsX(int units) { return ScaleRounded(units, kBaseUnitX, kUnitsPerBaseX); }
constexpr int ToPixelsY(int units) { return ScaleRounded(units, kBaseUnitY, kUnitsPerBaseY); }

// Each edge is converted on its own, as a template's control rectangle is.
constexpr Rect ToPixels(const Rect& units) {
    return {ToPixelsX(units.left), ToPixelsY(units.top), ToPixelsX(units.right), ToPixelsY(units.bottom)};
}

constexpr Size ToPixels(const Size& units) { return {ToPixelsX(units.width), ToPixelsY(units.height)}; }

}  // namespace DialogUnits
