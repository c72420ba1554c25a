#pragma once

#include <filesystem>
#include <string>

class CWorld;

// The pictures the world names: a crest in "Wappen\" for every league club
// (in its colours, with its shorthand) and a map in "Maps\" for every
// active nation. False with a message when a file cannot be written.
bool DrawWorldArtwork(const CWorld& world, const std::filesystem::path& programFolder, std::string* error);
