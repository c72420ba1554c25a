#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

// Club crests: a shield in the club's two colours with a pattern and the
// club's initials. The world builder calls DrawCrest for its clubs; the
// artwork builder draws the clubs listed in data/crests.txt.
enum class CrestPattern { Plain, Halves, Stripes, Hoops, Quarters, Band, Pale, Chief };

struct CrestDesign {
    Colour first = 0;
    Colour second = 0;
    CrestPattern pattern = CrestPattern::Plain;
    std::string initials;  // one to three letters, code page 1252
};

constexpr int kCrestSide = 100;

Bitmap DrawCrest(const CrestDesign& design);
// "Wappen\ohne.bmp": the crest of a club without its own.
Bitmap DrawFallbackCrest();

// A crests file: one club per line, "FILE R,G,B R,G,B PATTERN INITIALS"
// (pattern by its name in lower case); '#' starts a comment. A missing file
// is an empty list; a malformed line is an error naming it.
struct CrestEntry {
    std::string file;
    CrestDesign design;
};
bool LoadCrestList(const std::filesystem::path& file, std::vector<CrestEntry>* crests, std::string* error);
