#pragma once

#include <cstdint>

// The game's one pseudo-random generator with 15-bit results:
// state = state * 214013 + 2531011, result = (state >> 16) & 32767.
void SeedRandom(uint32_t seed);
// Back to the state the program starts with.
void ResetRandom();
int Rand();
// A value from 0 to n - 1 for n >= 0: Rand() * n >> 15.
int RandBelow(int n);
// True with a chance of perMille / 1000.
bool ChancePerMille(int perMille);

// The integer n-th root by truncating Newton steps. The steps stop on the
// first one that truncates to nothing, so the result may lie one above the
// true root (100 gives 11 for n = 2); the game's tables are tuned to that.
int IntRoot(int value, int n);
