#include "platform/sdl/X11FullScreen.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

bool AskForFullScreenBeforeMapping(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    Display* display = info.info.x11.display;
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(display, info.info.x11.window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&fullScreen), 1);
    XFlush(display);
    return true;
}
