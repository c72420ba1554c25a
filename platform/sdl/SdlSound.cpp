#include "platform/sdl/SdlSound.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <atomic>

namespace {

constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSize = 2048;
// Waves play one at a time, as the game expects: a new one replaces the last.
constexpr int kWaveChannel = 0;
constexpr int kPlayOnce = 1;
constexpr int kLoopForever = -1;

// Read by the mixer's thread when a title ends.
std::atomic<uint32_t> g_endEvent{0};
std::atomic<int32_t> g_playingSerial{0};
// Set while the program halts a title itself: that is no end of a title.
std::atomic<bool> g_halting{false};

void OnMusicFinished() {
    if (g_halting)
        return;
    SDL_Event event{};
    event.type = g_endEvent;
    event.user.code = g_playingSerial;
    SDL_PushEvent(&event);
}

bool OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kChannels, kChunkSize) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

// Whether SDL reads the bytes as a wave file; no device is needed for that.
bool IsWave(const std::vector<uint8_t>& bytes) {
    SDL_AudioSpec format;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &format, &samples,
                        &length))
        return false;
    SDL_FreeWAV(samples);
    return true;
}

}  // namespace

SdlSound::SdlSound(uint32_t endEvent) { g_endEvent = endEvent; }

bool SdlSound::Open() {
    if (tried_)
        return open_;
    tried_ = true;
    open_ = OpenDevice();
    if (!open_) {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        open_ = OpenDevice();
    }
    if (open_) {
        Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_MID | MIX_INIT_FLAC);
        Mix_HookMusicFinished(OnMusicFinished);
    }
    return open_;
}

SdlSound::~SdlSound() {
    if (!open_)
        return;
    StopMusic();
    FreeMusic();
    Mix_HaltChannel(-1);
    for (const Wave& wave : waves_)
        if (wave.chunk)
            Mix_FreeChunk(wave.chunk);
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::TitleEnded(int32_t serialCode) {
    if (serialCode == static_cast<int32_t>(MusicSerial()))
        MusicEnded(MusicSerial());
}

std::string SdlSound::MusicErrorText(int code) const {
    std::string what = code == kMusicCannotOpen ? "The file cannot be opened. " : "The file cannot be played. ";
    return what + lastError_;
}

int SdlSound::LoadWave(const std::vector<uint8_t>& bytes) {
    if (bytes.empty() || !IsWave(bytes))
        return kNoWave;
    waves_.push_back({bytes, nullptr});
    return static_cast<int>(waves_.size()) - 1;
}

void SdlSound::PlayWave(int id, bool loop) {
    if (id < 0 || id >= static_cast<int>(waves_.size()) || !Open())
        return;
    Wave& wave = waves_[id];
    if (!wave.chunk)
        wave.chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.bytes.data(), static_cast<int>(wave.bytes.size())), 1);
    if (wave.chunk)
        Mix_PlayChannel(kWaveChannel, wave.chunk, loop ? kLoopForever : 0);
}

void SdlSound::StopWave() {
    if (open_)
        Mix_HaltChannel(kWaveChannel);
}

int SdlSound::StartMusic(const std::string& path) {
    if (!Open())
        return 0;
    FreeMusic();
    music_ = Mix_LoadMUS(path.c_str());
    if (!music_) {
        lastError_ = Mix_GetError();
        return kMusicCannotOpen;
    }
    g_playingSerial = static_cast<int32_t>(MusicSerial());
    if (Mix_PlayMusic(music_, kPlayOnce) != 0) {
        lastError_ = Mix_GetError();
        FreeMusic();
        return kMusicCannotPlay;
    }
    return 0;
}

void SdlSound::HaltMusic() {
    if (!open_)
        return;
    g_halting = true;
    Mix_HaltMusic();
    g_halting = false;
}

void SdlSound::FreeMusic() {
    if (!music_)
        return;
    g_halting = true;
    Mix_FreeMusic(music_);
    g_halting = false;
    music_ = nullptr;
}
