#pragma once

#include <cstdint>

// Raises an amount of money by the world's price rise in per mille. Amounts
// above a million are divided first so that the product stays in 32 bits.
inline uint32_t RaiseByPriceRise(uint32_t amount, int permille) {
    constexpr uint32_t kLargeAmount = 1000000;
    const uint32_t p = permille > 0 ? static_cast<uint32_t>(permille) : 0u;
    if (amount <= kLargeAmount)
        return amount + p * amount / 1000;
    return amount + (amount / 1000) * p;
}
