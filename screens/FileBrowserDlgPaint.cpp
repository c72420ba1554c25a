#include <algorithm>

#include "platform/Text.h"
#include "screens/FileBrowserDlg.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinFiles.h"

// The browser paints itself in the skin's colours and pictures; every font
// is sized from the height of what it writes.

namespace {

constexpr int kShadeLimit = 16;
constexpr int kTitleTenthsOfPoint = 150;
constexpr int kTextColour = 7;
constexpr int kTitleBandColour = 1;
constexpr int kBandColour = 3;
constexpr int kListEdgeColour = 6;
constexpr int kListFillColour = 0;
constexpr int kRowColour = 25;
constexpr Point kOkPicture{0, 0};
constexpr Point kCancelPicture{0, 50};
constexpr int kDetailLines = 5;
constexpr int kLinesPerPanel = 10;
constexpr int kKilobyteFrom = 4096;
constexpr int kKilobyteShift = 10;

Colour Skin(int index) { return g_skinColours[index]; }

Font FontForHeight(int pixels) { return Font::Point(g_fontFaceName, kTenthsPerPixelOfHeight * pixels); }

void CopyPicture(DeviceContext& dc, const Rect& target, Point source) {
    dc.BitBlt(target.left, target.top, target.Width(), target.Height(), g_bmpDButtons, source.x, source.y,
              RasterOp::Copy);
}

void StretchCell(DeviceContext& dc, const Rect& target, const Bitmap& picture, Point cell, int side) {
    dc.StretchBlt(target, picture, Rect{cell.x, cell.y, cell.x + side, cell.y + side}, RasterOp::Copy);
}

std::string SizeText(uint64_t bytes) {
    if (bytes < kKilobyteFrom)
        return Format("%d byte", static_cast<int>(bytes));
    return Format("%d kbyte", static_cast<int>(bytes >> kKilobyteShift));
}

}  // namespace

void CFileBrowserDlg::OnPaint(DeviceContext& dc) {
    layout_ = LayOutFileBrowser(ClientRect());
    const int saved = dc.Save();
    dc.SetStretchMode(StretchMode::Nearest);
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(Skin(kTextColour));
    PaintFrame(dc);
    PaintList(dc);
    if (selectionShown_)
        PaintSelection(dc);
    controls_.Paint(dc);
    dc.Restore(saved);
}

// The title band, the background, the pictures, the list's box, its arrows,
// the information panel's frame and the folder band.
void CFileBrowserDlg::PaintFrame(DeviceContext& dc) const {
    const FileBrowserLayout& l = layout_;
    const Rect client = ClientRect();
    FillGradientRect(l.titleBand, Skin(kTitleBandColour), false, kShadeLimit, dc);
    dc.SelectFont(Font::Point(g_fontFaceName, kTitleTenthsOfPoint));
    dc.DrawText(ShownTitle(), l.titleBand, TextCentred);
    const Rect below{client.left, l.titleBand.bottom, client.right, client.bottom};
    if (!g_bmpBackDialog.IsEmpty())
        dc.StretchBlt(below, g_bmpBackDialog, Rect{0, 0, g_bmpBackDialog.Width(), g_bmpBackDialog.Height()},
                      RasterOp::Copy);
    CopyPicture(dc, l.ok, kOkPicture);
    CopyPicture(dc, l.cancel, kCancelPicture);
    DrawEdgedBox(dc, l.list, Skin(kListEdgeColour), Skin(kListFillColour));
    StretchCell(dc, l.up, g_bmpScrollBar, kScrollUpCell, kScrollBarCell);
    StretchCell(dc, l.down, g_bmpScrollBar, kScrollDownCell, kScrollBarCell);
    DrawShadowFrame(l.info, l.work.Width() >> 6, Skin(kBandColour), kShadeLimit, dc);
    FillGradientRect(l.folderBand, Skin(kBandColour), true, kShadeLimit, dc);
    dc.SelectFont(FontForHeight(l.folderBand.Height()));
    dc.DrawText(folder_, l.folderBand, TextCentred);
}

// Ten rows from the first row on, each with its kind's icon, the selected
// entry inverted; the track with the thumb when the list is longer.
void CFileBrowserDlg::PaintList(DeviceContext& dc) const {
    const FileBrowserLayout& l = layout_;
    const int r = l.RowHeight();
    dc.SelectFont(FontForHeight(r));
    int row = 0;
    for (int i = firstRow_; i < EntryCount() && row < kRows; ++i, ++row) {
        const Rect rowRect = l.Row(row);
        dc.FillRect(rowRect, Skin(kRowColour));
        const Rect text{rowRect.left + r, rowRect.top, rowRect.right, rowRect.bottom};
        dc.DrawText(entries_[i], text, TextLeft | TextVCenter | TextSingleLine);
        if (i == selection_)
            dc.InvertRect(text);
        if (iconColumn_ && !kindIcons_.IsEmpty()) {
            const Rect icon{rowRect.left, rowRect.top, rowRect.left + r, rowRect.top + r};
            const Rect picture{*iconColumn_, 0, *iconColumn_ + kFileKindIconSide, kFileKindIconSide};
            const Rect mask{picture.left, kFileKindIconSide, picture.right, 2 * kFileKindIconSide};
            dc.StretchBlt(icon, kindIcons_, mask, RasterOp::And);
            dc.StretchBlt(icon, kindIcons_, picture, RasterOp::Or);
        }
    }
    const int below = l.list.top + 2 + row * r;
    dc.FillRect(Rect{l.list.left + 2, below, l.list.right - 2, l.list.bottom - 2}, Skin(kRowColour));
    FillGradientRectHorz(l.track, Skin(kBandColour), true, kShadeLimit, dc);
    if (EntryCount() > kRows) {
        const int side = l.track.Width();
        const int room = l.track.Height() - side;
        // A key may put an entry near the end on top; the thumb stays on the track.
        const int y = l.track.top + std::min(room, room * firstRow_ / LastFirstRow());
        StretchCell(dc, Rect{l.track.left, y, l.track.right, y + side}, g_bmpScrollBar, kScrollThumbCell, kScrollBarCell);
    }
}

void CFileBrowserDlg::PaintSelection(DeviceContext& dc) const {
    const Rect& panel = layout_.info;
    FillGradientRect(panel, Skin(kBandColour), true, kShadeLimit, dc);
    if (!preview_.IsEmpty()) {
        const Point c = panel.Center();
        const Size s = previewSize_;
        const Rect target{c.x - s.width / 2, c.y - s.height / 2, c.x - s.width / 2 + s.width,
                          c.y - s.height / 2 + s.height};
        // A tall picture at the panel's width would reach over the dialog.
        const int clipped = dc.Save();
        dc.SetClipRect(panel);
        dc.StretchBlt(target, preview_, Rect{0, 0, previewSource_.width, previewSource_.height},
                      RasterOp::Copy);
        dc.Restore(clipped);
    } else if (details_) {
        PaintDetails(dc);
    }
}

// Name, type, the day and the hour the file was made, and its size, one
// line each from the second tenth of the panel down.
void CFileBrowserDlg::PaintDetails(DeviceContext& dc) const {
    const Rect& panel = layout_.info;
    const FoundFile& f = *details_;
    const int line = panel.Height() / kLinesPerPanel;
    const size_t point = f.name.rfind('.');
    const Date& d = f.created;
    const std::string lines[kDetailLines] = {
        f.name,
        point == std::string::npos ? std::string() : f.name.substr(point + 1),
        Format("%02d.%02d.%02d", d.Day(), d.Month(), d.Year() % 100),
        Format("%02d.%02d o'clock", d.Hour(), d.Minute()),
        SizeText(f.size),
    };
    dc.SelectFont(FontForHeight(line));
    for (int i = 0; i < kDetailLines; ++i) {
        const int top = panel.top + (i + 1) * line;
        dc.DrawText(lines[i], Rect{panel.left, top, panel.right, top + line}, TextCentred);
    }
}
