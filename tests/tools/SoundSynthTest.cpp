#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tests/tools/WaveReader.h"
#include "tools/sound-builder/Notes.h"
#include "tools/sound-builder/Synth.h"
#include "tools/sound-builder/WaveFile.h"

namespace {

Layer ToneLayer(Waveform wave, double frequency, double start, double gate) {
    Layer layer;
    layer.wave = wave;
    layer.strikes.push_back({start, gate, frequency});
    return layer;
}

SoundSpec Effect(std::vector<Layer> layers) {
    SoundSpec sound;
    sound.name = "Test";
    sound.layers = std::move(layers);
    return sound;
}

// The largest step between neighbouring samples of one channel.
int LargestStep(const PcmSound& pcm, int channel) {
    int largest = 0;
    for (size_t i = 1; i < pcm.Frames(); ++i) {
        const int a = pcm.samples[(i - 1) * pcm.channels + channel], b = pcm.samples[i * pcm.channels + channel];
        largest = std::max(largest, std::abs(b - a));
    }
    return largest;
}

}  // namespace

TEST(WaveFile, ReadsBackWithItsHeaderAndSamples) {
    struct Case {
        int rate, channels;
    };
    for (const Case c : {Case{22050, 1}, Case{44100, 2}}) {
        PcmSound pcm{c.rate, c.channels, {0, 1, -1, 32767, -32767, 258, -258, 12345}};
        const std::vector<uint8_t> bytes = WaveFileBytes(pcm);
        ASSERT_EQ(bytes.size(), 44u + 2 * pcm.samples.size());
        const ReadBackWave wave = ReadWaveBytes(bytes);
        ASSERT_EQ(wave.fault, "") << c.rate;
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.channels, c.channels);
        EXPECT_EQ(wave.rate, static_cast<uint32_t>(c.rate));
        EXPECT_EQ(wave.bits, 16);
        EXPECT_EQ(wave.blockAlign, 2 * c.channels);
        EXPECT_EQ(wave.byteRate, static_cast<uint32_t>(c.rate * 2 * c.channels));
        EXPECT_EQ(wave.samples, pcm.samples);
    }
}

TEST(Notes, NameTheirPitchesLengthsAndRepeats) {
    struct Case {
        const char* word;
        std::vector<int> keys;
        bool hit;
        double beats;
        int times;
    };
    const Case cases[] = {
        {"A4", {69}, false, 0.5, 1},       {"C4:2", {60}, false, 2, 1},     {"F#3", {54}, false, 0.5, 1},
        {"Bb2:1.5", {46}, false, 1.5, 1},  {"C4+E4+G4", {60, 64, 67}, false, 0.5, 1},
        {"r:3", {}, false, 3, 1},          {"x:0.5*8", {}, true, 0.5, 8}, {"E1*4", {28}, false, 0.5, 4},
    };
    for (const Case& c : cases) {
        Note note;
        std::string message;
        ASSERT_TRUE(ParseNote(c.word, 0.5, note, &message)) << c.word << ": " << message;
        EXPECT_EQ(note.keys, c.keys) << c.word;
        EXPECT_EQ(note.hit, c.hit) << c.word;
        EXPECT_EQ(note.beats, c.beats) << c.word;
        EXPECT_EQ(note.times, c.times) << c.word;
    }
    for (const char* bad : {"H4", "C9", "c4", "C", "C4:", "C4:0", "x*0", "C4*65", "C4+", "F#"}) {
        Note note;
        std::string message;
        EXPECT_FALSE(ParseNote(bad, 1, note, &message)) << bad;
        EXPECT_NE(message.find(bad), std::string::npos) << message;
    }
    EXPECT_DOUBLE_EQ(KeyFrequency(69), 440);
    EXPECT_NEAR(KeyFrequency(60), 261.626, 0.001);
    EXPECT_DOUBLE_EQ(KeyFrequency(81), 880);
}

TEST(Synth, AToneLastsItsStartLengthAndReleaseAndReachesItsPeak) {
    Layer tone = ToneLayer(Waveform::kSquare, 440, 0.1, 0.5);
    tone.envelope.release = 0.25;
    SoundSpec sound = Effect({tone});
    sound.peak = 0.5;
    const PcmSound pcm = RenderSound(sound);
    EXPECT_EQ(pcm.rate, 22050);
    EXPECT_EQ(pcm.channels, 1);
    EXPECT_EQ(pcm.Frames(), 2205u + 16538u);  // 0.1 s of silence, then 0.75 s
    int loudest = 0;
    for (size_t i = 0; i < pcm.samples.size(); ++i) {
        loudest = std::max(loudest, std::abs(static_cast<int>(pcm.samples[i])));
        if (i < 2205) {
            ASSERT_EQ(pcm.samples[i], 0) << "before the start, at " << i;
        }
    }
    EXPECT_NEAR(loudest, 0.5 * 32767, 1);
    EXPECT_LT(std::abs(static_cast<int>(pcm.samples.back())), loudest / 100);  // the release ends in silence
}

TEST(Synth, NoiseIsTheSameOnEveryRunAndEachLayerHasItsOwn) {
    Layer noise = ToneLayer(Waveform::kNoise, 0, 0, 0.2);
    noise.lowPass = 3000;
    SoundSpec sound = Effect({noise});
    const PcmSound first = RenderSound(sound);
    EXPECT_EQ(RenderSound(sound).samples, first.samples);
    EXPECT_GT(first.samples.size(), 4000u);

    // Two noise layers panned apart: the channels differ, so the layers do.
    Layer left = noise, right = noise;
    left.pan = -1;
    right.pan = 1;
    sound = Effect({left, right});
    sound.channels = 2;
    const PcmSound stereo = RenderSound(sound);
    size_t same = 0;
    for (size_t i = 0; i < stereo.Frames(); ++i)
        same += stereo.samples[2 * i] == stereo.samples[2 * i + 1];
    EXPECT_LT(same, stereo.Frames() / 10);
}

TEST(Synth, PanningFullyLeftLeavesTheRightChannelSilent) {
    Layer tone = ToneLayer(Waveform::kSine, 330, 0, 0.3);
    tone.pan = -1;
    SoundSpec sound = Effect({tone});
    sound.channels = 2;
    const PcmSound pcm = RenderSound(sound);
    int right = 0, left = 0;
    for (size_t i = 0; i < pcm.Frames(); ++i) {
        left = std::max(left, std::abs(static_cast<int>(pcm.samples[2 * i])));
        right = std::max(right, std::abs(static_cast<int>(pcm.samples[2 * i + 1])));
    }
    EXPECT_GT(left, 20000);
    EXPECT_EQ(right, 0);
}

// Played in a loop, the sound's last sample runs on into its first as
// smoothly as its neighbours run into each other.
TEST(Synth, ALoopIsCutToItsLengthWithoutASeam) {
    Layer tone = ToneLayer(Waveform::kSine, 437, 0, 1.2);
    tone.envelope.attack = 0.2;
    tone.envelope.release = 0.3;
    SoundSpec sound = Effect({tone});
    sound.loop = 1;
    const PcmSound pcm = RenderSound(sound);
    ASSERT_EQ(pcm.Frames(), 22050u);
    EXPECT_GT(std::abs(static_cast<int>(pcm.samples[0])) + std::abs(static_cast<int>(pcm.samples[1])), 0)
        << "the start carries the faded end";
    const int seam = std::abs(pcm.samples.front() - pcm.samples.back());
    EXPECT_LE(seam, LargestStep(pcm, 0));
}

TEST(Synth, PitchesSoundAtTheirFrequency) {
    struct Case {
        Waveform wave;
        double frequency;
    };
    for (const Case c : {Case{Waveform::kSine, 440}, Case{Waveform::kTriangle, 220}, Case{Waveform::kSquare, 330},
                         Case{Waveform::kSaw, 550}}) {
        SoundSpec sound = Effect({ToneLayer(c.wave, c.frequency, 0, 1)});
        const PcmSound pcm = RenderSound(sound);
        // Each cycle crosses from below zero to zero or above once.
        int rises = 0;
        for (size_t i = 1; i < 22050; ++i)
            rises += pcm.samples[i - 1] < 0 && pcm.samples[i] >= 0;
        EXPECT_NEAR(rises, c.frequency, 2) << static_cast<int>(c.wave);
    }
}
