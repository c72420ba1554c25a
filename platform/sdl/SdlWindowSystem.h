#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/WindowSystem.h"
#include "platform/sdl/SdlSound.h"

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;
union SDL_Event;

// The window system on SDL2: one window without a title bar over the whole
// screen, on which the surfaces of the game's windows are shown, scaled to
// the screen when the picture has another size; SDL's events become the
// windows' messages on the one thread that runs the loop.
class SdlWindowSystem : public WindowSystem {
public:
    struct Options {
        // The picture's size; 0 takes the screen's size.
        int pictureWidth = 0;
        int pictureHeight = 0;
        // False opens a plain window of the picture's size instead.
        bool fullScreen = true;
    };

    // Starts SDL's video; null with the reason when there is no display.
    static std::unique_ptr<SdlWindowSystem> Create(const Options& options, std::string* error);
    ~SdlWindowSystem() override;

    Rect ScreenRect() const override { return picture_; }
    uint64_t Now() const override;
    SdlSound& Sound() override { return *sound_; }
    // The system's clipboard, which speaks UTF-8.
    std::string ClipboardText() const override;
    void SetClipboardText(const std::string& cp1252) override;
    SDL_Window* NativeWindow() const { return window_; }

    // Shows the picture again and reads it back as the screen shows it;
    // false when the renderer cannot.
    bool ReadScreen(Bitmap& screen);

protected:
    bool PumpEvents(std::optional<uint64_t> timeoutMs) override;
    void Present(const std::vector<Window*>& windows) override;
    void OnForget(Window& window) override;

private:
    SdlWindowSystem() = default;
    void Handle(const SDL_Event& event);
    void HandleKey(const SDL_Event& event);
    void HandleText(const char* utf8);
    void Compose();
    SDL_Texture* TextureOf(Window& window);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    struct Texture {
        SDL_Texture* texture = nullptr;
        int width = 0;
        int height = 0;
    };
    std::map<Window*, Texture> textures_;
    std::vector<Window*> shown_;
    Rect picture_;
    Point mouse_;
    uint32_t musicEndEvent_ = 0;
    std::unique_ptr<SdlSound> sound_;
};
