#pragma once

#include <cstdint>

// The game's one pseudo-random generator with 15-bit results:
// state = state * 214013 + 2531011, result = (state >> 16) & 32767.
// Inline: training and the matches draw hundreds of thousands of numbers a
// day.
namespace random_detail {
constexpr uint32_t kStartState = 1;
inline uint32_t g_state = kStartState;
}  // namespace random_detail

inline void SeedRandom(uint32_t seed) { random_detail::g_state = seed; }
// Back to the state the program starts with.
inline void ResetRandom() { random_detail::g_state = random_detail::kStartState; }
inline int Rand() {
    random_detail::g_state = random_detail::g_state * 214013u + 2531011u;
    return static_cast<int>((random_detail::g_state >> 16) & 32767u);
}
// A value from 0 to n - 1 for n >= 0: Rand() * n >> 15.
inline int RandBelow(int n) { return static_cast<int>((static_cast<int64_t>(Rand()) * n) >> 15); }
// True with a chance of perMille / 1000.
inline bool ChancePerMille(int perMille) { return RandBelow(1000) < perMille; }

// The integer n-th root by truncating Newton steps. The steps stop on the
// first one that truncates to nothing, so the result may lie one above the
// true root (100 gives 11 for n = 2); the game's tables are tuned to that.
int IntRoot(int value, int n);
