#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Sound.h"

struct _Mix_Music;
struct Mix_Chunk;

// Music and waves through SDL_mixer. Without a sound device it plays into
// SDL's dummy driver, and when even that fails it stays silent; starting
// the program never depends on sound. The device is opened by the first
// sound played, not at the start-up: a driver that finds no device takes a
// tenth of a second to let go before the dummy one is tried, and the start
// screen shows no sooner for it. A wave is checked when it is loaded and
// made ready for the device when it first plays. The mixer tells the end of a title
// from its own thread; that only posts an event, which the main loop hands
// back here through TitleEnded.
class SdlSound : public SoundPlayer {
public:
    // `endEvent`: the SDL event type the end of a title is posted as.
    explicit SdlSound(uint32_t endEvent);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // The event posted for the end of a title arrived on the main loop.
    void TitleEnded(int32_t serialCode);
    // Opens the device when no sound has yet.
    bool HasDevice() { return Open(); }

    std::string MusicErrorText(int code) const override;
    int LoadWave(const std::vector<uint8_t>& bytes) override;
    void PlayWave(int wave, bool loop) override;
    void StopWave() override;

protected:
    int StartMusic(const std::string& path) override;
    void HaltMusic() override;

private:
    struct Wave {
        std::vector<uint8_t> bytes;
        Mix_Chunk* chunk = nullptr;  // made by its first play
    };

    // Whether a device (or the dummy one) is open, trying once.
    bool Open();
    void FreeMusic();

    bool tried_ = false;
    bool open_ = false;
    _Mix_Music* music_ = nullptr;
    std::vector<Wave> waves_;
    std::string lastError_;
};
