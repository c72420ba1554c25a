#pragma once

#include "platform/DeviceContext.h"

// A shirt outline filling the rectangle (collar, sleeves, body), filled with
// the colour and framed one pixel wide in black.
void DrawShirt(const Rect& r, DeviceContext& dc, Colour c);
