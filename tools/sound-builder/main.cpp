#include <cstdio>

#include "tools/sound-builder/SoundBuilder.h"

// corvanta_sounds SOUND_DATA PROGRAM_FOLDER LAME: synthesizes the effects
// and music titles described in SOUND_DATA into the program folder; LAME is
// the MP3 encoder to run.
int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: corvanta_sounds SOUND_DATA PROGRAM_FOLDER LAME\n");
        return 2;
    }
    std::string error;
    if (!BuildGameSounds(argv[1], argv[2], argv[3], &error)) {
        std::fprintf(stderr, "corvanta_sounds: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
