#include "app/StartScreen.h"

#include "ui/Buttons.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"

const std::array<std::string, kGameMenuItemCount> g_gameMenuItems = {
    "start new game", "load game", "edit game data", "game options", "sound options", "quit",
};
const std::string g_versionText = "Corvanta - version 2.0";

namespace {

constexpr int kUnitsPerHeight = 20;
constexpr int kFirstEntryUnits = 4;   // the first entry's top, in units
constexpr int kEntryPitchUnits = 2;   // an entry and the gap below it
constexpr int kTextColour = 7;
constexpr int kEntryEdgeColour = 6;
constexpr const char* kVersionSuffix = "S";
constexpr const char* kMensWorld = "Men's handball";
constexpr const char* kWomensWorld = "Women's handball";

}  // namespace

StartScreenLayout LayOutStartScreen(const Rect& client) {
    const int width = client.Width();
    const int u = client.Height() / kUnitsPerHeight;
    StartScreenLayout layout;
    Rect entry{client.left + width / 3, client.top + kFirstEntryUnits * u, client.right - width / 3,
               client.top + kFirstEntryUnits * u + u};
    for (int k = 0; k < kGameMenuItemCount; ++k) {
        layout.controls[k] = entry;
        entry.Offset(0, kEntryPitchUnits * u);
    }
    layout.versionLine = {client.left, client.bottom - u + u / 4, client.right, client.bottom};
    Rect worldSwitch = layout.versionLine;
    worldSwitch.left = client.right - layout.versionLine.Height();
    layout.controls[kWorldSwitchControl] = worldSwitch;
    return layout;
}

void DrawStartScreen(DeviceContext& dc, const Rect& client, bool variantWorld, ControlRects& controlRects) {
    const int saved = dc.Save();
    if (!g_bmpKeyVisual.IsEmpty()) {
        dc.SetStretchMode(StretchMode::Nearest);
        dc.StretchBlt(client, g_bmpKeyVisual, Rect{0, 0, g_bmpKeyVisual.Width(), g_bmpKeyVisual.Height()},
                      RasterOp::Copy);
    }
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(g_skinColours[kTextColour]);

    const StartScreenLayout layout = LayOutStartScreen(client);
    controlRects = layout.controls;
    for (int k = 0; k < kGameMenuItemCount; ++k)
        DrawPushButton(layout.controls[k], g_gameMenuItems[k], g_skinColours[kEntryEdgeColour], dc, true);

    const Rect& line = layout.versionLine;
    dc.SelectFont(Font::Point(g_fontFaceName, line.Height() * kTenthsPerPixelOfHeight));
    dc.DrawText(g_versionText + kVersionSuffix, line, TextLeft | TextVCenter | TextSingleLine);
    Rect label = line;
    label.right -= line.Height();
    dc.DrawText(variantWorld ? kWomensWorld : kMensWorld, label, TextRight | TextVCenter | TextSingleLine);
    dc.Restore(saved);
}

int HitTestStartScreen(const ControlRects& controlRects, Point p) {
    for (int k = 0; k < kControlRectCount; ++k)
        if ((k < kGameMenuItemCount || k == kWorldSwitchControl) && controlRects[k].Contains(p))
            return k;
    return -1;
}
