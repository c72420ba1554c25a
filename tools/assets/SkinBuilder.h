#pragma once

#include <filesystem>
#include <string>

// Draws everything the game shows that is not text into the program folder:
// the default skin with its colour file, the fallback crest and the crests
// of data/crests.txt, the sponsor logos, the nation maps of
// data/nation-maps.txt and the start picture. False with a message when a
// source cannot be read or a file cannot be written.
bool BuildGameArtwork(const std::filesystem::path& programFolder, const std::filesystem::path& dataFolder,
                      std::string* error);
