#include "platform/sdl/SdlWindowSystem.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <climits>

#include "platform/PictureFit.h"
#include "platform/Text.h"
#include "platform/Window.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/X11FullScreen.h"

namespace {

// How long the loop sleeps at most when no timer is set.
constexpr uint64_t kIdleWaitMs = 500;
constexpr const char* kTitle = "Corvanta";
constexpr int kCentred = SDL_WINDOWPOS_CENTERED;
// A bitmap's pixels as they lie in memory: R, G, B and an unused byte.
constexpr uint32_t kPixelFormat = SDL_PIXELFORMAT_XBGR8888;

unsigned ModifierFlags(unsigned mods) {
    unsigned flags = 0;
    if (mods & KMOD_SHIFT)
        flags |= MK_SHIFT;
    if (mods & KMOD_CTRL)
        flags |= MK_CONTROL;
    return flags;
}

unsigned MouseFlags(uint32_t buttons) {
    unsigned flags = ModifierFlags(SDL_GetModState());
    if (buttons & SDL_BUTTON_LMASK)
        flags |= MK_LBUTTON;
    if (buttons & SDL_BUTTON_RMASK)
        flags |= MK_RBUTTON;
    if (buttons & SDL_BUTTON_MMASK)
        flags |= MK_MBUTTON;
    return flags;
}

std::optional<MouseButton> ButtonOf(uint8_t sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return MouseButton::Left;
    case SDL_BUTTON_RIGHT:
        return MouseButton::Right;
    case SDL_BUTTON_MIDDLE:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

// Hidden until the first picture, so start-up work shows no empty window.
SDL_Window* OpenWindow(const SDL_Rect& place, bool fullScreen) {
    SDL_Window* window = SDL_CreateWindow(kTitle, place.x, place.y, place.w, place.h,
                                          SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (window && fullScreen && !AskForFullScreenBeforeMapping(window))
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    return window;
}

SDL_Rect SdlRectOf(const Rect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

// Blacks out the parts of the screen beside the placed picture.
void FillBars(SDL_Surface* screen, const Rect& placed) {
    const Uint32 black = SDL_MapRGB(screen->format, 0, 0, 0);
    const Rect bars[] = {{0, 0, screen->w, placed.top},
                         {0, placed.bottom, screen->w, screen->h},
                         {0, placed.top, placed.left, placed.bottom},
                         {placed.right, placed.top, screen->w, placed.bottom}};
    for (const Rect& bar : bars) {
        if (bar.IsEmpty())
            continue;
        const SDL_Rect r = SdlRectOf(bar);
        SDL_FillRect(screen, &r, black);
    }
}

}  // namespace

std::unique_ptr<SdlWindowSystem> SdlWindowSystem::Create(const Options& options, std::string* error) {
    auto fail = [&](const char* what) {
        if (error)
            *error = std::string(what) + ": " + SDL_GetError();
        return nullptr;
    };
    // The window's surface stays in memory rather than becoming a texture
    // of OpenGL, which (a software stack on a virtual display) would cost
    // more start-up time and memory than the whole game.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return fail("no display");
    std::unique_ptr<SdlWindowSystem> system(new SdlWindowSystem);
    SDL_Rect screen{};
    if (SDL_GetDisplayBounds(0, &screen) != 0)
        return fail("no screen");
    int width = options.pictureWidth > 0 ? options.pictureWidth : screen.w;
    int height = options.pictureHeight > 0 ? options.pictureHeight : screen.h;
    system->picture_ = {0, 0, width, height};
    system->window_ = OpenWindow(options.fullScreen ? screen : SDL_Rect{kCentred, kCentred, width, height},
                                 options.fullScreen);
    if (!system->window_)
        return fail("cannot open the window");
    system->musicEndEvent_ = SDL_RegisterEvents(1);
    system->sound_ = std::make_unique<SdlSound>(system->musicEndEvent_);
    return system;
}

SdlWindowSystem::~SdlWindowSystem() {
    sound_.reset();
    SDL_FreeSurface(canvas_);
    if (window_)
        SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

uint64_t SdlWindowSystem::Now() const { return SDL_GetTicks64(); }

bool SdlWindowSystem::PumpEvents(std::optional<uint64_t> timeoutMs) {
    uint64_t wait = std::min<uint64_t>(timeoutMs.value_or(kIdleWaitMs), INT_MAX);
    SDL_Event event;
    if (!SDL_WaitEventTimeout(&event, static_cast<int>(wait)))
        return true;
    Handle(event);
    while (SDL_PollEvent(&event))
        Handle(event);
    return true;
}

void SdlWindowSystem::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        if (MainWindow())
            MainWindow()->OnClose();
        else
            Quit(0);
        break;
    case SDL_WINDOWEVENT:
        MarkChanged();
        break;
    case SDL_MOUSEMOTION:
        mouse_ = ToPicture(event.motion.x, event.motion.y);
        Deliver(InputEvent::Move(mouse_, MouseFlags(event.motion.state)));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (auto button = ButtonOf(event.button.button)) {
            mouse_ = ToPicture(event.button.x, event.button.y);
            InputEvent input = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Down(mouse_, *button, event.button.clicks)
                                                                 : InputEvent::Up(mouse_, *button);
            input.flags = MouseFlags(SDL_GetMouseState(nullptr, nullptr));
            Deliver(input);
        }
        break;
    case SDL_MOUSEWHEEL: {
        float notches = event.wheel.preciseY;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
            notches = -notches;
        InputEvent input = InputEvent::Wheel(mouse_, WheelDeltaOf(notches));
        input.flags = MouseFlags(SDL_GetMouseState(nullptr, nullptr));
        Deliver(input);
        break;
    }
    case SDL_KEYDOWN:
        HandleKey(event);
        break;
    case SDL_TEXTINPUT:
        HandleText(event.text.text);
        break;
    default:
        if (event.type == musicEndEvent_)
            sound_->TitleEnded(event.user.code);
        break;
    }
}

void SdlWindowSystem::HandleKey(const SDL_Event& event) {
    unsigned key = VirtualKeyOf(event.key.keysym.sym);
    if (key == 0)
        return;
    const unsigned modifiers = ModifierFlags(event.key.keysym.mod);
    Deliver(InputEvent::KeyDown(key, modifiers));
    // Text input leaves out the characters of these keys; the game wants them.
    if (unsigned character = ControlCharOfKey(key))
        Deliver(InputEvent::Char(character, modifiers));
}

void SdlWindowSystem::HandleText(const char* utf8) {
    const unsigned modifiers = ModifierFlags(SDL_GetModState());
    for (char c : Utf8ToCp1252(utf8))
        Deliver(InputEvent::Char(static_cast<unsigned char>(c), modifiers));
}

std::string SdlWindowSystem::ClipboardText() const {
    char* utf8 = SDL_GetClipboardText();
    if (!utf8)
        return {};
    std::string text = Utf8ToCp1252(utf8);
    SDL_free(utf8);
    return text;
}

void SdlWindowSystem::SetClipboardText(const std::string& cp1252) {
    SDL_SetClipboardText(Cp1252ToUtf8(cp1252).c_str());
}

Point SdlWindowSystem::ToPicture(int windowX, int windowY) const {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    return WindowToPicture({windowX, windowY}, PictureSize(), FitPicture(PictureSize(), {width, height}));
}

// The shown windows go straight onto the screen when the picture has the
// window's size; otherwise onto a canvas of the picture's size, which is
// then scaled smoothly into its place.
bool SdlWindowSystem::Compose() {
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (!screen)
        return false;
    const Rect placed = FitPicture(PictureSize(), {screen->w, screen->h});
    FillBars(screen, placed);
    if (placed == picture_)
        return CopyWindows(screen);
    SDL_Surface* canvas = CanvasLike(screen);
    if (!canvas || !CopyWindows(canvas))
        return false;
    SDL_Rect target = SdlRectOf(placed);
    return SDL_SoftStretchLinear(canvas, nullptr, screen, &target) == 0;
}

bool SdlWindowSystem::CopyWindows(SDL_Surface* target) {
    // What no window covers stays black.
    if (shown_.empty() || shown_.front()->WindowRect() != picture_) {
        const SDL_Rect all = SdlRectOf(picture_);
        SDL_FillRect(target, &all, SDL_MapRGB(target->format, 0, 0, 0));
    }
    for (Window* window : shown_) {
        Bitmap& surface = window->Surface();
        if (surface.IsEmpty())
            continue;
        SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(surface.Pixels(), surface.Width(), surface.Height(),
                                                                 32, surface.PitchBytes(), kPixelFormat);
        if (!source)
            return false;
        const Rect r = window->WindowRect();
        SDL_Rect at{r.left, r.top, surface.Width(), surface.Height()};
        const bool copied = SDL_BlitSurface(source, nullptr, target, &at) == 0;
        SDL_FreeSurface(source);
        if (!copied)
            return false;
    }
    return true;
}

SDL_Surface* SdlWindowSystem::CanvasLike(const SDL_Surface* screen) {
    if (canvas_ && (canvas_->format->format != screen->format->format || canvas_->w != picture_.Width() ||
                    canvas_->h != picture_.Height())) {
        SDL_FreeSurface(canvas_);
        canvas_ = nullptr;
    }
    if (!canvas_)
        canvas_ = SDL_CreateRGBSurfaceWithFormat(0, picture_.Width(), picture_.Height(), 32, screen->format->format);
    return canvas_;
}

void SdlWindowSystem::Present(const std::vector<Window*>& windows) {
    shown_ = windows;
    // A picture put into a window that is not on the screen yet is lost.
    if (SDL_GetWindowFlags(window_) & SDL_WINDOW_HIDDEN)
        SDL_ShowWindow(window_);
    if (Compose())
        SDL_UpdateWindowSurface(window_);
}

void SdlWindowSystem::OnForget(Window& window) { std::erase(shown_, &window); }

bool SdlWindowSystem::ReadScreen(Bitmap& screen) {
    if (!Compose())
        return false;
    const SDL_Surface* surface = SDL_GetWindowSurface(window_);
    screen.Create(surface->w, surface->h);
    if (screen.IsEmpty())
        return false;
    const bool ok = SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels,
                                      surface->pitch, kPixelFormat, screen.Pixels(), screen.PitchBytes()) == 0;
    SDL_UpdateWindowSurface(window_);
    for (int y = 0; y < screen.Height(); ++y)
        for (uint32_t* p = screen.Row(y); p != screen.Row(y) + screen.Width(); ++p)
            *p &= kColourMask;
    return ok;
}
