#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/WindowSystem.h"
#include "platform/sdl/SdlSound.h"

struct SDL_Surface;
struct SDL_Window;
union SDL_Event;

// The window system on SDL2: one window without a title bar over the whole
// screen, on which the surfaces of the game's windows are shown, scaled to
// the screen when the picture has another size; SDL's events become the
// windows' messages on the one thread that runs the loop. The surfaces are
// copied into the window's own surface in memory; no graphics card is
// asked to draw.
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
    // false when the window has no surface.
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
    bool Compose();
    bool CopyWindows(SDL_Surface* target);
    SDL_Surface* CanvasLike(const SDL_Surface* screen);
    Size PictureSize() const { return {picture_.Width(), picture_.Height()}; }
    Point ToPicture(int windowX, int windowY) const;

    SDL_Window* window_ = nullptr;
    // The picture at its own size, when the window has another one.
    SDL_Surface* canvas_ = nullptr;
    std::vector<Window*> shown_;
    Rect picture_;
    Point mouse_;
    uint32_t musicEndEvent_ = 0;
    std::unique_ptr<SdlSound> sound_;
};
