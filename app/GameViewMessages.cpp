#include "app/GameView.h"

#include "app/MessageDlg.h"
#include "platform/GameOptions.h"
#include "platform/WindowSystem.h"

namespace {

constexpr int kQuestionIcon = 4;
constexpr int kNoticeIcon = 0;

}  // namespace

void CGameView::OnShowWindow(bool show) {
    if (show)
        SetTimer(kMusicStartTimer, kDayTickMs);
}

void CGameView::StartMusicOnShow() {
    KillTimer(kMusicStartTimer);
    music_.Play(GameMusic::kFolderList, true, false);
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
