#include "app/NotAvailable.h"

#include "app/MessageDlg.h"

namespace {

constexpr int kNoticeIcon = 0;

}  // namespace

void TellNotAvailable(const std::string& item) {
    CMessageDlg box;
    box.title = item;
    box.text = "This part of the game is not available in this version.";
    box.Open(MSG_BLUE | MSG_OK | MSG_MESSAGE, kNoticeIcon);
}
