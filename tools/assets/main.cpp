#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/assets/SkinBuilder.h"

// corvanta_assets PROGRAM_FOLDER DATA_FOLDER: draws the default skin, its
// colour file, the crests, sponsor logos and nation maps into the program
// folder.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: corvanta_assets PROGRAM_FOLDER DATA_FOLDER\n");
        return 2;
    }
    std::string error;
    if (!BuildGameArtwork(argv[1], argv[2], &error)) {
        std::fprintf(stderr, "corvanta_assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
