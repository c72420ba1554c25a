#include "app/SavingFailed.h"

#include "app/MessageDlg.h"

namespace {

constexpr int kWarningIcon = 1;

}  // namespace

void TellSavingFailed(const std::string& fileName) {
    CMessageDlg box;
    box.title = "saving is not possible";
    box.text = "Error while saving, the file '" + fileName + "'couldn't be saved.";
    box.Open(MSG_MESSAGE | MSG_OK | MSG_YELLOW, kWarningIcon);
}
