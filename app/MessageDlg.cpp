#include "app/MessageDlg.h"

#include "app/Options.h"

namespace {
constexpr int kFullPercent = 100;
}

CMessageDlg::~CMessageDlg() {
    if (modelessRunner_)
        modelessRunner_->CloseModeless(*this);
}

bool CMessageDlg::IsSuppressed() const { return (flags & MSG_EVENT) && !g_optShowEvents; }

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

void CMessageDlg::DrawProgress() {
    if (percent > kFullPercent)
        percent = kFullPercent;
    if (modelessRunner_)
        modelessRunner_->RefreshModeless(*this);
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
