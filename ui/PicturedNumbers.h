#pragma once

#include "platform/DeviceContext.h"

// Values shown as pictures: a digit as lit dots of a 4 × 7 matrix, money as
// a pile of bank notes, counts and rates as rows of small icons.

constexpr int kBlankDigit = 10;

// Only the frame of the matrix is drawn (rows 0, 3, 6 and columns 0, 3),
// each dot a shaded dot in the lit or unlit colour. A digit outside 0 to 10
// draws as the blank one.
void DrawDotMatrixDigit(const Rect& r, Colour lit, Colour unlit, int digit, DeviceContext& dc);
// Bundles of a hundred notes and single notes of 500 down to 5, from
// g_bmpMoney, stacked upward in a tall rectangle or in two rows from the
// right in a wide one.
void DrawMoneyNotes(int amount, const Rect& r, DeviceContext& dc);
// Thousands, hundreds and tens of a rate as icons from g_bmpPics.
void DrawTensAsIcons(int value, const Rect& r, DeviceContext& dc);
// Thousands, hundreds, tens and ones of a count as icons from g_bmpPics.
void DrawUnitsAsIcons(int value, const Rect& r, DeviceContext& dc);
