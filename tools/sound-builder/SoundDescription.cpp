#include "tools/sound-builder/SoundDescription.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>

#include "tools/sound-builder/Notes.h"
#include "tools/world-builder/DescriptionLines.h"

namespace fs = std::filesystem;

namespace {

constexpr double kLongestSound = 300;  // seconds; keeps a slip of the pen from slowing the build
constexpr double kLongestStrike = 60;
constexpr double kLongestEnvelopeStep = 10;
constexpr int kMostRepeats = 100;
constexpr float kMostBeats = 2000;
constexpr double kDefaultGate = 0.9;
constexpr size_t kLongestName = 40;

const std::map<std::string, Waveform> kWaveforms = {
    {"sine", Waveform::kSine}, {"triangle", Waveform::kTriangle}, {"square", Waveform::kSquare},
    {"saw", Waveform::kSaw},   {"noise", Waveform::kNoise},
};

bool IsFileName(const std::string& name) {
    return !name.empty() && name.size() <= kLongestName &&
           std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g seconds", seconds);
    return text;
}

double SoundLength(const SoundSpec& sound) {
    double end = 0;
    for (const Layer& layer : sound.layers)
        for (const Strike& strike : layer.strikes)
            end = std::max(end, strike.start + strike.gate + layer.envelope.release);
    return end;
}

// A voice is read over several lines: its settings, then its notes.
struct PendingVoice {
    Layer layer;
    std::vector<Note> notes;
    double beat = 0;
    double noteBeats = 1;  // of a note written without a length
    int repeat = 1;
    double gate = kDefaultGate;
    int line = 0;
};

// Reads one file: an `effect` or `title` line starts a sound, the `tone`,
// `noise` and `voice` lines below it are its layers, and `notes` lines
// give the voice above them its notes.
class SoundReader {
public:
    SoundReader(std::vector<SoundSpec>& sounds, std::string* error) : sounds_(sounds), error_(error) {}

    bool Read(const fs::path& file) {
        if (!file_.Open(file, error_))
            return false;
        if (!file_.ReadAll([this](DescriptionLine& line) { return Handle(line); }, message_, error_))
            return false;
        return FinishSound();
    }

private:
    bool Say(const std::string& message) {
        message_ = message;
        return false;
    }
    bool FailAt(int line, const std::string& message) {
        *error_ = file_.WhereAt(line, message);
        message_.clear();
        return false;
    }

    bool Handle(DescriptionLine& line) {
        const std::map<std::string, std::function<bool(DescriptionLine&)>> handlers = {
            {"effect", [this](DescriptionLine& l) { return Sound(l, SoundKind::kEffect); }},
            {"title", [this](DescriptionLine& l) { return Sound(l, SoundKind::kTitle); }},
            {"tone", [this](DescriptionLine& l) { return Tone(l); }},
            {"noise", [this](DescriptionLine& l) { return Noise(l); }},
            {"voice", [this](DescriptionLine& l) { return Voice(l); }},
            {"notes", [this](DescriptionLine& l) { return Notes(l); }},
        };
        const auto it = handlers.find(line.Keyword());
        if (it == handlers.end())
            return Say("unknown keyword '" + line.Keyword() + "'");
        return it->second(line);
    }

    // A setting read as a float; the default keeps its double value.
    bool Real(DescriptionLine& line, const std::string& key, float lo, float hi, double& value) {
        const float before = static_cast<float>(value);
        float v = before;
        if (!line.TakeFloat(key, lo, hi, v, &message_))
            return false;
        if (v != before)
            value = v;
        return true;
    }

    bool Sound(DescriptionLine& line, SoundKind kind) {
        if (!FinishSound())
            return false;
        SoundSpec sound;
        sound.kind = kind;
        if (kind == SoundKind::kTitle) {
            sound.rate = kTitleRate;
            sound.channels = 2;
        }
        if (!line.TakeWord(sound.name) || !IsFileName(sound.name))
            return Say(line.Keyword() + " needs a name of letters and digits, its file's name");
        for (const SoundSpec& other : sounds_)
            if (other.kind == kind && SameName(other.name, sound.name))
                return Say(line.Keyword() + " '" + sound.name + "' is described twice");
        if (!line.TakeInt("rate", 1, 1000000, sound.rate, &message_) ||
            !line.TakeInt("channels", 1, 2, sound.channels, &message_) ||
            !Real(line, "tempo", 20, 960, sound.tempo) || !Real(line, "peak", 0.05f, 1, sound.peak) ||
            !Real(line, "loop", 0, kLongestSound, sound.loop))
            return false;
        if (sound.rate != kEffectRate && sound.rate != kTitleRate)
            return Say("rate must be " + std::to_string(kEffectRate) + " or " + std::to_string(kTitleRate));
        sounds_.push_back(sound);
        soundLine_ = file_.LineNumber();
        return true;
    }

    SoundSpec* Current(const DescriptionLine& line) {
        if (sounds_.empty() || soundLine_ == 0) {
            Say("a " + line.Keyword() + " line belongs to an effect or title above it");
            return nullptr;
        }
        return &sounds_.back();
    }

    bool Wave(DescriptionLine& line, Layer& layer, bool noiseAllowed) {
        std::string name;
        if (!line.TakeText("wave", name))
            return true;
        const auto it = kWaveforms.find(name);
        if (it == kWaveforms.end() || (it->second == Waveform::kNoise && !noiseAllowed))
            return Say(std::string("wave must be sine, triangle, square, saw") + (noiseAllowed ? " or noise" : ""));
        layer.wave = it->second;
        return true;
    }

    bool LayerSettings(DescriptionLine& line, Layer& layer) {
        Envelope& e = layer.envelope;
        return Real(line, "volume", 0, 1, layer.volume) && Real(line, "pan", -1, 1, layer.pan) &&
               Real(line, "bend", -48, 48, layer.bend) && Real(line, "vibrato", 0, 100, layer.vibratoRate) &&
               Real(line, "vibrato-depth", 0, 12, layer.vibratoDepth) &&
               Real(line, "tremolo", 0, 100, layer.tremoloRate) &&
               Real(line, "tremolo-depth", 0, 1, layer.tremoloDepth) &&
               Real(line, "high-pass", 0, 20000, layer.highPass) && Real(line, "low-pass", 0, 20000, layer.lowPass) &&
               Real(line, "attack", 0, kLongestEnvelopeStep, e.attack) &&
               Real(line, "decay", 0, kLongestEnvelopeStep, e.decay) && Real(line, "sustain", 0, 1, e.sustain) &&
               Real(line, "release", 0, kLongestEnvelopeStep, e.release);
    }

    // One strike of `length` seconds from `start=`.
    bool SingleStrike(DescriptionLine& line, Layer& layer, double frequency) {
        Strike strike;
        strike.frequency = frequency;
        if (!Real(line, "start", 0, kLongestSound, strike.start) ||
            !Real(line, "length", 0, kLongestStrike, strike.gate))
            return false;
        if (strike.gate <= 0)
            return Say(line.Keyword() + " needs length= in seconds");
        layer.strikes.push_back(strike);
        return true;
    }

    bool Tone(DescriptionLine& line) {
        SoundSpec* sound = Current(line);
        if (!sound || !FinishVoice())
            return false;
        Layer layer;
        double frequency = 0;
        if (!Wave(line, layer, false) || !LayerSettings(line, layer) || !Real(line, "freq", 0, 20000, frequency))
            return false;
        if (frequency <= 0)
            return Say("tone needs freq= in Hz");
        if (!SingleStrike(line, layer, frequency))
            return false;
        sound->layers.push_back(layer);
        return true;
    }

    bool Noise(DescriptionLine& line) {
        SoundSpec* sound = Current(line);
        if (!sound || !FinishVoice())
            return false;
        Layer layer;
        layer.wave = Waveform::kNoise;
        if (!LayerSettings(line, layer) || !SingleStrike(line, layer, 0))
            return false;
        sound->layers.push_back(layer);
        return true;
    }

    bool Voice(DescriptionLine& line) {
        if (!Current(line) || !FinishVoice())
            return false;
        PendingVoice voice;
        voice.line = file_.LineNumber();
        if (!Wave(line, voice.layer, true) || !LayerSettings(line, voice.layer) ||
            !Real(line, "beat", 0, kMostBeats, voice.beat) || !Real(line, "beats", 0.01f, 64, voice.noteBeats) ||
            !line.TakeInt("repeat", 1, kMostRepeats, voice.repeat, &message_) ||
            !Real(line, "gate", 0.05f, 1, voice.gate))
            return false;
        voice_ = voice;
        return true;
    }

    bool Notes(DescriptionLine& line) {
        if (!voice_)
            return Say("a notes line belongs to a voice above it");
        const bool noise = voice_->layer.wave == Waveform::kNoise;
        for (std::string word; line.TakeWord(word);) {
            Note note;
            if (!ParseNote(word, voice_->noteBeats, note, &message_))
                return false;
            if (noise && !note.keys.empty())
                return Say("'" + word + "': a noise voice plays x (a hit) and r (a rest), no pitches");
            if (!noise && note.hit)
                return Say("'" + word + "': x is a hit of a noise voice; this voice plays pitches");
            voice_->notes.push_back(note);
        }
        return true;
    }

    // The voice's notes, repeated, become its strikes at the sound's tempo.
    bool FinishVoice() {
        if (!voice_)
            return true;
        PendingVoice voice = std::move(*voice_);
        voice_.reset();
        if (voice.notes.empty())
            return FailAt(voice.line, "a voice needs notes lines below it");
        const double secondsPerBeat = 60 / sounds_.back().tempo;
        double time = voice.beat * secondsPerBeat;
        for (int round = 0; round < voice.repeat; ++round)
            for (const Note& note : voice.notes)
                for (int n = 0; n < note.times; ++n) {
                    const double length = note.beats * secondsPerBeat;
                    if (note.hit)
                        voice.layer.strikes.push_back({time, length * voice.gate, 0});
                    for (int key : note.keys)
                        voice.layer.strikes.push_back({time, length * voice.gate, KeyFrequency(key)});
                    time += length;
                }
        sounds_.back().layers.push_back(std::move(voice.layer));
        return true;
    }

    bool FinishSound() {
        if (soundLine_ == 0)
            return true;
        const int line = soundLine_;
        soundLine_ = 0;
        if (!FinishVoice())
            return false;
        const SoundSpec& sound = sounds_.back();
        const double length = SoundLength(sound);
        if (sound.layers.empty())
            return FailAt(line, "'" + sound.name + "' has no tone, noise or voice lines");
        if (length > kLongestSound)
            return FailAt(line, "'" + sound.name + "' lasts longer than " + Seconds(kLongestSound));
        if (sound.loop > 0 && (sound.loop >= length || sound.loop * 2 < length))
            return FailAt(line, "'" + sound.name + "': loop must lie between half its length and its length, " +
                                    Seconds(length));
        return true;
    }

    std::vector<SoundSpec>& sounds_;
    std::string* error_;
    std::string message_;
    DescriptionFile file_;
    std::optional<PendingVoice> voice_;
    int soundLine_ = 0;  // the line of the sound being read, 0 before the first
};

}  // namespace

bool ReadSoundFile(const fs::path& file, std::vector<SoundSpec>& sounds, std::string* error) {
    error->clear();
    return SoundReader(sounds, error).Read(file);
}
