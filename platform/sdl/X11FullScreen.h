#pragma once

struct SDL_Window;

// Asks the window manager to show a window that is not mapped yet over the
// whole screen, through the state an X11 client may set on its window
// before mapping it. SDL's own request is made once the window is shown and
// then waits a tenth of a second for the manager to move the window, which
// it never does when the window covers the screen already or no manager
// runs. False when the window is not an X11 one; it is then left as it was.
bool AskForFullScreenBeforeMapping(SDL_Window* window);
