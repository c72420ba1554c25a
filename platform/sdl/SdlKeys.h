#pragma once

#include <SDL2/SDL_keycode.h>

// The virtual key of an SDL key; 0 for keys the game has no number for.
unsigned VirtualKeyOf(SDL_Keycode key);
