#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "tests/TempFolder.h"
#include "tools/sound-builder/Notes.h"
#include "tools/sound-builder/SoundDescription.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSoundData = fs::path(CORVANTA_DATA_DIR) / "sounds";

fs::path Write(const TempFolder& folder, const std::string& text) {
    const fs::path file = folder / "sounds.txt";
    std::ofstream(file) << text;
    return file;
}

double LengthOf(const SoundSpec& sound) {
    double end = 0;
    for (const Layer& layer : sound.layers)
        for (const Strike& strike : layer.strikes)
            end = std::max(end, strike.start + strike.gate + layer.envelope.release);
    return end;
}

std::vector<std::string> NamesOf(const std::vector<SoundSpec>& sounds) {
    std::vector<std::string> names;
    for (const SoundSpec& sound : sounds)
        names.push_back(sound.name);
    return names;
}

}  // namespace

TEST(SoundDescription, TheShippedEffectsAreTheEightTheGameLoads) {
    std::vector<SoundSpec> sounds;
    std::string error;
    ASSERT_TRUE(ReadSoundFile(kSoundData / "effects.txt", sounds, &error)) << error;
    std::vector<std::string> names = NamesOf(sounds);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Abgang", "Abpfiff", "Jubel", "Jubel2", "LevelMinus", "LevelPlus",
                                               "Pfiff", "Puls"}));
    for (const SoundSpec& sound : sounds) {
        EXPECT_EQ(sound.kind, SoundKind::kEffect);
        EXPECT_LE(LengthOf(sound), 10) << sound.name;
    }
}

TEST(SoundDescription, TheShippedMusicIsAFewTitlesOfHalfAMinuteToAMinute) {
    std::vector<SoundSpec> sounds;
    std::string error;
    ASSERT_TRUE(ReadSoundFile(kSoundData / "music.txt", sounds, &error)) << error;
    EXPECT_GE(sounds.size(), 3u);
    EXPECT_LE(sounds.size(), 5u);
    const std::vector<std::string> names = NamesOf(sounds);
    EXPECT_NE(std::find(names.begin(), names.end(), "Start"), names.end());
    for (const SoundSpec& sound : sounds) {
        EXPECT_EQ(sound.kind, SoundKind::kTitle);
        EXPECT_GE(LengthOf(sound), 30) << sound.name;
        EXPECT_LE(LengthOf(sound), 60) << sound.name;
    }
}

TEST(SoundDescription, AVoiceBecomesStrikesAtTheTempo) {
    TempFolder folder;
    std::vector<SoundSpec> sounds;
    std::string error;
    const std::string text =
        "title Song tempo=120 peak=0.5   # half a second a beat\n"
        "voice wave=square beat=2 repeat=2 beats=0.5 gate=0.5 volume=0.3 pan=-1 release=0.1\n"
        "notes C4 r\n"
        "notes E4+G4:1 A4*2\n"
        "voice wave=noise\n"
        "notes x:2 r x\n"
        "tone freq=880 start=0.25 length=0.5\n";
    ASSERT_TRUE(ReadSoundFile(Write(folder, text), sounds, &error)) << error;
    ASSERT_EQ(sounds.size(), 1u);
    const SoundSpec& song = sounds[0];
    EXPECT_EQ(song.kind, SoundKind::kTitle);
    EXPECT_EQ(song.rate, 44100);
    EXPECT_EQ(song.channels, 2);
    EXPECT_DOUBLE_EQ(song.peak, 0.5);
    ASSERT_EQ(song.layers.size(), 3u);

    const Layer& voice = song.layers[0];
    EXPECT_EQ(voice.wave, Waveform::kSquare);
    EXPECT_FLOAT_EQ(voice.volume, 0.3f);
    EXPECT_EQ(voice.pan, -1);
    // One round: C4 at 0, (rest), E4 and G4 at 0.5 beats... in seconds from beat 2.
    struct Expected {
        double start, gate;
        int key;
    };
    const Expected round[] = {{1.0, 0.125, 60}, {1.5, 0.25, 64}, {1.5, 0.25, 67}, {2.0, 0.125, 69}, {2.25, 0.125, 69}};
    ASSERT_EQ(voice.strikes.size(), 10u);
    for (size_t i = 0; i < voice.strikes.size(); ++i) {
        const Expected& e = round[i % 5];
        const double shift = i < 5 ? 0 : 1.5;  // a round lasts three beats
        EXPECT_DOUBLE_EQ(voice.strikes[i].start, e.start + shift) << i;
        EXPECT_DOUBLE_EQ(voice.strikes[i].gate, e.gate) << i;
        EXPECT_DOUBLE_EQ(voice.strikes[i].frequency, KeyFrequency(e.key)) << i;
    }

    const Layer& drum = song.layers[1];
    EXPECT_EQ(drum.wave, Waveform::kNoise);
    ASSERT_EQ(drum.strikes.size(), 2u);
    EXPECT_DOUBLE_EQ(drum.strikes[1].start, 1.5);
    EXPECT_DOUBLE_EQ(drum.strikes[1].frequency, 0);

    const Layer& tone = song.layers[2];
    ASSERT_EQ(tone.strikes.size(), 1u);
    EXPECT_DOUBLE_EQ(tone.strikes[0].start, 0.25);
    EXPECT_DOUBLE_EQ(tone.strikes[0].gate, 0.5);
    EXPECT_DOUBLE_EQ(tone.strikes[0].frequency, 880);
}

TEST(SoundDescription, FaultsNameTheirFileAndLine) {
    struct Case {
        std::string text;
        int line;
        const char* message;
    };
    const std::string effect = "effect Beep\ntone freq=440 length=0.2\n";
    const Case cases[] = {
        {effect + "drum x\n", 3, "unknown keyword 'drum'"},
        {"tone freq=440 length=1\n", 1, "a tone line belongs to an effect or title above it"},
        {"effect\n", 1, "effect needs a name of letters and digits"},
        {"effect Be.ep\n", 1, "effect needs a name of letters and digits"},
        {effect + "effect beep\n", 3, "effect 'beep' is described twice"},
        {"effect Beep rate=32000\n", 1, "rate must be 22050 or 44100"},
        {effect + "tone length=1\n", 3, "tone needs freq= in Hz"},
        {effect + "tone freq=440\n", 3, "tone needs length= in seconds"},
        {effect + "tone freq=440 length=1 volume=2\n", 3, "volume must be a number from 0 to 1"},
        {effect + "tone freq=440 length=1 wave=noise\n", 3, "wave must be sine, triangle, square, saw"},
        {effect + "tone freq=440 length=1 colour=red\n", 3, "unknown setting 'colour' for tone"},
        {effect + "notes C4\n", 3, "a notes line belongs to a voice above it"},
        {effect + "voice\nnotes C4 H4\n", 4, "'H4' is no note"},
        {effect + "voice\nnotes C4 x\n", 4, "'x': x is a hit of a noise voice"},
        {effect + "voice wave=noise\nnotes x C4\n", 4, "'C4': a noise voice plays x (a hit) and r (a rest)"},
        {effect + "voice repeat=2\ntone freq=440 length=1\n", 3, "a voice needs notes lines below it"},
        {effect + "voice\n", 3, "a voice needs notes lines below it"},
        {effect + "effect Empty\n", 3, "'Empty' has no tone, noise or voice lines"},
        {"effect Long loop=0.1\ntone freq=440 length=1\n", 1, "loop must lie between half its length and its length"},
        {"effect Long loop=2\ntone freq=440 length=1\n", 1, "loop must lie between half its length and its length"},
        {"effect Long\ntone freq=440 length=50 start=290\n", 1, "'Long' lasts longer than 300 seconds"},
        {effect + "tone freq=440 length=1 wave=\"sine\n", 3, "a quote is not closed"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const fs::path file = Write(folder, c.text);
        std::vector<SoundSpec> sounds;
        std::string error;
        EXPECT_FALSE(ReadSoundFile(file, sounds, &error)) << c.text;
        const std::string where = file.string() + ":" + std::to_string(c.line) + ": ";
        EXPECT_EQ(error.rfind(where, 0), 0u) << error;
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

TEST(SoundDescription, AMissingFileSaysSo) {
    std::vector<SoundSpec> sounds;
    std::string error;
    EXPECT_FALSE(ReadSoundFile(kSoundData / "no-such-file.txt", sounds, &error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos) << error;
}
