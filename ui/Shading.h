#pragma once

#include "platform/DeviceContext.h"

// The shaded drawing family every painted surface is built from: many
// one-pixel lines or frame rings whose colour is darkened step by step.
// Each helper leaves the device context's tools as it found them.
//
// Darkening by d subtracts d from each channel without clamping (a channel
// wraps), so each helper keeps d at or below its limit L: the smallest
// channel, lowered to the caller's limit where a helper takes one.
// Integer arithmetic throughout, as the look depends on its rounding.
//
// A helper given a zero ring count, a zero size or a rectangle too small for
// its step draws nothing.

Colour Darken(Colour c, int d);
int SmallestChannel(Colour c);

// Rows top to bottom inclusive (height + 1 lines), darkened by about L at the
// dark edge and in the full colour at the other.
void FillGradientRect(const Rect& r, Colour c, bool darkTop, int limit, DeviceContext& dc);
// The same with columns left to right inclusive.
void FillGradientRectHorz(const Rect& r, Colour c, bool darkLeft, int limit, DeviceContext& dc);
// A grey copy moved by half the height up or down and a full height left or
// right, then the rectangle itself; grey is also the limit of both.
void DrawShadowedGradientRect(const Rect& r, Colour c, int grey, bool darkTop, bool up, bool left,
                              DeviceContext& dc);
// Rings darkest outside, then a solid fill.
void FillSoftEdgedRect(DeviceContext& dc, const Rect& r, Colour c, int rings);
// Rings over a third of the height, then a fill in the last ring's colour.
void FillRaisedRect(const Rect& r, Colour c, bool sunken, int limit, DeviceContext& dc);
// Line pairs darkest at top and bottom (limit 0: no limit).
void FillTubeRect(Colour c, const Rect& r, DeviceContext& dc, int limit);
// Rings outside the rectangle, darkest next to it.
void DrawShadowFrame(const Rect& r, int rings, Colour c, int limit, DeviceContext& dc);
// A band inside the rectangle, lightest in the band's middle.
void DrawShadedBorder(const Rect& r, Colour c, int bandWidth, DeviceContext& dc);
// Rounded rectangles inward, darker inward.
void DrawShadedRoundRect(const Rect& r, Colour c, int rings, int limit, DeviceContext& dc);
// A shaded ball whose highlight moves toward the top or bottom and left or right.
void DrawShadedEllipse(DeviceContext& dc, const Rect& r, Colour c, bool towardTop, bool towardLeft);
// A shaded filled ellipse, darkest at its rim.
void DrawShadedDot(const Rect& r, Colour c, DeviceContext& dc);
// A triangle of lines from the apex to base points that move toward the
// base's middle, full colour at the sides and darkest in the middle.
void DrawShadedTriangle(Colour c, Point apex, Point base1, Point base2, int limit, DeviceContext& dc);
// A band of the given width along the segment, darkest at its edges; the
// band lies across the segment horizontally when vertical is set.
void DrawShadedLine(Colour c, Point from, Point to, int width, bool vertical, DeviceContext& dc);
// Arcs of 2 pixels, darker with each ring as the bounding rectangle narrows.
void DrawShadedArc(const Rect& r, Point start, Point end, Colour c, int rings, int limit, DeviceContext& dc);
// A bevel of height / 4 whose sides blend from the fill toward their own
// colours; an edge colour equal to the fill shows as the fill XOR 0x1F1F1F.
void DrawFourSidedBevel(Colour fill, Colour leftEdge, Colour rightEdge, Colour topEdge, Colour bottomEdge,
                        const Rect& r, DeviceContext& dc);
// A linear gradient from one colour to another, down or to the right.
void FillTwoColourGradient(Colour from, Colour to, bool vertical, const Rect& r, DeviceContext& dc);
// A badge: an octagon whose corners cut a sixth of the width, darkest at
// its rim (by at most 64).
void DrawShadedOctagon(Colour c, const Rect& r, DeviceContext& dc);
// A filled box with 2-pixel edges: the edge colour bottom and right, black top and left.
void DrawEdgedBox(DeviceContext& dc, const Rect& r, Colour edge, Colour fill);
