#include "tools/assets/SkinBuilder.h"

#include <fstream>

#include "tools/assets/ColourFile.h"
#include "tools/assets/Crest.h"
#include "tools/assets/FlagTable.h"
#include "tools/assets/NationMap.h"
#include "tools/assets/SkinArt.h"
#include "tools/assets/SponsorLogos.h"
#include "ui/SkinFiles.h"

namespace fs = std::filesystem;

namespace {

// The program's stored paths use backslashes; on disk they are folders.
fs::path OnDisk(const fs::path& base, std::string stored) {
    for (char& c : stored)
        if (c == '\\')
            c = '/';
    return base / stored;
}

bool Save(const Bitmap& picture, const fs::path& file, std::string* error) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (picture.IsEmpty() || !picture.SaveBmp24(file)) {
        *error = "cannot write " + file.string();
        return false;
    }
    return true;
}

// Draws every file it can, so one fault does not hide the others.
bool BuildSkin(const fs::path& skin, const FlagTable& flags, std::string* error) {
    std::string missing;
    for (const SkinFile& f : SkinBitmapFiles()) {
        const Bitmap picture = DrawSkinFile(f.name, flags);
        if (picture.IsEmpty())
            missing += std::string(missing.empty() ? "" : ", ") + f.name;
        else if (!Save(picture, skin / f.name, error))
            return false;
    }
    if (!missing.empty()) {
        *error = "no drawing for " + missing;
        return false;
    }
    std::ofstream colours(skin / kSkinColourFile, std::ios::binary);
    colours << SkinColourFileText();
    if (!colours) {
        *error = "cannot write " + (skin / kSkinColourFile).string();
        return false;
    }
    return true;
}

bool BuildCrests(const fs::path& program, const fs::path& data, std::string* error) {
    std::vector<CrestEntry> crests;
    if (!LoadCrestList(data / "crests.txt", &crests, error))
        return false;
    if (!Save(DrawFallbackCrest(), OnDisk(program, kFallbackCrestPath), error))
        return false;
    for (const CrestEntry& c : crests)
        if (!Save(DrawCrest(c.design), OnDisk(program, std::string("Wappen\\") + c.file), error))
            return false;
    return true;
}

bool BuildMaps(const fs::path& program, const fs::path& data, std::string* error) {
    std::vector<int> nations;
    if (!LoadNationMapList(data / "nation-maps.txt", &nations, error))
        return false;
    for (int n : nations)
        if (!Save(DrawNationMap(n), OnDisk(program, NationMapPath(n)), error))
            return false;
    return true;
}

bool BuildSponsors(const fs::path& program, std::string* error) {
    for (const SponsorLogo& logo : DrawSponsorLogos())
        if (!Save(logo.picture, OnDisk(program, "Sponsoren\\" + logo.file), error))
            return false;
    return true;
}

}  // namespace

bool BuildGameArtwork(const fs::path& programFolder, const fs::path& dataFolder, std::string* error) {
    FlagTable flags;
    return flags.Load(dataFolder / "flags.txt", error) &&
           BuildSkin(OnDisk(programFolder, kDefaultSkinFolder), flags, error) &&
           BuildCrests(programFolder, dataFolder, error) && BuildMaps(programFolder, dataFolder, error) &&
           BuildSponsors(programFolder, error) &&
           Save(DrawStartPicture(), OnDisk(programFolder, kStartPicturePath), error) &&
           Save(DrawFileKindIcons(), OnDisk(programFolder, kFileKindIconsPath), error);
}
