#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/EffectSounds.h"
#include "app/GameMusic.h"
#include "tests/app/HeadlessGame.h"
#include "tests/tools/WaveReader.h"
#include "tools/sound-builder/SoundDescription.h"

namespace fs = std::filesystem;

namespace {

const fs::path kProgram = CORVANTA_PROGRAM_DIR;
const fs::path kSoundData = fs::path(CORVANTA_DATA_DIR) / "sounds";
// A twentieth of full scale: an effect below it everywhere would be near silence.
constexpr int kAudible = 32767 / 20;

std::vector<uint8_t> FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first frame of an MPEG audio stream, after an ID3 tag if one leads.
bool StartsLikeMp3(const std::vector<uint8_t>& bytes) {
    if (bytes.size() >= 3 && std::equal(bytes.begin(), bytes.begin() + 3, "ID3"))
        return true;
    return bytes.size() >= 2 && bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0;
}

// The program folder the build made, looked up as the game looks things up.
class ShippedSounds : public ::testing::Test, protected HeadlessGame {
protected:
    ShippedSounds() { SetProgramFolder(kProgram); }
    ~ShippedSounds() override { g_effectSounds.fill(SoundPlayer::kNoWave); }
};

}  // namespace

TEST_F(ShippedSounds, TheGameLoadsAllEightEffects) {
    LoadEffectSounds();
    for (int slot = 0; slot < kEffectSlotCount; ++slot)
        EXPECT_EQ(g_effectSounds[slot] != SoundPlayer::kNoWave, slot < kEffectFileCount) << "slot " << slot;
}

TEST_F(ShippedSounds, EveryEffectIsAnAudibleWaveOfItsDescribedLength) {
    std::vector<SoundSpec> effects;
    std::string error;
    ASSERT_TRUE(ReadSoundFile(kSoundData / "effects.txt", effects, &error)) << error;
    for (const SoundSpec& effect : effects) {
        const ReadBackWave wave = ReadWaveBytes(FileBytes(kProgram / "Effekte" / (effect.name + ".wav")));
        ASSERT_EQ(wave.fault, "") << effect.name;
        EXPECT_EQ(wave.channels, effect.channels) << effect.name;
        EXPECT_EQ(wave.rate, static_cast<uint32_t>(effect.rate)) << effect.name;
        const double seconds = static_cast<double>(wave.samples.size()) / wave.channels / wave.rate;
        EXPECT_GT(seconds, 0.2) << effect.name;
        if (effect.loop > 0) {
            EXPECT_NEAR(seconds, effect.loop, 0.001) << effect.name;
        }
        EXPECT_GT(wave.Loudest(), kAudible) << effect.name;
    }
}

TEST_F(ShippedSounds, TheMusicFolderHoldsTheStartTitleAndEveryDescribedTitle) {
    std::vector<SoundSpec> titles;
    std::string error;
    ASSERT_TRUE(ReadSoundFile(kSoundData / "music.txt", titles, &error)) << error;
    std::vector<std::string> described;
    for (const SoundSpec& title : titles)
        described.push_back(title.name + ".mp3");
    std::vector<std::string> found = ScanMusicFolder(kDefaultMusicFolder);
    std::sort(described.begin(), described.end());
    std::sort(found.begin(), found.end());
    EXPECT_TRUE(std::includes(found.begin(), found.end(), described.begin(), described.end()));
    EXPECT_TRUE(fs::is_regular_file(ResolvePath(kDefaultStartTitle)));
    for (const std::string& name : described) {
        const std::vector<uint8_t> bytes = FileBytes(ResolvePath(kDefaultMusicFolder + name));
        EXPECT_TRUE(StartsLikeMp3(bytes)) << name;
        // 96 kbit/s for at least half a minute.
        EXPECT_GT(bytes.size(), 30u * 96000 / 8) << name;
    }
}
