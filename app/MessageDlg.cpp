#include "app/MessageDlg.h"

#include "platform/Input.h"
#include "ui/DialogUnits.h"

CMessageDlg::~CMessageDlg() {
    if (modelessRunner_)
        modelessRunner_->CloseModeless(*this);
}

bool CMessageDlg::IsSuppressed() const { return IsSuppressedMessage(flags); }

int CMessageDlg::ChoiceCount() const {
    int n = 0;
    while (n < kMaxChoices && !choiceLabels[n].empty())
        ++n;
    return n;
}

bool CMessageDlg::Open(uint32_t flagWord, int iconNumber) {
    flags = flagWord;
    icon = iconNumber;
    if (IsSuppressed())
        return false;
    return CurrentModalRunner().Run(*this);
}

bool CMessageDlg::ShowModeless(uint32_t flagWord, int iconNumber) {
    flags = flagWord;
    icon = iconNumber;
    if (IsSuppressed())
        return false;
    modeless = true;
    if (!modelessRunner_) {
        modelessRunner_ = &CurrentModalRunner();
        modelessRunner_->ShowModeless(*this);
    } else {
        modelessRunner_->RefreshModeless(*this);
    }
    return true;
}

// A window backend repaints the whole box; the bar is the only part that
// changes between two steps of the caller's work.
void CMessageDlg::DrawProgress() {
    if (percent > kFullPercent)
        percent = kFullPercent;
    if (modelessRunner_)
        modelessRunner_->RefreshModeless(*this);
}

void CMessageDlg::OnInitDialog() {
    const Size size = DialogUnits::ToPixels(kSizeInDialogUnits);
    MoveWindow({0, 0, size.width, size.height});
    CenterWindow();
    input_.SetRect(DialogUnits::ToPixels(kInputInDialogUnits));
    input_.SetText(inputText);
    input_.Show(false);
}

void CMessageDlg::OnShowWindow(bool show) { input_.Show(show && (flags & MSG_INPUT)); }

void CMessageDlg::OnLButtonDown(unsigned, Point p) {
    if (painted_.ok.Contains(p))
        return OnOK();
    if (painted_.cancel.Contains(p))
        return OnCancel();
    for (int i = 0; i < kMaxChoices; ++i) {
        if (painted_.choices[i].Contains(p)) {
            choice = i;
            return OnOK();
        }
    }
}

// The entry line takes the shift and control keys held with a key, for its
// selection and the clipboard.
void CMessageDlg::OnKeyDown(unsigned key, unsigned, unsigned keyFlags) {
    if (input_.IsVisible() && input_.OnKeyDown(key, keyFlags))
        Invalidate();
}

void CMessageDlg::OnChar(unsigned character, unsigned, unsigned keyFlags) {
    if (input_.IsVisible() && input_.OnChar(character, keyFlags))
        Invalidate();
}

void CMessageDlg::OnOK() {
    if (flags & MSG_INPUT)
        inputText = input_.GetText();
    EndModal(true);
}

ModalRecord CMessageDlg::Describe() const {
    ModalRecord r;
    r.kind = "message";
    r.title = title;
    r.text = text;
    r.flags = flags;
    r.extra = icon;
    r.choiceLabels.assign(choiceLabels.begin(), choiceLabels.begin() + ChoiceCount());
    r.inputText = inputText;
    r.modeless = modeless;
    return r;
}

void CMessageDlg::Accept(const ModalAnswer& answer) {
    if (!answer.ok)
        return;
    if (answer.choice && *answer.choice >= 0 && *answer.choice < ChoiceCount())
        choice = *answer.choice;
    if (answer.inputText && (flags & MSG_INPUT))
        inputText = *answer.inputText;
}
