#include "tools/world-builder/WorldArtwork.h"

#include "tools/assets/Crest.h"
#include "tools/assets/NationMap.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Team.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

constexpr int kCrestPatterns = 8;
constexpr size_t kMaxInitials = 3;

bool Save(const Bitmap& picture, const fs::path& file, std::string* error) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (!picture.SaveBmp24(file)) {
        *error = "cannot write " + file.string();
        return false;
    }
    return true;
}

// The game's stored paths use backslashes; on disk they are folders.
fs::path OnDisk(const fs::path& base, std::string stored) {
    for (char& c : stored)
        if (c == '\\')
            c = '/';
    return base / stored;
}

// The pattern follows from the club's name, so it stays from build to build.
CrestDesign DesignOf(const CTeam& club) {
    CrestDesign design;
    design.first = club.homeColour;
    design.second = club.awayColour;
    unsigned hash = 0;
    for (unsigned char c : club.name)
        hash = hash * 31 + c;
    design.pattern = static_cast<CrestPattern>(hash % kCrestPatterns);
    design.initials = club.shorthand.substr(0, kMaxInitials);
    return design;
}

}  // namespace

bool DrawWorldArtwork(const CWorld& world, const fs::path& programFolder, std::string* error) {
    for (const auto& continent : world.continents)
        for (const auto& nation : continent->nations) {
            if (!nation->IsInactive() &&
                !Save(DrawNationMap(nation->nationNumber), OnDisk(programFolder, NationMapPath(nation->nationNumber)),
                      error))
                return false;
            for (const auto& league : nation->leagues)
                for (const auto& club : league->clubs)
                    if (!Save(DrawCrest(DesignOf(*club)), OnDisk(programFolder, "Wappen\\" + club->logoFile), error))
                        return false;
        }
    return true;
}
