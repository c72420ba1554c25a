#pragma once

#include <string>
#include <vector>

// One word of a voice's note list: a pitch ("C4", "F#3", "Bb2"), pitches
// sounding together ("C4+E4+G4"), a rest ("r") or a hit of a noise voice
// ("x"), each optionally followed by its length in beats (":2", ":0.5");
// without one it lasts the voice's usual length. "*N" at the end plays it N times in a row
// ("x:0.5*8"). Octaves count from C, so A4 is 440 Hz.
struct Note {
    std::vector<int> keys;  // key numbers, 69 for A4; none for a rest or a hit
    bool hit = false;
    double beats = 1;
    int times = 1;

    bool IsRest() const { return keys.empty() && !hit; }
};

// False with a message for a word that is no note; `usualBeats` is the
// length of a note written without one.
bool ParseNote(const std::string& word, double usualBeats, Note& note, std::string* message);

// The frequency of a key number in equal temperament.
double KeyFrequency(int key);
