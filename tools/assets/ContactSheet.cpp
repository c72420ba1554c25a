#include "tools/assets/ContactSheet.h"

#include <algorithm>
#include <vector>

#include "platform/Text.h"
#include "tools/assets/Art.h"
#include "tools/assets/Palette.h"
#include "ui/SkinFiles.h"

namespace {

constexpr int kSheetWidth = 1800, kMargin = 16, kHeader = 22, kLabelHeight = 10;

struct Entry {
    const SkinFile* file;
    Bitmap picture;
    double scale;
    Point at;
};

// Small cells are shown twice as large, whole pictures at most 640 wide.
double ScaleFor(const SkinFile& f, const Bitmap& b) {
    if (f.cellWidth == 0)
        return std::min(1.0, 640.0 / b.Width());
    if (f.cellWidth <= 50 && b.Width() * 2 <= kSheetWidth - 2 * kMargin)
        return 2;
    return std::min(1.0, double(kSheetWidth - 2 * kMargin) / b.Width());
}

int Scaled(int v, double scale) { return int(v * scale + 0.5); }

// Rows of pictures, left to right, each row as tall as its tallest.
int Place(std::vector<Entry>& entries) {
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (Entry& e : entries) {
        const int w = Scaled(e.picture.Width(), e.scale), h = Scaled(e.picture.Height(), e.scale) + kHeader;
        if (x > kMargin && x + w > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        e.at = {x, y};
        x += w + kMargin;
        rowHeight = std::max(rowHeight, h);
    }
    return y + rowHeight + kMargin;
}

std::string CellLabel(const SkinFile& f, int x, int y) {
    if (std::string(f.name) == "FLAGS.BMP")
        return Format("%d", y / f.cellHeight * 10 + x / f.cellWidth);
    return Format("%d,%d", x, y);
}

void DrawCells(DeviceContext& dc, const Entry& e, const Rect& area) {
    const SkinFile& f = *e.file;
    if (f.cellWidth == 0)
        return;
    dc.SelectFont(ArtFont(kLabelHeight, false));
    for (int y = 0; y < e.picture.Height(); y += f.cellHeight)
        for (int x = 0; x < e.picture.Width(); x += f.cellWidth) {
            const Rect cell{area.left + Scaled(x, e.scale), area.top + Scaled(y, e.scale),
                            area.left + Scaled(std::min(x + f.cellWidth, e.picture.Width()), e.scale),
                            area.top + Scaled(std::min(y + f.cellHeight, e.picture.Height()), e.scale)};
            dc.FrameRect(cell, Brush::Solid(Rgb(255, 0, 200)));
            const std::string label = CellLabel(f, x, y);
            const Point size = dc.MeasureText(label);
            const Rect tag{cell.left + 1, cell.top + 1, cell.left + 3 + size.x, cell.top + 1 + size.y};
            BlendRect(*dc.Target(), tag, kBlack, 170);
            dc.SetTextColour(kWhite);
            dc.DrawText(label, Rect{tag.left + 1, tag.top, tag.right, tag.bottom}, TextLeft | TextTop | TextSingleLine);
        }
}

}  // namespace

Bitmap DrawContactSheet(const std::filesystem::path& skinFolder, std::string* missing) {
    std::vector<Entry> entries;
    for (const SkinFile& f : SkinBitmapFiles()) {
        Bitmap b;
        if (!b.LoadBmp(skinFolder / f.name)) {
            *missing += std::string(missing->empty() ? "" : ", ") + f.name;
            continue;
        }
        const double scale = ScaleFor(f, b);
        entries.push_back({&f, std::move(b), scale, {}});
    }
    Bitmap sheet(kSheetWidth, Place(entries), Rgb(34, 38, 46));
    DeviceContext dc(&sheet);
    dc.SetBackMode(BackMode::Transparent);
    dc.SetStretchMode(StretchMode::Nearest);
    for (const Entry& e : entries) {
        const int w = Scaled(e.picture.Width(), e.scale), h = Scaled(e.picture.Height(), e.scale);
        dc.SelectFont(ArtFont(14));
        dc.SetTextColour(palette::kAmber);
        const SkinFile& f = *e.file;
        const std::string title = f.cellWidth ? Format("%s  %d x %d  cells %d x %d", f.name, e.picture.Width(),
                                                       e.picture.Height(), f.cellWidth, f.cellHeight)
                                              : Format("%s  %d x %d", f.name, e.picture.Width(), e.picture.Height());
        dc.DrawText(title, Rect{e.at.x, e.at.y, e.at.x + std::max(w, 600), e.at.y + kHeader},
                    TextLeft | TextVCenter | TextSingleLine);
        const Rect area{e.at.x, e.at.y + kHeader, e.at.x + w, e.at.y + kHeader + h};
        dc.SetStretchMode(e.scale < 1 ? StretchMode::Filtered : StretchMode::Nearest);
        dc.StretchBlt(area, e.picture, Rect{0, 0, e.picture.Width(), e.picture.Height()}, RasterOp::Copy);
        DrawCells(dc, e, area);
    }
    return sheet;
}
