#pragma once

#include "platform/DeviceContext.h"

// The vertical scroll bar of a list: an arrow button at each end and the
// track between them with a thumb that shows where the shown rows stand.
// A click on an arrow scrolls by a row, on the track by a page.

constexpr int kScrollStripWidth = 16;

// A list of `count` rows that shows `shown` of them from `first` on.
struct ScrollRange {
    int first = 0;
    int count = 0;
    int shown = 1;

    int LastFirst() const { return count > shown ? count - shown : 0; }
    int Clamped(int row) const { return row < 0 ? 0 : row > LastFirst() ? LastFirst() : row; }
    bool NeedsStrip() const { return count > shown; }
};

// The strip along the right edge of a list's inside.
Rect ScrollStripRect(const Rect& inside);
// The first row after a click on the strip at p; `first` when the click
// misses the arrows and the track, or lands on the thumb.
int ScrollStripClick(const Rect& strip, const ScrollRange& range, Point p);
void PaintScrollStrip(DeviceContext& dc, const Rect& strip, const ScrollRange& range);
