#include "app/PaintedMessages.h"

#include "app/MessageDlg.h"

bool PaintedMessages::Show(const PlayerMessage& message) {
    CMessageDlg box;
    box.title = message.title;
    box.text = message.text;
    return box.Open(message.flags, message.icon);
}
