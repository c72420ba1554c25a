#include "tools/sound-builder/Notes.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kKeyA4 = 69;
constexpr double kFrequencyA4 = 440;
constexpr int kSemitonesPerOctave = 12;
constexpr int kLowestOctave = 0;
constexpr int kHighestOctave = 8;
constexpr double kMostBeats = 64;
constexpr int kMostTimes = 64;

// Semitones of the letters A-G above the octave's C.
constexpr int kLetterSemitones[] = {9, 11, 0, 2, 4, 5, 7};

bool ParsePitch(const std::string& text, int& key) {
    if (text.size() < 2 || text[0] < 'A' || text[0] > 'G')
        return false;
    int semitone = kLetterSemitones[text[0] - 'A'];
    size_t pos = 1;
    if (text[pos] == '#' || text[pos] == 'b')
        semitone += text[pos++] == '#' ? 1 : -1;
    if (pos + 1 != text.size() || text[pos] < '0' + kLowestOctave || text[pos] > '0' + kHighestOctave)
        return false;
    const int octave = text[pos] - '0';
    key = (octave + 1) * kSemitonesPerOctave + semitone;
    return true;
}

bool ParseBeats(const std::string& text, double& beats) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value > 0) || value > kMostBeats)
        return false;
    beats = value;
    return true;
}

bool ParseTimes(const std::string& text, int& times) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    times = std::atoi(text.c_str());
    return times >= 1 && times <= kMostTimes;
}

}  // namespace

bool ParseNote(const std::string& word, double usualBeats, Note& note, std::string* message) {
    note = Note{};
    note.beats = usualBeats;
    const size_t star = word.find('*');
    if (star != std::string::npos && !ParseTimes(word.substr(star + 1), note.times)) {
        *message = "'" + word + "': the count after '*' must be a whole number from 1 to 64";
        return false;
    }
    const std::string played = word.substr(0, star);
    const size_t colon = played.find(':');
    const std::string sound = played.substr(0, colon);
    if (colon != std::string::npos && !ParseBeats(played.substr(colon + 1), note.beats)) {
        *message = "'" + word + "': the length after ':' must be a number of beats above 0 and at most 64";
        return false;
    }
    if (sound == "r")
        return true;
    if (sound == "x") {
        note.hit = true;
        return true;
    }
    for (size_t start = 0;;) {
        const size_t plus = sound.find('+', start);
        int key = 0;
        if (!ParsePitch(sound.substr(start, plus - start), key)) {
            *message = "'" + word + "' is no note: write a pitch A-G, maybe # or b, and an octave 0-8 (C4, F#3, "
                       "Bb2), pitches joined by +, r for a rest or x for a hit";
            return false;
        }
        note.keys.push_back(key);
        if (plus == std::string::npos)
            return true;
        start = plus + 1;
    }
}

double KeyFrequency(int key) {
    return kFrequencyA4 * std::pow(2.0, static_cast<double>(key - kKeyA4) / kSemitonesPerOctave);
}
