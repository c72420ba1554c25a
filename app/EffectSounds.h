#pragma once

#include <array>

// The short wave effects of matches and the career, read into memory once
// at start-up and played from there: g_effectSounds holds the player's wave
// id of each slot, SoundPlayer::kNoWave where the file was missing.
enum EffectSound : int {
    kEffectPulse,
    kEffectWhistle,
    kEffectCheering,
    kEffectExit,
    kEffectFinalWhistle,
    kEffectCheering2,
    kEffectLevelUp,
    kEffectLevelDown,
    kEffectFileCount,
};
constexpr int kEffectSlotCount = 10;  // the last two slots hold no file

extern std::array<int, kEffectSlotCount> g_effectSounds;
// Back to no wave in any slot, as before the sounds are read.
void ResetEffectSounds();

// Reads "Effekte\" of the program folder into the window system's player.
void LoadEffectSounds();
