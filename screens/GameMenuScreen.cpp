#include "screens/GameMenuScreen.h"

#include "platform/PlayerMessages.h"
#include "platform/Text.h"
#include "screens/ScreenFramework.h"
#include "screens/ScreenState.h"
#include "ui/Buttons.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "world/GameDate.h"
#include "world/Manager.h"

const std::array<std::string, kGameMenuButtonCount> g_gameMenuButtons = {
    "new game", "game options", "sound options", "save game", "load game", "quit game",
};

namespace {

constexpr int kButtonColour = 1;
constexpr int kBandColour = 3;
constexpr int kTextColour = 7;
constexpr int kShadeLimit = 16;
constexpr int kNoShadeLimit = 0;
// Fonts in tenths of a point per pixel of the screen's unit.
constexpr int kDateUnits = 5;
constexpr int kNameUnits = 3;
constexpr int kFanLines = 5;
constexpr int kQuestionIcon = 4;
constexpr uint32_t kQuestionFlags = MSG_YELLOW | MSG_OK | MSG_CANCEL | MSG_MESSAGE;

Colour Skin(int index) { return g_skinColours[static_cast<size_t>(index)]; }

// Five shaded lines from a band's end out to the screen's edge, spreading
// as they go: direction 1 down, -1 up.
void DrawFan(DeviceContext& dc, Point from, int edgeX, int unit, int direction) {
    for (int k = 0; k < kFanLines; ++k) {
        const Point start{from.x, from.y + direction * k * (2 * unit + unit / 4)};
        const Point end{edgeX, from.y + direction * (2 * unit + k * (unit + unit / 4))};
        DrawShadedLine(Skin(kBandColour), start, end, unit, false, dc);
    }
}

// The buttons stand one under the other in the middle, the game date above
// them and the manager's name at the bottom, each band joined to the
// screen's edge by a fan of lines.
void DrawOptionsPage(DeviceContext& dc, const Rect& rect) {
    const int h = rect.Height() / kScreenUnitsPerHeight;
    const int top = rect.top + rect.Height() / 3;
    Rect button{rect.left + rect.Width() / 4, top, rect.right - rect.Width() / 4, top + h};
    for (int i = 0; i < kGameMenuButtonCount; ++i) {
        g_screenButtonRects[static_cast<size_t>(i)] = button;
        DrawBevelButton(button, g_gameMenuButtons[static_cast<size_t>(i)], Skin(kButtonColour), dc, kShadeLimit);
        button.Offset(0, h);
    }
    const Rect& first = g_screenButtonRects[0];
    const Rect column{first.left, first.top, first.right, g_screenButtonRects[kGameMenuButtonCount - 1].bottom};
    DrawShadowFrame(column, h, Skin(kBandColour), kShadeLimit, dc);

    const Rect dateBand{first.left - h, first.top - 2 * h, first.right + h, first.top - h};
    FillTubeRect(Skin(kBandColour), dateBand, dc, kNoShadeLimit);
    dc.SelectFont(Font::Point(g_fontFaceName, kDateUnits * h));
    dc.DrawText(Format("%02d.%02d.%02d", g_gameDate.Day(), g_gameDate.Month(), g_gameDate.Year() % 100), dateBand,
                TextCentred);
    DrawFan(dc, Point{dateBand.left, dateBand.Center().y}, rect.left, h, 1);

    const Rect nameBand{first.left - h, rect.bottom - h, first.right + h, rect.bottom};
    FillTubeRect(Skin(kBandColour), nameBand, dc, kNoShadeLimit);
    dc.SelectFont(Font::Point(g_fontFaceName, kNameUnits * h));
    dc.DrawText(g_manager.firstName + " " + g_manager.lastName, nameBand, TextCenter | TextWordBreak);
    DrawFan(dc, Point{nameBand.right, nameBand.Center().y}, rect.right, h, -1);
}

bool Confirm(const char* title, const char* text) { return TellPlayer({title, text, kQuestionFlags, kQuestionIcon}); }

}  // namespace

void DrawGameMenu(DeviceContext& dc, const Rect& rect, bool full) {
    if (g_gameMenuPage != kHighscorePage && !full)
        return;
    const int saved = dc.Save();
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(Skin(kTextColour));
    if (g_gameMenuPage == kHighscorePage)
        DrawGameMenuHighscore(dc, rect);
    else
        DrawOptionsPage(dc, rect);
    dc.Restore(saved);
}

bool OnGameMenuClick(Point p, bool* redrawBackground) {
    *redrawBackground = true;
    g_gameMenuChoice = kNoMenuChoice;
    for (int i = 0; i < kGameMenuButtonCount; ++i)
        if (g_screenButtonRects[static_cast<size_t>(i)].Contains(p)) {
            g_gameMenuChoice = i + 1;
            break;
        }
    if (g_gameMenuChoice == kChoiceNewGame &&
        !Confirm("new game", "Do you really like to quit the game and start a new game?"))
        g_gameMenuChoice = kNoMenuChoice;
    if (g_gameMenuChoice == kChoiceQuitGame && !Confirm("quit game", "Do you really want to quit the game ?"))
        g_gameMenuChoice = kNoMenuChoice;
    for (const int page : {kOptionsPage, kHighscorePage})
        if (g_screenButtonRects[static_cast<size_t>(kOptionsPageButton + page)].Contains(p)) {
            g_gameMenuPage = page;
            return true;
        }
    return false;
}
