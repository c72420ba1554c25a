#include "tools/tour/ScreenTour.h"

#include "app/GameView.h"
#include "app/Navigation.h"
#include "platform/Text.h"
#include "screens/LineupScreen.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenState.h"
#include "tools/tour/FileBrowserShots.h"
#include "tools/tour/FrameCheck.h"
#include "tools/tour/PictureWriter.h"
#include "tools/tour/ScreenContents.h"
#include "tools/tour/WizardPages.h"
#include "world/GameDate.h"
#include "world/Team.h"

namespace {

// Navigation button 18 leads to the status panel: "start training week".
constexpr int kStartTrainingWeekButton = kTourStatusPanel - 1;
// The status panel is taken after this many ticks of the day timer, before
// the day's weekly report can stop the game again.
constexpr int kStatusPanelTicks = CGameView::kRevealTicks / 2;

std::string PictureFile(Size size, int screenId, int button) {
    std::string file = Format("%dx%d/screen%02d", size.width, size.height, screenId);
    if (button >= 0)
        file += Format("-press%02d", button);
    return file + ".png";
}

const std::array<uint32_t, kSubButtonCount>& SubButtonRowOf(int screenId) {
    return g_subButtonTable.at(static_cast<size_t>(g_navGroupOfScreen.at(static_cast<size_t>(screenId))));
}

// The positions of the sub-buttons of the screen's group that select the
// screen (navigation) or else press one of its buttons.
std::vector<int> SubButtonsOf(int screenId, bool navigation) {
    const auto& row = SubButtonRowOf(screenId);
    std::vector<int> positions;
    for (int p = 0; p < kSubButtonCount; ++p) {
        const uint32_t entry = row.at(static_cast<size_t>(p));
        const SubButton button = DecodeSubButton(entry);
        if (entry != 0 && button.screen == screenId && (navigation ? button.navigation : button.action))
            positions.push_back(p);
    }
    return positions;
}

// The tour over one window. It clicks as the user would, through the window
// system, which paints the window afterwards when a handler asked for it.
class Tour {
public:
    explicit Tour(const TourSettings& settings) : settings_(settings), game_(settings.window) {}

    TourResult Run();

private:
    void TakePictures();
    CGameView& View() { return game_.View(); }
    void Resize(Size size);
    void Click(Point p);
    void ClickNav(int button) { Click(View().SurfaceLayout().navRects.at(static_cast<size_t>(button)).Center()); }
    void ClickSub(int position) {
        Click(View().SurfaceLayout().subButtonRects.at(static_cast<size_t>(position)).Center());
    }
    bool Reach(int screenId);
    void ShowScreen(Size size, int screenId);
    void ShowAutoLineup(Size size);
    void ShowStatusPanel(Size size);
    void ShowWizard(Size size);
    void ShowDialogs(Size size);
    TourShot& Shoot(Size size, int screenId, int button = -1);
    bool WaitOutStartPicture();
    void AppendBoxes(std::vector<std::string>& boxes, const char* answer);
    void Stop(const char* why);

    const TourSettings& settings_;
    HeadlessGameWindow game_;
    TourResult result_;
    PictureWriter writer_;
};

// The shots are kept when the tour stops early.
TourResult Tour::Run() {
    TakePictures();
    for (const size_t id : writer_.Finish()) {
        TourShot& shot = result_.shots.at(id);
        shot.failure = "cannot write " + (settings_.outFolder / shot.file).string();
    }
    return result_;
}

void Tour::TakePictures() {
    if (!game_.Error().empty()) {
        result_.error = game_.Error();
        return;
    }
    result_.club = HeadlessGameWindow::ClubToManage(View().World(), settings_.club);
    if (result_.club.empty()) {
        result_.error = "no club of the world is called '" + settings_.club + "'";
        return;
    }
    game_.System().ShowMainWindow(View());
    if (!WaitOutStartPicture())
        return Stop("the start picture did not go");
    for (Size size : settings_.sizes) {
        Resize(size);
        Shoot(size, kTourStartScreen);
        ShowWizard(size);
    }
    if (!game_.StartNewGame(result_.club, settings_.seed)) {
        result_.error = game_.Error();
        return;
    }
    for (int day = 0; day < settings_.days; ++day)
        if (!game_.RunDay())
            return Stop("a day did not end");
    if (!game_.RunUntilStopped())
        return Stop("the game did not stop for the user");
    for (Size size : settings_.sizes) {
        Resize(size);
        for (int screenId = kFirstScreenId; screenId <= kLastScreenId; ++screenId)
            ShowScreen(size, screenId);
        ShowDialogs(size);
    }
    // Each size's status panel after the game stopped again, since the
    // running game takes no click on the navigation.
    for (Size size : settings_.sizes) {
        if (!game_.RunUntilStopped())
            return Stop("the game did not stop for the user");
        Resize(size);
        ShowStatusPanel(size);
    }
}

void Tour::Stop(const char* why) {
    result_.error = Format("%s (game date %02d.%02d.%d)", why, g_gameDate.Day(), g_gameDate.Month(), g_gameDate.Year());
}

// The start picture goes by itself after a few seconds, as the user waits.
bool Tour::WaitOutStartPicture() {
    for (int tick = 0; tick <= CStartPictureDlg::kLastTick + 1 && View().StartPicture().IsVisible(); ++tick)
        game_.System().AdvanceTime(CStartPictureDlg::kTickMs);
    return !View().StartPicture().IsVisible();
}

void Tour::Resize(Size size) {
    View().MoveWindow(Rect{0, 0, size.width, size.height});
    game_.System().Refresh();
}

void Tour::Click(Point p) {
    const Point at = View().ClientToScreen(p);
    game_.System().Deliver(InputEvent::Down(at));
    game_.System().Deliver(InputEvent::Up(at));
    game_.System().Refresh();
}

// The bar button of the screen's group first, then a sub-button of the
// group that selects the screen, then one that presses its buttons (the
// pool of players is shown by its first page's button).
bool Tour::Reach(int screenId) {
    const int group = g_navGroupOfScreen.at(static_cast<size_t>(screenId));
    ClickNav(g_navGroupButton.at(static_cast<size_t>(group)));
    if (View().ScreenId() == screenId)
        return true;
    if (g_navGroupOfScreen.at(static_cast<size_t>(View().ScreenId())) != group)
        return false;
    for (const bool navigation : {true, false}) {
        for (const int p : SubButtonsOf(screenId, navigation)) {
            ClickSub(p);
            if (View().ScreenId() == screenId)
                return true;
        }
    }
    return false;
}

// The screen, then each page its sub-buttons press, each from the screen
// as it is reached.
void Tour::ShowScreen(Size size, int screenId) {
    game_.Boxes().ClearRecords();
    if (!Reach(screenId)) {
        TourShot shot;
        shot.size = size;
        shot.screenId = screenId;
        if (View().ScreenAvailable().at(static_cast<size_t>(screenId - 1)))
            shot.failure = "the screen is available, but no click leads to it";
        AppendBoxes(shot.boxes, "OK");
        result_.shots.push_back(std::move(shot));
        return;
    }
    AppendBoxes(Shoot(size, screenId).boxes, "OK");
    const auto& row = SubButtonRowOf(screenId);
    for (const int p : SubButtonsOf(screenId, false)) {
        const SubButton button = DecodeSubButton(row.at(static_cast<size_t>(p)));
        game_.Boxes().ClearRecords();
        const bool reached = Reach(screenId);
        ClickSub(p);
        TourShot& shot = Shoot(size, screenId, button.button);
        shot.label = g_navLabels.at(static_cast<size_t>(button.label));
        AppendBoxes(shot.boxes, "OK");
        if (!reached)
            shot.failure = "the screen could not be reached again before its button";
    }
    if (screenId == kScreenLineup)
        ShowAutoLineup(size);
}

// A new game's lineup may be empty: "auto" fills it, so that the lineup
// and tactics screens show the squad on the court.
void Tour::ShowAutoLineup(Size size) {
    if (!Reach(kScreenLineup))
        return;
    const Rect& autoButton = g_screenButtonRects.at(kAutoLineupButton);
    if (autoButton.IsEmpty())
        return;
    Click(autoButton.Center());
    Shoot(size, kScreenLineup, kAutoLineupButton).label = "auto";
}

// The new-game wizard's pages over the start screen, before the tour's own
// game starts.
void Tour::ShowWizard(Size size) {
    WizardPictures pictures = TakeWizardPages(View());
    for (int page = 0; page < CNewGameDlg::kPageCount; ++page) {
        TourShot shot;
        shot.size = size;
        shot.screenId = kTourStartScreen;
        shot.dialog = Format("new game, page %d: %s", page, CNewGameDlg::PageTitle(page));
        if (pictures[page].IsEmpty()) {
            shot.failure = "the wizard did not show the page";
        } else {
            shot.file = Format("%dx%d/screen00-newgame%d.png", size.width, size.height, page);
            writer_.Write(std::move(pictures[page]), settings_.outFolder / shot.file, result_.shots.size());
        }
        result_.shots.push_back(std::move(shot));
    }
}

// "start training week": a question about an empty training week is
// answered Cancel, so that time runs.
void Tour::ShowStatusPanel(Size size) {
    std::vector<std::string> boxes;
    game_.Boxes().ClearRecords();
    game_.Boxes().SetDefaultAnswer(ModalAnswer::Cancel());
    ClickNav(kStartTrainingWeekButton);
    game_.Boxes().SetDefaultAnswer(ModalAnswer::Ok());
    AppendBoxes(boxes, "Cancel");
    game_.System().AdvanceTime(kStatusPanelTicks * CGameView::kDayTickMs);
    game_.System().Refresh();
    AppendBoxes(boxes, "OK");
    TourShot& shot = Shoot(size, kTourStatusPanel);
    shot.boxes = std::move(boxes);
    if (shot.failure.empty() && (!View().Running() || View().ScreenId() != kTourStatusPanel))
        shot.failure = "starting the training week did not let time run";
}

// The dialogs over the screen the window shows last.
void Tour::ShowDialogs(Size size) {
    for (DialogPicture& dialog : ShowFileBrowser(game_)) {
        TourShot shot;
        shot.size = size;
        shot.screenId = View().ScreenId();
        shot.dialog = dialog.name;
        shot.file = Format("%dx%d/dialog-%s.png", size.width, size.height, dialog.file.c_str());
        writer_.Write(std::move(dialog.picture), settings_.outFolder / shot.file, result_.shots.size());
        result_.shots.push_back(std::move(shot));
    }
}

TourShot& Tour::Shoot(Size size, int screenId, int button) {
    TourShot shot;
    shot.size = size;
    shot.screenId = screenId;
    shot.button = button;
    shot.file = PictureFile(size, screenId, button);
    const int shown = View().ScreenId();
    if (shown != screenId)
        shot.shownScreen = shown;
    writer_.Write(View().Surface(), settings_.outFolder / shot.file, result_.shots.size());
    if (!View().Running() && shown >= kFirstScreenId && shown <= kLastScreenId) {
        shot.onlyFrame = ShowsOnlyItsFrame(View().Surface(), View().SurfaceLayout().screenArea, shown);
        if (shot.onlyFrame && ScreenHasContents(shown))
            shot.failure = "the screen paints nothing but its frame";
        if (!shot.onlyFrame && !ScreenHasContents(shown))
            shot.warning = "not its frame, though the screen has no contents of its own (a stale picture, or a "
                           "screen missing from the table of screens with contents)";
    }
    result_.shots.push_back(std::move(shot));
    return result_.shots.back();
}

void Tour::AppendBoxes(std::vector<std::string>& boxes, const char* answer) {
    for (const ModalRecord& box : game_.Boxes().Records())
        boxes.push_back(box.kind + " \"" + box.title + "\": " + answer);
    game_.Boxes().ClearRecords();
}

}  // namespace

bool TourResult::Failed() const {
    if (!error.empty())
        return true;
    for (const TourShot& shot : shots)
        if (!shot.failure.empty())
            return true;
    return false;
}

TourResult RunScreenTour(const TourSettings& settings) { return Tour(settings).Run(); }

std::string TourScreenName(int screenId) {
    if (screenId == kTourStartScreen)
        return "start screen";
    if (screenId >= kFirstScreenId && screenId <= kLastScreenId)
        return g_navLabels.at(static_cast<size_t>(screenId - 1));
    if (screenId == kTourStatusPanel)
        return g_navTooltips.at(static_cast<size_t>(kTourStatusPanel - 1));
    return {};
}
