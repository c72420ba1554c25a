#include "app/EffectSounds.h"

#include <optional>
#include <vector>

#include "platform/Path.h"
#include "platform/Sound.h"
#include "platform/WholeFile.h"
#include "platform/WindowSystem.h"

namespace {

constexpr std::array<int, kEffectSlotCount> NoWaves() {
    std::array<int, kEffectSlotCount> ids{};
    ids.fill(SoundPlayer::kNoWave);
    return ids;
}

}  // namespace

std::array<int, kEffectSlotCount> g_effectSounds = NoWaves();

void ResetEffectSounds() { g_effectSounds = NoWaves(); }

namespace {

constexpr std::array<const char*, kEffectFileCount> kEffectFiles = {
    "Effekte\\Puls.wav",   "Effekte\\Pfiff.wav",  "Effekte\\Jubel.wav",     "Effekte\\Abgang.wav",
    "Effekte\\Abpfiff.wav", "Effekte\\Jubel2.wav", "Effekte\\LevelPlus.wav", "Effekte\\LevelMinus.wav",
};

}  // namespace

void LoadEffectSounds() {
    SoundPlayer& sound = CurrentWindowSystem().Sound();
    ResetEffectSounds();
    for (int slot = 0; slot < kEffectFileCount; ++slot) {
        const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(ResolvePath(kEffectFiles[slot]));
        if (bytes && !bytes->empty())
            g_effectSounds[slot] = sound.LoadWave(*bytes);
    }
}
