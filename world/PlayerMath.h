#pragma once

// Small arithmetic the player's rules share.

// Division rounded down, for a positive divisor.
inline int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
