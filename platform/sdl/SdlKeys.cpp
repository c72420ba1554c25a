#include "platform/sdl/SdlKeys.h"

#include "platform/Input.h"

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    unsigned virtualKey;
};

constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, Key::kBack},    {SDLK_TAB, Key::kTab},          {SDLK_RETURN, Key::kReturn},
    {SDLK_KP_ENTER, Key::kReturn},   {SDLK_LSHIFT, Key::kShift},     {SDLK_RSHIFT, Key::kShift},
    {SDLK_LCTRL, Key::kControl},     {SDLK_RCTRL, Key::kControl},    {SDLK_LALT, Key::kMenu},
    {SDLK_RALT, Key::kMenu},         {SDLK_ESCAPE, Key::kEscape},    {SDLK_SPACE, Key::kSpace},
    {SDLK_PAGEUP, Key::kPageUp},     {SDLK_PAGEDOWN, Key::kPageDown}, {SDLK_END, Key::kEnd},
    {SDLK_HOME, Key::kHome},         {SDLK_LEFT, Key::kLeft},        {SDLK_UP, Key::kUp},
    {SDLK_RIGHT, Key::kRight},       {SDLK_DOWN, Key::kDown},        {SDLK_INSERT, Key::kInsert},
    {SDLK_DELETE, Key::kDelete},
};

constexpr int kFunctionKeys = 12;

}  // namespace

unsigned VirtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key < SDLK_F1 + kFunctionKeys)
        return Key::kF1 + (key - SDLK_F1);
    for (const KeyPair& pair : kNamedKeys)
        if (pair.sdl == key)
            return pair.virtualKey;
    return 0;
}
