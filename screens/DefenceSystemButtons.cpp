#include "screens/DefenceSystemButtons.h"

#include <string>

#include "screens/DefenceSystemLabels.h"
#include "screens/ScreenState.h"
#include "squad/Tactics.h"
#include "ui/Buttons.h"
#include "ui/PaintSettings.h"
#include "world/Team.h"

void DrawScreenButton(DeviceContext& dc, const Rect& r, const std::string& text) {
    const Colour old = dc.SetTextColour(g_skinColours[kButtonTextColour]);
    DrawBevelButton(r, text, g_skinColours[kButtonFaceColour], dc, kButtonShade);
    dc.SetTextColour(old);
}

void DrawDefenceSystemButtons(DeviceContext& dc, const Rect& screen, int rowsUp, const CTeam& team) {
    const int w = screen.Width() / kButtonsAcross, h = screen.Height() / kButtonsDown;
    Rect button{screen.right - w, screen.bottom - (rowsUp + 1) * h, screen.right, screen.bottom - rowsUp * h};
    for (int k = 0; k < kDefenceSystemCount; ++k) {
        g_screenButtonRects[static_cast<size_t>(k)] = button;
        DrawScreenButton(dc, button, std::string(DefenceSystemLabel(kDefenceSystemCount - k)));
        button.left += w / 8;
        button.Offset(0, -h);
    }
    if (team.defenceSystem >= 1 && team.defenceSystem <= kDefenceSystemCount)
        dc.InvertRect(g_screenButtonRects[static_cast<size_t>(DefenceSystemButton(team.defenceSystem))]);
}

bool OnDefenceSystemButton(CTeam& team, Point p) {
    for (int k = 0; k < kDefenceSystemCount; ++k)
        if (g_screenButtonRects[static_cast<size_t>(k)].Contains(p)) {
            team.defenceSystem = static_cast<uint8_t>(kDefenceSystemCount - k);
            team.markingAssignments = 0;
            return true;
        }
    return false;
}
