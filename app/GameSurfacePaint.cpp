#include "app/GameSurfacePaint.h"

#include "platform/Text.h"
#include "screens/GameMenuScreen.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenState.h"
#include "ui/KeepTools.h"
#include "ui/MaskedIcon.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace {

constexpr int kTextColour = 7;
constexpr Colour kCurrentText = 0x0064C8C8;
constexpr Colour kUnavailableText = 0x009696C8;
constexpr int kNavSelectedRow = 1;
constexpr int kNavUnavailableRow = 2;
constexpr int kInfoLines = 5;
constexpr char kEuroSign = '\x80';
constexpr int kMaskCellX = 3 * kIconCell;
// The pages of screens 9 and 16 that their action buttons select.
constexpr int kSquadPoolFirstPageButton = 9;
constexpr int kStatisticsFirstPageButton = 3;

bool GroupHasAvailableTarget(int group, const NavAvailability& available) {
    for (int target = 1; target <= kNavTargetCount; ++target)
        if (g_navGroupOfScreen[target] == group && available[target - 1])
            return true;
    return false;
}

int NavBarRow(int group, int screenId, const NavAvailability& available) {
    if (g_navGroupOfScreen[screenId] == group)
        return kNavSelectedRow;
    const int button = g_navGroupButton[group];
    return available[button] || GroupHasAvailableTarget(group, available) ? 0 : kNavUnavailableRow;
}

Colour TextColourOf(SubButtonState state) {
    switch (state) {
    case SubButtonState::kCurrent: return kCurrentText;
    case SubButtonState::kUnavailable: return kUnavailableText;
    case SubButtonState::kNormal: break;
    }
    return g_skinColours[kTextColour];
}

std::string NetAssetsLine(const CTeam& userTeam) {
    if (&userTeam == &g_noClubTeam || &userTeam == g_manager.nationalTeam)
        return {};
    return Format("%lld ", static_cast<long long>(userTeam.account.GetNetAssets(userTeam.capital))) + kEuroSign;
}

void PaintLabel(DeviceContext& dc, const Rect& row, const std::string& label, bool twoLines) {
    const int textLeft = row.left + kSubButtonInset + row.Height() / 2;
    const size_t slash = label.find('/');
    if (!twoLines || slash == std::string::npos) {
        dc.DrawText(label, Rect{textLeft, row.top, row.right, row.bottom}, TextLeft | TextVCenter | TextSingleLine);
        return;
    }
    const int middle = row.top + row.Height() / 2;
    dc.DrawText(label.substr(0, slash), Rect{textLeft, row.top, row.right, middle},
                TextLeft | TextBottom | TextSingleLine);
    dc.DrawText(label.substr(slash + 1), Rect{textLeft, middle, row.right, row.bottom},
                TextLeft | TextTop | TextSingleLine);
}

void PaintSubButton(DeviceContext& dc, const Rect& row, const SubButton& button, SubButtonState state) {
    const int rh = row.Height();
    const int mark = rh / 2;
    const Point picture{kIconCell - kIconCell * static_cast<int>(state), 0};
    DrawMaskedIcon(dc, Rect{row.left, row.top + rh / 4, row.left + mark, row.top + rh / 4 + mark},
                   IconCells{{kMaskCellX, 0}, picture});
    dc.SetTextColour(TextColourOf(state));
    PaintLabel(dc, row, g_navLabels[static_cast<size_t>(button.label)], button.twoLines);
}

// The left half of the overlay is its picture, the right half its mask.
void PaintOverlay(DeviceContext& dc, const Rect& column, const Bitmap& overlay, Size size) {
    const int half = size.width / 2;
    dc.StretchBlt(column, overlay, Rect{half, 0, size.width, size.height}, RasterOp::And);
    dc.StretchBlt(column, overlay, Rect{0, 0, half, size.height}, RasterOp::Or);
}

}  // namespace

SubButtonState StateOfSubButton(const SubButton& button, int screenId, const NavAvailability& available) {
    if (button.screen < 1 || button.screen > kNavTargetCount || !available[button.screen - 1])
        return SubButtonState::kUnavailable;
    if (button.screen != screenId)
        return SubButtonState::kNormal;
    if (button.navigation)
        return SubButtonState::kCurrent;
    int page = -1;
    if (screenId == kScreenContracts)
        page = g_squadPoolPage + kSquadPoolFirstPageButton;
    else if (screenId == kScreenStatistics)
        page = g_statPage + kStatisticsFirstPageButton;
    else if (screenId == kScreenGameMenu)
        page = g_gameMenuPage + kOptionsPageButton;
    return page == button.button ? SubButtonState::kCurrent : SubButtonState::kNormal;
}

void PaintNavigationBar(DeviceContext& dc, const GameSurfaceLayout& layout, const Bitmap& navBar, Size navBarSize,
                        int screenId, const NavAvailability& available) {
    const int cellWidth = navBarSize.width / kNavGroupCount;
    const int cellHeight = navBarSize.height / kNavBarRows;
    for (int g = 0; g < kNavGroupCount; ++g) {
        const int row = NavBarRow(g, screenId, available);
        const Rect cell{g * cellWidth, row * cellHeight, (g + 1) * cellWidth, (row + 1) * cellHeight};
        dc.StretchBlt(layout.navRects[static_cast<size_t>(g_navGroupButton[g])], navBar, cell, RasterOp::Copy);
    }
}

std::string ShownGameDate() {
    return Format("%02d.%02d.%02d", g_gameDate.Day(), g_gameDate.Month(), g_gameDate.Year() % 100);
}

void PaintInfoPanel(DeviceContext& dc, const GameSurfaceLayout& layout, const WindowSkinBitmaps& skin,
                    const CTeam& userTeam) {
    KeepTools keep(dc);
    const Rect& panel = layout.infoPanel;
    const Size picture = g_layoutPoints[kLayoutEdge];
    dc.StretchBlt(panel, skin.edge, Rect{0, 0, picture.width, picture.height}, RasterOp::Copy);
    const int lineHeight = panel.Height() / kInfoLines;
    dc.SelectFont(Font::Point(g_fontFaceName, lineHeight * 5));
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(g_skinColours[kTextColour]);
    const std::string lines[kInfoLines] = {
        g_manager.firstName, g_manager.lastName,
        ShownGameDate(),
        NetAssetsLine(userTeam), userTeam.name,
    };
    for (int i = 0; i < kInfoLines; ++i) {
        const Rect line{panel.left + 5, panel.top + i * lineHeight, panel.right, panel.top + (i + 1) * lineHeight};
        dc.DrawText(lines[i], line, TextLeft | TextVCenter | TextSingleLine);
    }
}

void PaintSubButtonColumn(DeviceContext& dc, const GameSurfaceLayout& layout, const WindowSkinBitmaps& skin,
                          int screenId, const NavAvailability& available) {
    KeepTools keep(dc);
    const Rect& column = layout.subButtonColumn;
    const Size background = g_layoutPoints[kLayoutEmptyLayer];
    dc.StretchBlt(column, skin.emptyLayer, Rect{0, 0, background.width, background.height}, RasterOp::Copy);
    const int rowHeight = column.Height() / kSubButtonCount;
    dc.SelectFont(Font::Point(g_fontFaceName, rowHeight * 5 / 2));
    dc.SetBackMode(BackMode::Transparent);
    const auto& row = g_subButtonTable[static_cast<size_t>(g_navGroupOfScreen[screenId])];
    for (int p = 0; p < kSubButtonCount; ++p) {
        if (row[static_cast<size_t>(p)] == 0)
            continue;
        const SubButton button = DecodeSubButton(row[static_cast<size_t>(p)]);
        PaintSubButton(dc, layout.subButtonRects[static_cast<size_t>(p)], button,
                       StateOfSubButton(button, screenId, available));
    }
    PaintOverlay(dc, column, skin.layer, g_layoutPoints[kLayoutLayer]);
}

void PaintClubLogo(DeviceContext& dc, const GameSurfaceLayout& layout, const Bitmap& logo, Size logoSize) {
    if (logo.IsEmpty() || logoSize.width <= 0 || logoSize.height <= 0)
        return;
    const Rect& first = layout.subButtonRects[0];
    const int w = first.Width();
    const int h = first.Height();
    const int left = first.left + w / 2;
    const Rect target = Rect{left, first.top + h / 4, left + w, layout.subButtonRects[2].bottom + h / 8}.Intersect(
        layout.subButtonColumn);
    if (target.IsEmpty())
        return;
    const StretchMode previous = dc.SetStretchMode(StretchMode::Filtered);
    dc.StretchBlt(target, logo, Rect{0, 0, logoSize.width, logoSize.height}, RasterOp::Copy);
    dc.SetStretchMode(previous);
}
