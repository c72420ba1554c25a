#pragma once

#include <cstdint>
#include <string>

// Flag word of a message box. Bits 0-4 pick the box's colours; the
// painter replaces them by MSG_SKIN, so every box shows the skin's colours.
constexpr uint32_t MSG_KIND_MASK = 0x1F;
constexpr uint32_t MSG_BLUE = 0x01;
constexpr uint32_t MSG_GREEN = 0x02;
constexpr uint32_t MSG_RED = 0x04;
constexpr uint32_t MSG_YELLOW = 0x08;
constexpr uint32_t MSG_SKIN = 0x10;
constexpr uint32_t MSG_OK = 0x20;          // OK picture, bottom right
constexpr uint32_t MSG_CANCEL = 0x40;      // cancel picture, bottom left beside OK
constexpr uint32_t MSG_TEAM = 0x80;        // header box "team" lit
constexpr uint32_t MSG_MESSAGE = 0x100;    // header box "message" lit
constexpr uint32_t MSG_EVENT = 0x200;      // header box "event" lit; skipped while events are off
constexpr uint32_t MSG_INPUT = 0x800;      // one-line text entry
constexpr uint32_t MSG_PROGRESS = 0x1000;  // progress bar below the text

// What the game's rules tell or ask the player: a caption and a text, shown
// with a flag word and an icon number. The rules speak only through this; the
// program installs its painted message box behind it. With none installed
// the box goes to the dialog runner as a plain "message", which is how a
// game without a window answers it.
struct PlayerMessage {
    std::string title;
    std::string text;
    uint32_t flags = 0;
    int icon = -1;
};

class PlayerMessageService {
public:
    virtual ~PlayerMessageService() = default;
    // Shows the message and waits for the player; true when it ended with OK.
    virtual bool Show(const PlayerMessage& message) = 0;
    // The same with a one-line entry (MSG_INPUT) preset with entry; on OK
    // entry holds what the player typed.
    virtual bool Ask(const PlayerMessage& message, std::string& entry) = 0;
};

// Tells the player through the installed service; false when the box was
// not shown or did not end with OK.
bool TellPlayer(const PlayerMessage& message);
// Asks the player for a line of text, preset with entry, in a box with an
// entry line; true when it ended with OK, and entry then holds the text.
// Otherwise entry keeps its value.
bool AskPlayer(const PlayerMessage& message, std::string& entry);
// Installs a service (null: none); returns the one installed before.
PlayerMessageService* SetPlayerMessageService(PlayerMessageService* service);

// An event box is not shown while the player has switched events off.
bool IsSuppressedMessage(uint32_t flags);
