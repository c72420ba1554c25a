#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/BinaryFile.h"
#include "tools/world-builder/WorldArtwork.h"
#include "tools/world-builder/WorldBuilder.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

bool WriteWorldFile(const CWorld& world, const fs::path& file, std::string* error) {
    std::unique_ptr<DiskFile> out = DiskFile::OpenWrite(file.string());
    if (!out || !world.Write(*out, 0) || !out->Commit()) {
        *error = "cannot write " + file.string();
        return false;
    }
    return true;
}

}  // namespace

// corvanta_world DESCRIPTION PROGRAM_FOLDER: builds the world the
// description holds and writes it as "Welt.kwl" into the program folder,
// with the crests of its clubs and the maps of its active nations.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: corvanta_world DESCRIPTION PROGRAM_FOLDER\n");
        return 2;
    }
    const fs::path program = argv[2];
    std::string error;
    std::error_code ec;
    fs::create_directories(program, ec);
    const std::unique_ptr<CWorld> world = BuildWorldFromFile(argv[1], &error);
    if (!world || !WriteWorldFile(*world, program / "Welt.kwl", &error) ||
        !DrawWorldArtwork(*world, program, &error)) {
        std::fprintf(stderr, "corvanta_world: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
