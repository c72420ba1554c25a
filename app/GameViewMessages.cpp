#include "app/GameView.h"

#include "app/MessageDlg.h"
#include "platform/GameOptions.h"
#include "platform/WindowSystem.h"

namespace {

constexpr int kMenuQuit = 5;
constexpr int kQuestionIcon = 4;
constexpr int kNoticeIcon = 0;

// The new-game wizard, save and load, the editor and the two option
// dialogs are not part of this version of the program.
void TellNotAvailable(const std::string& item) {
    CMessageDlg box;
    box.title = item;
    box.text = "This part of the game is not available in this version.";
    box.Open(MSG_BLUE | MSG_OK | MSG_MESSAGE, kNoticeIcon);
}

}  // namespace

void CGameView::OnShowWindow(bool show) {
    if (show)
        music_.Play(GameMusic::kFolderList, true, false);
}

// Every paint lays the surface out anew.
void CGameView::OnPaint(DeviceContext& dc) {
    layoutRect_ = Rect{};
    if (!running_ && screenId_ == kStartScreen)
        DrawStartScreen(dc, ClientRect(), IsWomensGame(), controlRects_);
}

void CGameView::OnLButtonDown(unsigned, Point p) {
    if (!running_ && screenId_ == kStartScreen)
        OnStartScreenClick(p);
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
    } else if (control >= 0) {
        TellNotAvailable(g_gameMenuItems[control]);
    }
}

void CGameView::OnKeyDown(unsigned key, unsigned, unsigned) {
    if (key != Key::kEscape)
        return;
    CMessageDlg box;
    box.title = "quit game";
    box.text = "Do you really want to quit the game ?";
    if (box.Open(MSG_YELLOW | MSG_OK | MSG_CANCEL | MSG_MESSAGE, kQuestionIcon))
        ExitProgram();
}

// A title that ran out is followed by the next; the match day plays the
// user's chosen list.
void CGameView::OnMusicNotify(MusicNotify how) {
    if (how != MusicNotify::Successful)
        return;
    const bool matchDay = running_ && screenId_ >= kMatchScreen && screenId_ <= kMatchFiguresScreen;
    music_.Play(matchDay ? GameMusic::kChosenList : GameMusic::kFolderList, false, true);
}

void CGameView::ExitProgram() { CurrentWindowSystem().Quit(0); }
