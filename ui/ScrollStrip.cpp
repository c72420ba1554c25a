#include "ui/ScrollStrip.h"

#include <algorithm>

#include "ui/ControlLook.h"

namespace {

struct StripParts {
    Rect up;
    Rect down;
    Rect track;
    Rect thumb;
};

// Arrows square at the ends; the thumb stands for the shown part of the
// rows, never shorter than half an arrow.
StripParts PartsOf(const Rect& strip, const ScrollRange& range) {
    const int arrow = std::min(strip.Width(), strip.Height() / 2);
    StripParts parts;
    parts.up = {strip.left, strip.top, strip.right, strip.top + arrow};
    parts.down = {strip.left, strip.bottom - arrow, strip.right, strip.bottom};
    parts.track = {strip.left, parts.up.bottom, strip.right, parts.down.top};
    const int trackHeight = parts.track.Height();
    if (range.count > 0 && trackHeight > 0) {
        const int length = std::max(arrow / 2, trackHeight * range.shown / range.count);
        const int room = trackHeight - length;
        const int top = range.LastFirst() > 0 ? parts.track.top + room * range.first / range.LastFirst()
                                              : parts.track.top;
        parts.thumb = {strip.left, top, strip.right, top + length};
    }
    return parts;
}

}  // namespace

Rect ScrollStripRect(const Rect& inside) {
    return {inside.right - kScrollStripWidth, inside.top, inside.right, inside.bottom};
}

int ScrollStripClick(const Rect& strip, const ScrollRange& range, Point p) {
    const StripParts parts = PartsOf(strip, range);
    if (parts.up.Contains(p))
        return range.Clamped(range.first - 1);
    if (parts.down.Contains(p))
        return range.Clamped(range.first + 1);
    if (!parts.track.Contains(p) || parts.thumb.Contains(p))
        return range.first;
    const int page = std::max(1, range.shown - 1);
    return range.Clamped(p.y < parts.thumb.top ? range.first - page : range.first + page);
}

void PaintScrollStrip(DeviceContext& dc, const Rect& strip, const ScrollRange& range) {
    const StripParts parts = PartsOf(strip, range);
    dc.FillRect(parts.track, kControlFill);
    PaintArrowButton(dc, parts.up, ArrowDirection::Up, false, range.first > 0);
    PaintArrowButton(dc, parts.down, ArrowDirection::Down, false, range.first < range.LastFirst());
    if (!parts.thumb.IsEmpty())
        PaintRaisedFace(dc, parts.thumb, false);
}
