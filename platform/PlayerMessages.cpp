#include "platform/PlayerMessages.h"

#include <utility>

#include "platform/GameOptions.h"
#include "platform/ModalRunner.h"

namespace {

PlayerMessageService* g_service = nullptr;

// The box as the dialog runner sees it when no window paints it; with an
// entry, the runner's answer fills it.
class PlainMessage : public ModalDialog {
public:
    PlainMessage(const PlayerMessage& message, std::string entry) : message_(message), entry_(std::move(entry)) {}

    ModalRecord Describe() const override {
        ModalRecord r;
        r.kind = "message";
        r.title = message_.title;
        r.text = message_.text;
        r.flags = message_.flags;
        r.extra = message_.icon;
        r.inputText = entry_;
        return r;
    }
    void Accept(const ModalAnswer& answer) override {
        if (answer.ok && answer.inputText && (message_.flags & MSG_INPUT))
            entry_ = *answer.inputText;
    }
    const std::string& Entry() const { return entry_; }

private:
    const PlayerMessage& message_;
    std::string entry_;
};

}  // namespace

bool IsSuppressedMessage(uint32_t flags) { return (flags & MSG_EVENT) && !g_optShowEvents; }

bool TellPlayer(const PlayerMessage& message) {
    if (g_service)
        return g_service->Show(message);
    if (IsSuppressedMessage(message.flags))
        return false;
    PlainMessage box(message, {});
    return CurrentModalRunner().Run(box);
}

bool AskPlayer(const PlayerMessage& message, std::string& entry) {
    PlayerMessage asking = message;
    asking.flags |= MSG_INPUT;
    if (g_service)
        return g_service->Ask(asking, entry);
    if (IsSuppressedMessage(asking.flags))
        return false;
    PlainMessage box(asking, entry);
    if (!CurrentModalRunner().Run(box))
        return false;
    entry = box.Entry();
    return true;
}

PlayerMessageService* SetPlayerMessageService(PlayerMessageService* service) {
    PlayerMessageService* previous = g_service;
    g_service = service;
    return previous;
}
