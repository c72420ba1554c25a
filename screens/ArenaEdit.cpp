#include "world/Arena.h"

#include <algorithm>

#include "screens/EditArenaDlg.h"

// The dialog has only a "back" button: whatever closed it, the arena takes
// the name and score board back.
bool CArena::Edit() {
    CEditArenaDlg dlg;
    dlg.name = name_;
    dlg.scoreBoard = scoreBoard_;
    dlg.SetArena(this);
    const bool confirmed = dlg.Open();
    name_ = dlg.name;
    scoreBoard_ = std::min<uint8_t>(dlg.scoreBoard, kMaxScoreBoard);
    return confirmed;
}
