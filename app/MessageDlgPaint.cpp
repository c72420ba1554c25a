#include "app/MessageDlg.h"

#include "ui/Buttons.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "ui/PaintSettings.h"

// The box is painted entirely by itself, in the skin's colours and pictures.

namespace {

constexpr int kTitleTenthsOfPoint = 150;
constexpr int kShadeLimit = 16;
constexpr int kTextColour = 7;
constexpr int kTitleBandColour = 1;
constexpr int kChoiceColour = 3;
constexpr int kTextBoxColour = 25;
constexpr int kUnlitHeaderColour = 9;
constexpr int kProgressEdgeColour = 6;
constexpr int kProgressFillColour = 0;
constexpr Colour kFrameLift = 0x202020;
constexpr Colour kLitHeaderLift = 0x606060;
constexpr Colour kProgressStart = 0x00FFFF;  // yellow
constexpr Colour kProgressEnd = 0xFF0000;    // blue

const char* const kHeaderLabels[MessageBoxLayout::kHeaderCount] = {"team", "message", "event"};

// Source cells in the dialog-button picture.
constexpr Point kOkPicture{0, 0};
constexpr Point kCancelPicture{0, 50};

Colour Skin(int index) { return g_skinColours[index]; }

Font TextFont(const MessageBoxLayout& m) { return Font::Point(g_fontFaceName, (3 * m.textUnit) >> 2); }

void CopyPicture(DeviceContext& dc, const Rect& target, Point source) {
    dc.BitBlt(target.left, target.top, target.Width(), target.Height(), g_bmpDButtons, source.x, source.y,
              RasterOp::Copy);
}

}  // namespace

void CMessageDlg::OnPaint(DeviceContext& dc) {
    flags = (flags & ~MSG_KIND_MASK) | MSG_SKIN;
    const int saved = dc.Save();
    dc.SetBackMode(BackMode::Transparent);
    dc.SetStretchMode(StretchMode::Nearest);
    dc.SetTextColour(Skin(kTextColour));

    const Rect client = ClientRect();
    const MessageBoxLayout m = LayOutMessageBox(client, flags, ChoiceCount());
    PaintTitle(dc, m);
    const Rect below{client.left, m.titleBand.bottom, client.right, client.bottom};
    if (!g_bmpBackDialog.IsEmpty())
        dc.StretchBlt(below, g_bmpBackDialog, Rect{0, 0, g_bmpBackDialog.Width(), g_bmpBackDialog.Height()},
                      RasterOp::Copy);
    PaintButtons(dc, m);
    PaintTextBox(dc, m);
    PaintIcons(dc, m);
    PaintProgress(dc, m);
    input_.Paint(dc);
    painted_ = m;
    dc.Restore(saved);
}

void CMessageDlg::PaintTitle(DeviceContext& dc, const MessageBoxLayout& m) const {
    FillGradientRect(m.titleBand, Skin(kTitleBandColour), false, kShadeLimit, dc);
    if (title.empty())
        return;
    dc.SelectFont(Font::Point(g_fontFaceName, kTitleTenthsOfPoint));
    dc.DrawText(title, m.titleBand, TextCentred);
}

void CMessageDlg::PaintButtons(DeviceContext& dc, const MessageBoxLayout& m) const {
    if (flags & MSG_CANCEL)
        CopyPicture(dc, m.cancel, kCancelPicture);
    if (flags & MSG_OK)
        CopyPicture(dc, m.ok, kOkPicture);
    for (int k = 0; k < ChoiceCount(); ++k)
        DrawBevelButton(m.choices[k], choiceLabels[k], Skin(kChoiceColour), dc, kShadeLimit);
}

void CMessageDlg::PaintTextBox(DeviceContext& dc, const MessageBoxLayout& m) const {
    const Colour frame = Skin(kTextBoxColour) + kFrameLift;
    const int rings = m.textUnit / 20;
    dc.FillRect(m.textBox, Skin(kTextBoxColour));
    for (const Rect& header : m.headers)
        DrawShadowFrame(header, rings, frame, kShadeLimit, dc);
    DrawShadowFrame(m.textBox, rings, frame, kShadeLimit, dc);

    dc.SelectFont(TextFont(m));
    dc.DrawText(text, m.textBox, TextLeft | TextTop | TextWordBreak);
    for (int i = 0; i < MessageBoxLayout::kHeaderCount; ++i) {
        if (flags & (MSG_TEAM << i))
            FillGradientRect(m.headers[i], frame + kLitHeaderLift, false, kShadeLimit, dc);
        else
            FillGradientRect(m.headers[i], Skin(kUnlitHeaderColour), true, kShadeLimit, dc);
        dc.DrawText(kHeaderLabels[i], m.headers[i], TextCentred);
    }
}

// The icon picture holds square cells: pictures in the top row, their masks
// in the row below. The icon stands three times across the area above the
// text box: at its left, in its middle and at its right.
void CMessageDlg::PaintIcons(DeviceContext& dc, const MessageBoxLayout& m) const {
    if (icon < 0 || icon >= kIconCount || g_bmpLogoBall.IsEmpty())
        return;
    const int cell = g_bmpLogoBall.Height() >> 1;
    const Rect& a = m.iconArea;
    const int inset = a.Height() >> 2;
    const int top = a.top + inset;
    const int side = (a.bottom - inset) - top;
    const int lefts[] = {a.left + inset, a.Center().x - (side >> 1), a.right - side - inset};
    const Rect picture{icon * cell, 0, (icon + 1) * cell, cell};
    const Rect mask{picture.left, cell, picture.right, 2 * cell};
    for (int left : lefts) {
        const Rect target{left, top, left + side, top + side};
        dc.StretchBlt(target, g_bmpLogoBall, mask, RasterOp::And);
        dc.StretchBlt(target, g_bmpLogoBall, picture, RasterOp::Or);
    }
}

void CMessageDlg::PaintProgress(DeviceContext& dc, const MessageBoxLayout& m) {
    if (!(flags & MSG_PROGRESS))
        return;
    DrawEdgedBox(dc, m.progressFrame, Skin(kProgressEdgeColour), Skin(kProgressFillColour));
    if (percent <= 0)
        return;
    if (percent > kFullPercent)
        percent = kFullPercent;
    const Rect& bar = m.progress;
    const Rect filled{bar.left, bar.top, bar.left + bar.Width() * percent / kFullPercent, bar.bottom};
    FillTwoColourGradient(kProgressStart, kProgressEnd, false, filled, dc);
}
