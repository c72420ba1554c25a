#pragma once

#include "platform/DeviceContext.h"

// The 40 × 40 icons of g_bmpPics, each with a mask cell that is black where
// the icon shows: the mask ANDed in, then the icon ORed in, stretched into
// the destination.
constexpr int kIconCell = 40;

struct IconCells {
    Point mask;
    Point picture;
};

void DrawMaskedIcon(DeviceContext& dc, const Rect& dst, const IconCells& cells);
