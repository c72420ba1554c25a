#include "app/PaintedMessages.h"

#include "app/MessageDlg.h"

namespace {

// The box with an entry line when entry is given, which then takes what
// was typed.
bool OpenBox(const PlayerMessage& message, std::string* entry) {
    CMessageDlg box;
    box.title = message.title;
    box.text = message.text;
    if (entry)
        box.inputText = *entry;
    if (!box.Open(message.flags, message.icon))
        return false;
    if (entry)
        *entry = box.inputText;
    return true;
}

}  // namespace

bool PaintedMessages::Show(const PlayerMessage& message) { return OpenBox(message, nullptr); }

bool PaintedMessages::Ask(const PlayerMessage& message, std::string& entry) { return OpenBox(message, &entry); }
