#include "world/Property.h"

#include <array>
#include <cstddef>

namespace {

// The status items, kinds 8 to 15, from the golf set up.
constexpr int kFirstStatusKind = 8;
constexpr std::array<int, 8> kStatusBonus = {1, 2, 3, 3, 4, 4, 5, 6};

}  // namespace

int CProperty::GetCoachingLevelBonus() const {
    const int index = kind - kFirstStatusKind;
    if (!used || index < 0 || index >= static_cast<int>(kStatusBonus.size()))
        return 0;
    return kStatusBonus[static_cast<std::size_t>(index)];
}
