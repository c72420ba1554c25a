#include "ui/AttributeColour.h"

#include "ui/PaintSettings.h"

namespace {

constexpr int kAttributeColours[] = {16, 15, 14};  // below 5, below 10, from 10
constexpr int kLevelsPerColour = 5;

}  // namespace

Colour AttributeColour(int level) {
    return g_skinColours[kAttributeColours[level < kLevelsPerColour ? 0 : level < 2 * kLevelsPerColour ? 1 : 2]];
}
