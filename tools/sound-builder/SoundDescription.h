#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What a sound is made of, as data/sounds/ describes it: layers of
// oscillators or noise, each struck one or more times, shaped by an
// envelope and mixed together.

enum class Waveform { kSine, kTriangle, kSquare, kSaw, kNoise };

// How loud a strike is over its time: up to full level in `attack`, down to
// `sustain` in `decay`, held until the strike is let go, then to silence in
// `release` (all in seconds).
struct Envelope {
    double attack = 0.005;
    double decay = 0;
    double sustain = 1;
    double release = 0.01;
};

// One sounding of a layer: from `start` for `gate` seconds, then its release.
struct Strike {
    double start = 0;
    double gate = 0;
    double frequency = 0;  // Hz; a noise layer has none
};

struct Layer {
    Waveform wave = Waveform::kSine;
    double volume = 0.5;
    double pan = 0;   // -1 left .. 1 right; a mono sound ignores it
    double bend = 0;  // semitones the pitch moves over each strike's gate
    double vibratoRate = 0;   // Hz
    double vibratoDepth = 0;  // semitones
    double tremoloRate = 0;   // Hz
    double tremoloDepth = 0;  // share of the level it takes away, 0-1
    double highPass = 0;      // Hz, 0 for none
    double lowPass = 0;       // Hz, 0 for none
    Envelope envelope;
    std::vector<Strike> strikes;
};

enum class SoundKind { kEffect, kTitle };

// The sample rates a sound may have; effects have the first unless they say
// otherwise, music titles the second.
constexpr int kEffectRate = 22050;
constexpr int kTitleRate = 44100;

struct SoundSpec {
    SoundKind kind = SoundKind::kEffect;
    std::string name;  // the file name without its type
    int rate = kEffectRate;
    int channels = 1;
    double tempo = 120;   // beats a minute, for note lists
    double peak = 0.8;    // the loudest sample, as a share of full scale
    // Seconds after which a sound played in a loop starts again; what sounds
    // past them is laid over its start. 0 for a sound played once.
    double loop = 0;
    std::vector<Layer> layers;
};

// Reads a file of sound descriptions; false with "file:line: message" for
// a fault.
bool ReadSoundFile(const std::filesystem::path& file, std::vector<SoundSpec>& sounds, std::string* error);
