#include "ui/ControlLook.h"

#include <algorithm>
#include <array>

#include "ui/DialogUnits.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"

Font ControlFont() { return Font::Point(g_fontFaceName, DialogUnits::kFontTenthsOfPoint); }

int ControlTextWidth(const std::string& text) {
    DeviceContext measure;
    measure.SelectFont(ControlFont());
    return measure.MeasureText(text).x;
}

int ControlLineHeight() {
    DeviceContext measure;
    measure.SelectFont(ControlFont());
    return measure.LineHeight();
}

void SelectControlText(DeviceContext& dc, bool enabled) {
    dc.SelectFont(ControlFont());
    dc.SetTextColour(enabled ? kControlText : kDisabledText);
    dc.SetBackMode(BackMode::Transparent);
}

void PaintControlWell(DeviceContext& dc, const Rect& r) {
    dc.FillRect(r, kControlFill);
    dc.FrameRect(r, Brush::Solid(kBlack));
}

void PaintRaisedFace(DeviceContext& dc, const Rect& r, bool pressed) {
    KeepTools keep(dc);
    dc.FillRect(r, kControlFill);
    const Colour topLeft = pressed ? kShadowEdge : kLightEdge;
    const Colour bottomRight = pressed ? kLightEdge : kShadowEdge;
    dc.FillRect(Rect{r.left, r.top, r.right, r.top + 1}, topLeft);
    dc.FillRect(Rect{r.left, r.top, r.left + 1, r.bottom}, topLeft);
    dc.FillRect(Rect{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    dc.FillRect(Rect{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void PaintFocusFrame(DeviceContext& dc, const Rect& r) {
    KeepTools keep(dc);
    dc.SelectPen(Pen::Dotted(kControlText));
    dc.SelectBrush(Brush::Hollow());
    dc.Rectangle(r);
}

void PaintArrow(DeviceContext& dc, const Rect& r, ArrowDirection direction, Colour c) {
    KeepTools keep(dc);
    const Point centre = r.Center();
    const int half = std::max(2, std::min(r.Width(), r.Height()) / 4);
    const int depth = half / 2;
    std::array<Point, 3> points;
    switch (direction) {
    case ArrowDirection::Up:
        points = {Point{centre.x - half, centre.y + depth}, Point{centre.x + half, centre.y + depth},
                  Point{centre.x, centre.y - depth}};
        break;
    case ArrowDirection::Down:
        points = {Point{centre.x - half, centre.y - depth}, Point{centre.x + half, centre.y - depth},
                  Point{centre.x, centre.y + depth}};
        break;
    case ArrowDirection::Left:
        points = {Point{centre.x + depth, centre.y - half}, Point{centre.x + depth, centre.y + half},
                  Point{centre.x - depth, centre.y}};
        break;
    case ArrowDirection::Right:
        points = {Point{centre.x - depth, centre.y - half}, Point{centre.x - depth, centre.y + half},
                  Point{centre.x + depth, centre.y}};
        break;
    }
    dc.SelectPen(Pen::Solid(1, c));
    dc.SelectBrush(Brush::Solid(c));
    dc.Polygon(points);
}

void PaintArrowButton(DeviceContext& dc, const Rect& r, ArrowDirection direction, bool pressed, bool enabled) {
    PaintRaisedFace(dc, r, pressed);
    Rect glyph = r;
    if (pressed)
        glyph.Offset(1, 1);
    PaintArrow(dc, glyph, direction, enabled ? kControlText : kDisabledText);
}
