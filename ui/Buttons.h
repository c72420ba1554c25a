#pragma once

#include <string>

#include "platform/DeviceContext.h"

// Buttons and boxes of the painted screens and dialogs. Their text is drawn
// centred on one line in g_fontFaceName at a size taken from their height;
// text colour and background mode are the caller's.

// A flat button with a raised 2-pixel edge (black bottom and right, the edge
// colour top and left); pressed, it shows only its text.
void DrawPushButton(const Rect& r, const std::string& text, Colour edge, DeviceContext& dc, bool pressed);
// Rings darkest at the rim toward the full colour in the middle.
void DrawCushionButton(const Rect& r, const std::string& text, Colour c, DeviceContext& dc, int limit);
// A raised edge around a gradient darkest at the top (limit 0: 255).
void DrawBevelButton(const Rect& r, const std::string& text, Colour c, DeviceContext& dc, int limit);
// The card texture stretched over the rectangle with a 2-pixel edge (the
// edge colour bottom and right, black top and left).
void DrawTexturedBox(const Rect& r, Colour edge, DeviceContext& dc);
