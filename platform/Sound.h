#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Window;

// Music from files, one title at a time, with a notification to a window
// when a title ends by itself; and wave effects played from memory, one at
// a time, once or looping. A backend without sound plays silence and still
// reports success, so the game never stops for lack of a sound device.
class SoundPlayer {
public:
    static constexpr int kMusicCannotOpen = 1;  // missing file or unknown format
    static constexpr int kMusicCannotPlay = 2;
    static constexpr int kNoWave = -1;

    virtual ~SoundPlayer() = default;

    // Closes the title playing and starts `path` once; 0 or an error code.
    // When the title ends by itself `notify` gets OnMusicNotify(Successful)
    // from the main loop; a title closed or replaced sends nothing.
    int PlayMusic(const std::string& path, Window* notify);
    void StopMusic();
    bool MusicPlaying() const { return playing_; }
    virtual std::string MusicErrorText(int code) const = 0;

    // Keeps a whole wave file for playing; its id, or kNoWave when the bytes
    // are not a wave file.
    virtual int LoadWave(const std::vector<uint8_t>& bytes) = 0;
    // Plays a loaded wave in place of the wave playing now; kNoWave plays nothing.
    virtual void PlayWave(int wave, bool loop) = 0;
    virtual void StopWave() = 0;

    // A window that goes away gets no notification.
    void Forget(const Window& window);

protected:
    virtual int StartMusic(const std::string& path) = 0;
    virtual void HaltMusic() = 0;
    // The title started as `serial` ended by itself; called on the main loop.
    void MusicEnded(uint64_t serial);
    uint64_t MusicSerial() const { return serial_; }

private:
    Window* notify_ = nullptr;
    uint64_t serial_ = 0;
    bool playing_ = false;
};
