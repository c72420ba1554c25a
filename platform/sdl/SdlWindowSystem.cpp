#include "platform/sdl/SdlWindowSystem.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <climits>

#include "platform/Text.h"
#include "platform/Window.h"
#include "platform/sdl/SdlKeys.h"

namespace {

// How long the loop sleeps at most when no timer is set.
constexpr uint64_t kIdleWaitMs = 500;
constexpr const char* kTitle = "Corvanta";
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

}  // namespace

std::unique_ptr<SdlWindowSystem> SdlWindowSystem::Create(const Options& options, std::string* error) {
    auto fail = [&](const char* what) {
        if (error)
            *error = std::string(what) + ": " + SDL_GetError();
        return nullptr;
    };
    // The pictures are drawn in memory and only copied to the screen, which
    // needs no graphics card: SDL's renderer in memory draws into the
    // window's own surface, which must not be a texture of OpenGL either.
    // Loading an OpenGL stack (a software one on a virtual display) would
    // cost more start-up time and memory than the whole game.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return fail("no display");
    std::unique_ptr<SdlWindowSystem> system(new SdlWindowSystem);
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0)
        return fail("no screen");
    int width = options.pictureWidth > 0 ? options.pictureWidth : desktop.w;
    int height = options.pictureHeight > 0 ? options.pictureHeight : desktop.h;
    system->picture_ = {0, 0, width, height};

    // Hidden until the first picture, so start-up work shows no empty window.
    uint32_t flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    if (options.fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    system->window_ = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!system->window_)
        return fail("cannot open the window");
    system->renderer_ = SDL_CreateRenderer(system->window_, -1, SDL_RENDERER_SOFTWARE);
    if (!system->renderer_)
        return fail("cannot draw into the window");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // The picture keeps its proportions and the mouse is told in its pixels.
    SDL_RenderSetLogicalSize(system->renderer_, width, height);

    system->musicEndEvent_ = SDL_RegisterEvents(1);
    system->sound_ = std::make_unique<SdlSound>(system->musicEndEvent_);
    return system;
}

SdlWindowSystem::~SdlWindowSystem() {
    sound_.reset();
    for (auto& [window, texture] : textures_)
        SDL_DestroyTexture(texture.texture);
    if (renderer_)
        SDL_DestroyRenderer(renderer_);
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
        mouse_ = {event.motion.x, event.motion.y};
        Deliver(InputEvent::Move(mouse_, MouseFlags(event.motion.state)));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (auto button = ButtonOf(event.button.button)) {
            mouse_ = {event.button.x, event.button.y};
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

SDL_Texture* SdlWindowSystem::TextureOf(Window& window) {
    Rect r = window.WindowRect();
    Texture& t = textures_[&window];
    if (t.texture && (t.width != r.Width() || t.height != r.Height())) {
        SDL_DestroyTexture(t.texture);
        t.texture = nullptr;
    }
    if (!t.texture) {
        t.texture = SDL_CreateTexture(renderer_, kPixelFormat, SDL_TEXTUREACCESS_STREAMING, r.Width(),
                                      r.Height());
        t.width = r.Width();
        t.height = r.Height();
    }
    return t.texture;
}

void SdlWindowSystem::Compose() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    for (Window* window : shown_) {
        Rect r = window->WindowRect();
        if (r.IsEmpty())
            continue;
        SDL_Texture* texture = TextureOf(*window);
        if (!texture)
            continue;
        const Bitmap& surface = window->Surface();
        if (surface.IsEmpty())
            continue;
        SDL_UpdateTexture(texture, nullptr, surface.Pixels(), surface.PitchBytes());
        SDL_Rect target{r.left, r.top, r.Width(), r.Height()};
        SDL_RenderCopy(renderer_, texture, nullptr, &target);
    }
}

void SdlWindowSystem::Present(const std::vector<Window*>& windows) {
    shown_ = windows;
    Compose();
    SDL_RenderPresent(renderer_);
    if (SDL_GetWindowFlags(window_) & SDL_WINDOW_HIDDEN)
        SDL_ShowWindow(window_);
}

void SdlWindowSystem::OnForget(Window& window) {
    std::erase(shown_, &window);
    auto it = textures_.find(&window);
    if (it == textures_.end())
        return;
    SDL_DestroyTexture(it->second.texture);
    textures_.erase(it);
}

bool SdlWindowSystem::ReadScreen(Bitmap& screen) {
    int width = 0;
    int height = 0;
    if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0)
        return false;
    screen.Create(width, height);
    if (screen.IsEmpty())
        return false;
    Compose();
    bool ok = SDL_RenderReadPixels(renderer_, nullptr, kPixelFormat, screen.Pixels(), screen.PitchBytes()) == 0;
    SDL_RenderPresent(renderer_);
    for (int y = 0; y < height; ++y)
        for (uint32_t* p = screen.Row(y); p != screen.Row(y) + width; ++p)
            *p &= kColourMask;
    return ok;
}
