#include "platform/Sound.h"

#include "platform/Window.h"

int SoundPlayer::PlayMusic(const std::string& path, Window* notify) {
    StopMusic();
    int code = StartMusic(path);
    if (code != 0)
        return code;
    notify_ = notify;
    playing_ = true;
    return 0;
}

void SoundPlayer::StopMusic() {
    if (playing_)
        HaltMusic();
    playing_ = false;
    notify_ = nullptr;
    // An end already on its way belongs to the closed title.
    ++serial_;
}

void SoundPlayer::Forget(const Window& window) {
    if (notify_ == &window)
        notify_ = nullptr;
}

void SoundPlayer::MusicEnded(uint64_t serial) {
    if (!playing_ || serial != serial_)
        return;
    playing_ = false;
    Window* window = notify_;
    notify_ = nullptr;
    ++serial_;
    if (window)
        window->OnMusicNotify(MusicNotify::Successful);
}
