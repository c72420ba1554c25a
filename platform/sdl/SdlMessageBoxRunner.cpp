#include "platform/sdl/SdlMessageBoxRunner.h"

#include <SDL2/SDL.h>

#include <string>
#include <vector>

#include "platform/TerminationSignals.h"
#include "platform/Text.h"

namespace {
constexpr int kOkButton = -1;
constexpr int kCancelButton = -2;
}  // namespace

bool SdlMessageBoxRunner::Run(ModalDialog& dialog) {
    ModalRecord record = dialog.Describe();
    std::vector<std::string> labels;
    std::vector<SDL_MessageBoxButtonData> buttons;
    for (const std::string& label : record.choiceLabels)
        labels.push_back(Cp1252ToUtf8(label));
    for (size_t i = 0; i < labels.size(); ++i)
        buttons.push_back({0, static_cast<int>(i), labels[i].c_str()});
    if (buttons.empty())
        buttons.push_back({0, kOkButton, "OK"});
    buttons.front().flags = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    buttons.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kCancelButton, "Cancel"});

    std::string title = Cp1252ToUtf8(record.title);
    std::string text = Cp1252ToUtf8(record.text);
    SDL_MessageBoxData box{SDL_MESSAGEBOX_INFORMATION, parent_, title.c_str(), text.c_str(),
                           static_cast<int>(buttons.size()), buttons.data(), nullptr};
    int pressed = kCancelButton;
    {
        // The box blocks the event loop that would read the quit event.
        DefaultTerminationSignals endAtOnce;
        if (SDL_ShowMessageBox(&box, &pressed) != 0)
            pressed = kCancelButton;
    }

    ModalAnswer answer = pressed == kCancelButton ? ModalAnswer::Cancel()
                         : pressed == kOkButton   ? ModalAnswer::Ok()
                                                  : ModalAnswer::Choice(pressed);
    dialog.Accept(answer);
    return answer.ok;
}
