#include "ui/Buttons.h"

#include <algorithm>

#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"

namespace {

void SelectFontForHeight(DeviceContext& dc, int height) {
    dc.SelectFont(Font::Point(g_fontFaceName, height * kTenthsPerPixelOfHeight));
}

// Black bottom and right edges, the light colour on the top and left, all
// 2 pixels wide; bottomLeftY ends the left edge.
void DrawRaisedEdge(DeviceContext& dc, const Rect& r, Colour bottomRight, Colour topLeft, int bottomLeftY) {
    dc.SelectPen(Pen::Solid(2, bottomRight));
    dc.MoveTo(r.left, r.bottom);
    dc.LineTo(r.right, r.bottom);
    dc.LineTo(r.right, r.top);
    dc.SelectPen(Pen::Solid(2, topLeft));
    dc.LineTo(r.left, r.top);
    dc.LineTo(r.left, bottomLeftY);
}

}  // namespace

void DrawPushButton(const Rect& r, const std::string& text, Colour edge, DeviceContext& dc, bool pressed) {
    KeepTools keep(dc);
    Rect face = r;
    face.Inflate(-1, -1);
    SelectFontForHeight(dc, face.Height());
    if (!pressed)
        DrawRaisedEdge(dc, face, kBlack, edge, face.bottom);
    dc.DrawText(text, face, TextCentred);
}

void DrawCushionButton(const Rect& r, const std::string& text, Colour c, DeviceContext& dc, int limit) {
    const int height = r.Height();
    if (height / 2 <= 0)
        return;
    KeepTools keep(dc);
    int L = SmallestChannel(c);
    if (limit > 0)
        L = std::min(L, limit);
    const int step = L * 10 / (height / 2);
    for (Rect ring = r; ring.Height() >= 0; ring.Inflate(-1, -1))
        dc.FrameRect(ring, Brush::Solid(Darken(c, ((ring.Height() / 2) * step) / 10)));
    SelectFontForHeight(dc, height);
    dc.DrawText(text, r, TextCentred);
}

void DrawBevelButton(const Rect& r, const std::string& text, Colour c, DeviceContext& dc, int limit) {
    constexpr int kNoLimit = 255;
    KeepTools keep(dc);
    const Rect box{r.left + 1, r.top, r.right - 1, r.bottom - 1};
    DrawRaisedEdge(dc, box, kBlack, c, box.bottom - 1);
    const Rect inside{box.left + 1, box.top + 1, box.right - 1, box.bottom - 2};
    FillGradientRect(inside, c, true, limit == 0 ? kNoLimit : limit, dc);
    SelectFontForHeight(dc, inside.Height());
    dc.DrawText(text, inside, TextCentred);
}

void DrawTexturedBox(const Rect& r, Colour edge, DeviceContext& dc) {
    KeepTools keep(dc);
    if (g_pCardBitmap && !g_pCardBitmap->IsEmpty())
        dc.StretchBlt(r, *g_pCardBitmap, Rect{0, 0, g_pCardBitmap->Width(), g_pCardBitmap->Height()},
                      RasterOp::Copy);
    DrawRaisedEdge(dc, r, edge, kBlack, r.bottom);
}
