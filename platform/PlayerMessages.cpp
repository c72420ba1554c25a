#include "platform/PlayerMessages.h"

#include "platform/GameOptions.h"
#include "platform/ModalRunner.h"

namespace {

PlayerMessageService* g_service = nullptr;

// The box as the dialog runner sees it when no window paints it.
class PlainMessage : public ModalDialog {
public:
    explicit PlainMessage(const PlayerMessage& message) : message_(message) {}

    ModalRecord Describe() const override {
        ModalRecord r;
        r.kind = "message";
        r.title = message_.title;
        r.text = message_.text;
        r.flags = message_.flags;
        r.extra = message_.icon;
        return r;
    }
    void Accept(const ModalAnswer&) override {}

private:
    const PlayerMessage& message_;
};

}  // namespace

bool IsSuppressedMessage(uint32_t flags) { return (flags & MSG_EVENT) && !g_optShowEvents; }

bool TellPlayer(const PlayerMessage& message) {
    if (g_service)
        return g_service->Show(message);
    if (IsSuppressedMessage(message.flags))
        return false;
    PlainMessage box(message);
    return CurrentModalRunner().Run(box);
}

PlayerMessageService* SetPlayerMessageService(PlayerMessageService* service) {
    PlayerMessageService* previous = g_service;
    g_service = service;
    return previous;
}
