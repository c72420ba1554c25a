#include "platform/DrawingTools.h"
#include "ui/CrestBitmap.h"
#include "ui/InfoPanelRows.h"
#include "ui/KeepTools.h"
#include "ui/MaskedIcon.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "world/Team.h"

namespace {

constexpr int kUnitsHigh = 9;
constexpr int kPictureUnits = 5;
constexpr int kRowGradientLimit = 16;

struct IconRowCells {
    Point mask;
    Point pictureBase;  // the lowest kind; each higher kind lies one cell to the left
};

IconRowCells CellsOf(InfoIcons icons) {
    switch (icons) {
    case InfoIcons::kStrength: return {{120, 0}, {80, 0}};
    case InfoIcons::kSatisfaction: return {{480, 0}, {400, 0}};
    case InfoIcons::kLiquidity: return {{120, 80}, {80, 80}};
    case InfoIcons::kProspects: return {{440, 80}, {400, 80}};
    case InfoIcons::kNone: break;
    }
    return {};
}

// From the row's right edge leftward, each icon a unit square.
void DrawIconRow(DeviceContext& dc, const Rect& row, const InfoPanelRow& content, int unit) {
    const IconGroup group = IconGroupOf(content.value);
    const IconRowCells cells = CellsOf(content.icons);
    const Point picture{cells.pictureBase.x - kIconCell * group.kind, cells.pictureBase.y};
    for (int i = 0; i < group.count; ++i) {
        const int right = row.right - i * unit;
        DrawMaskedIcon(dc, {right - unit, row.top, right, row.top + unit}, {cells.mask, picture});
    }
}

// "label/value": the label on the left, the value on the right; a text
// without a label and a value draws nothing.
void DrawRowText(DeviceContext& dc, const Rect& row, const std::string& text) {
    const size_t slash = text.find('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == text.size())
        return;
    dc.DrawText(text.substr(0, slash), row, TextLeft | TextVCenter | TextSingleLine);
    dc.DrawText(text.substr(slash + 1), row, TextRight | TextVCenter | TextSingleLine);
}

void DrawCrest(DeviceContext& dc, const Rect& square, const std::string& logoFile) {
    Bitmap crest;
    const Size size = LoadCrestBitmap(kCrestFolder + logoFile, crest);
    const StretchMode old = dc.SetStretchMode(StretchMode::Filtered);
    dc.StretchBlt(square, crest, {0, 0, size.width, size.height}, RasterOp::Copy);
    dc.SetStretchMode(old);
}

}  // namespace

void CTeam::DrawInfoPanel(const Rect& r, uint32_t colour, DeviceContext& dc, int infoFlag) const {
    const int u = r.Height() / kUnitsHigh;
    if (u <= 0)
        return;
    KeepTools keep(dc);
    DrawShadedBorder(r, colour, u, dc);
    dc.SelectFont(Font::Point(g_fontFaceName, u * kTenthsPerPixelOfHeight));
    dc.SetBackMode(BackMode::Transparent);
    const auto form = infoFlag == 0 ? InfoPanelForm::kOwnTeam : InfoPanelForm::kTeamInformation;
    dc.DrawText(form == InfoPanelForm::kOwnTeam ? "own team" : "team information",
                {r.left, r.top, r.right, r.top + u}, TextCentred);

    const Rect picture{r.left + u, r.top + u, r.left + (1 + kPictureUnits) * u, r.top + (1 + kPictureUnits) * u};
    DrawCrest(dc, picture, logoFile);

    const InfoPanelRows rows = MakeInfoPanelRows(*this, form);
    for (int i = 0; i < kInfoPanelRows; ++i) {
        const int top = r.top + u + i * u;
        const int left = top >= picture.bottom ? r.left + u : picture.right;
        const Rect row{left, top, r.right - u, top + u};
        FillGradientRect(row, colour, false, kRowGradientLimit, dc);
        DrawRowText(dc, row, rows[i].text);
        if (rows[i].icons != InfoIcons::kNone)
            DrawIconRow(dc, row, rows[i], u);
    }
    dc.FrameRect(r, Brush::Solid(colour));
}
