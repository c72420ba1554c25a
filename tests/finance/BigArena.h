#pragma once

#include <cstdint>

#include "world/Arena.h"

// Adds lines of blocks of one kind around the arena, a side at a time,
// until it holds at least the given number of places or cannot grow.
inline void EnlargeArena(CArena& arena, uint32_t minCapacity, uint8_t kind) {
    bool grew = true;
    while (grew && arena.GetCapacity() < minCapacity) {
        grew = false;
        for (int side = 0; side < 4 && arena.GetCapacity() < minCapacity; ++side)
            grew |= arena.AddGridLine(side == 0, side == 1, side == 2, side == 3, kind);
    }
}
