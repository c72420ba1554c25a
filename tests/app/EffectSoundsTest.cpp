#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "app/EffectSounds.h"
#include "platform/Sound.h"
#include "tests/app/HeadlessGame.h"

namespace fs = std::filesystem;

namespace {

class EffectSounds : public ::testing::Test, protected HeadlessGame {};

}  // namespace

// A folder in a wave's place once threw out of the start-up and a pipe
// made it wait for a writer; either leaves its slot without a sound, and
// the other files still load.
TEST_F(EffectSounds, AFolderOrAPipeInAWavesPlaceLeavesOnlyThatSlotEmpty) {
    const fs::path effects = folder / "Effekte";
    fs::create_directories(effects / "Puls.wav");
    ASSERT_EQ(::mkfifo((effects / "Pfiff.wav").c_str(), 0600), 0);
    const char wave[] = "RIFF\x04\0\0\0WAVE";
    std::ofstream(effects / "Jubel.wav", std::ios::binary).write(wave, sizeof wave - 1);

    LoadEffectSounds();
    EXPECT_EQ(g_effectSounds[kEffectPulse], SoundPlayer::kNoWave);
    EXPECT_EQ(g_effectSounds[kEffectWhistle], SoundPlayer::kNoWave);
    EXPECT_NE(g_effectSounds[kEffectCheering], SoundPlayer::kNoWave);
}
