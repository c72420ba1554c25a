#include <algorithm>

#include "app/DayCalendar.h"
#include "app/GameView.h"
#include "app/MessageDlg.h"
#include "app/NotAvailable.h"
#include "app/StatusPanelLayout.h"
#include "platform/GameOptions.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenState.h"
#include "squad/Training.h"
#include "squad/WeekPlanNames.h"
#include "ui/PaintSettings.h"
#include "world/GameDate.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace {

constexpr int kMenuNewGame = 0;
constexpr int kMenuLoadGame = 1;
constexpr int kMenuQuit = 5;
constexpr int kQuestionIcon = 4;
constexpr int kFirstSquadPoolPageButton = 9;
constexpr int kTrainingLineColour = 8;
constexpr uint8_t kNoUnitPlanned = 18;
// Week plans the status line names; other numbers in a plan name nothing.
constexpr int kLastWeekPlanNumber = 29;
// A button pressed from the sub-button column lies off the screen, so that
// the screen's click handler finds it whatever its own layout.
constexpr Rect kPressedButton{-10, -10, 0, 0};

bool RepaintsWholeSurface(int screenId) {
    return screenId == kScreenContracts || screenId == kScreenStatistics || screenId == kScreenGameMenu;
}

}  // namespace

void CGameView::OnLButtonDown(unsigned, Point p) {
    if (!running_) {
        if (screenId_ == kStartScreen)
            OnStartScreenClick(p);
        else
            OnManagerScreenClick(p);
    } else if (screenId_ < kMatchScreen) {
        OnMatchDayClick(p);
    }
    Trace();
}

void CGameView::OnStartScreenClick(Point p) {
    const int control = HitTestStartScreen(controlRects_, p);
    if (control == kMenuQuit) {
        ExitProgram();
    } else if (control == kWorldSwitchControl) {
        if (variantWorldExists_) {
            ToggleWorldFile();
            SaveConfig();
            Invalidate();
        }
    } else if (control == kMenuNewGame) {
        StartNewGame();
    } else if (control == kMenuLoadGame) {
        OpenSavedGame();
    } else if (control >= 0) {
        TellNotAvailable(g_gameMenuItems[control]);
    }
}

// A navigation button and a sub-button that selects a screen let the
// screen see the click too; a sub-button that presses a screen's button
// does not. What the game menu chose is carried out last.
void CGameView::OnManagerScreenClick(Point p) {
    OnNavigationClick(p);
    if (running_)
        return;
    if (!OnSubButtonClick(p)) {
        bool redraw = true;
        if (userTeam_->OnScreenLButtonDown(p, screenId_, &redraw)) {
            DeviceContext dc(&Surface());
            DrawGameScreen(dc, redraw);
        }
    }
    if (screenId_ == kScreenGameMenu)
        CarryOutGameMenuChoice();
}

// A button of an unavailable screen leads to the first available screen of
// its group; a group with none takes no click.
bool CGameView::OnNavigationClick(Point p) {
    for (int i = 0; i < kNavTargetCount; ++i) {
        if (!surface_.navRects[static_cast<size_t>(i)].Contains(p))
            continue;
        const int button = ResolveNavButton(i, screenAvailable_);
        if (button < 0)
            continue;
        EnterScreen(button + 1);
        return true;
    }
    return false;
}

void CGameView::EnterScreen(int target) {
    screenId_ = target;
    if (target == kScreenGameMenu)
        g_gameMenuPage = 0;
    if (target == kStatusScreen) {
        running_ = true;
        if (userTeam_ != &g_noClubTeam && AskToPlanTraining()) {
            screenId_ = kWeekPlanningScreen;
            running_ = false;
        }
    }
    layoutRect_ = Rect{};
    if (running_) {
        toolTips_.Activate(false);
        StartTrainingWeek();
    } else {
        Relayout();
    }
}

// Only a week without a single planned unit makes the game ask; true when
// the user wants to plan it now.
bool CGameView::AskToPlanTraining() {
    const size_t units = std::min<size_t>(g_trainingUnitsPerWeek, g_weekTrainingRow.size());
    if (!std::all_of(g_weekTrainingRow.begin(), g_weekTrainingRow.begin() + static_cast<std::ptrdiff_t>(units),
                     [](uint8_t unit) { return unit == kNoUnitPlanned; }))
        return false;
    CMessageDlg box;
    box.title = "no trainig-plan selected";
    box.text = "Do you like to select the training for this week now ?";
    return box.Open(MSG_YELLOW | MSG_OK | MSG_CANCEL | MSG_MESSAGE, kQuestionIcon);
}

// A new week begins with an empty status panel that names its training plan.
void CGameView::StartTrainingWeek() {
    if (g_gameDate.DayOfWeek() == Weekday::kMonday) {
        statusLines_.clear();
        const int week = std::clamp(GetCurrentSeasonWeek(), 1, kTrainingWeeks);
        const int plan = userTeam_->trainingPlan[static_cast<size_t>(week - 1)];
        const std::string name = plan <= kLastWeekPlanNumber ? WeekPlanName(plan) : std::string();
        if (!name.empty())
            statusLines_.push_back(ColouredStatusLine("training : " + name, g_skinColours[kTrainingLineColour]));
    }
    screenId_ = kStatusScreen;
    DeviceContext dc(&Surface());
    DrawStatusPanel(ClientRect(), dc, true);
    LetTimeRun();
}

// Returns true when the click pressed a screen's button and goes no further.
bool CGameView::OnSubButtonClick(Point p) {
    const auto& rects = surface_.subButtonRects;
    const auto hit = std::find_if(rects.begin(), rects.end(), [p](const Rect& r) { return r.Contains(p); });
    if (hit == rects.end())
        return false;
    const auto& row = g_subButtonTable[static_cast<size_t>(g_navGroupOfScreen[screenId_])];
    const uint32_t entry = row[static_cast<size_t>(hit - rects.begin())];
    if (entry == 0)
        return false;
    const SubButton button = DecodeSubButton(entry);
    if (!screenAvailable_[static_cast<size_t>(button.screen - 1)])
        return false;
    if (button.navigation) {
        screenId_ = button.screen;
        Relayout();
        return false;
    }
    // The pool's pages are shown on its own screen, which is painted even
    // when the page's button changes nothing yet.
    if (button.screen == kScreenContracts && button.button >= kFirstSquadPoolPageButton &&
        screenId_ != kScreenContracts) {
        screenId_ = kScreenContracts;
        Relayout();
    }
    PressScreenButton(button.screen, button.button);
    return true;
}

// A screen that laid the pressed button out anew meanwhile keeps its new
// rectangle.
void CGameView::PressScreenButton(int screen, int button) {
    Rect& slot = g_screenButtonRects[static_cast<size_t>(button)];
    const Rect saved = slot;
    slot = kPressedButton;
    bool redraw = true;
    if (userTeam_->OnScreenLButtonDown(kPressedButton.Center(), screen, &redraw)) {
        if (redraw && RepaintsWholeSurface(screenId_))
            layoutRect_ = Rect{};
        DeviceContext dc(&Surface());
        DrawGameScreen(dc, redraw);
    }
    if (slot == kPressedButton)
        slot = saved;
}

// On a match day the mode buttons switch between the three team screens and
// start the user's match.
void CGameView::OnMatchDayClick(Point p) {
    bool switched = false;
    bool start = false;
    for (int i = 0; i < kMatchStartControl; ++i)
        if (controlRects_[static_cast<size_t>(i)].Contains(p)) {
            screenId_ = i + 1;
            switched = true;
        }
    start = controlRects_[kMatchStartControl].Contains(p);
    bool redraw = true;
    const bool handled = !start && userTeam_->OnScreenLButtonDown(p, screenId_, &redraw);
    if (handled || switched) {
        DeviceContext dc(&Surface());
        DrawScreenArea(dc, redraw);
    }
    if (start)
        StartUserMatch();
}
