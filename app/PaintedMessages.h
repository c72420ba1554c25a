#pragma once

#include "platform/PlayerMessages.h"

// What the rules tell or ask the player, shown in the game's painted message
// box while the main window lives; it hands back the service it replaced.
class PaintedMessages : public PlayerMessageService {
public:
    PaintedMessages() : previous_(SetPlayerMessageService(this)) {}
    ~PaintedMessages() override { SetPlayerMessageService(previous_); }
    PaintedMessages(const PaintedMessages&) = delete;
    PaintedMessages& operator=(const PaintedMessages&) = delete;

    bool Show(const PlayerMessage& message) override;
    bool Ask(const PlayerMessage& message, std::string& entry) override;

private:
    PlayerMessageService* previous_;
};
