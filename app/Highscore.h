#pragma once

#include <string>

#include "world/HighscoreList.h"

// Where the program keeps the highscore list, read at start.
constexpr const char* kHighscorePath = "Save\\Highscore.dat";

// The file holds the twenty strings (name, club of each entry), then the
// four number tables, unscrambled. A file that is missing or ends early
// gives false and leaves `tables` as it was.
bool ReadHighscoreFile(const std::string& storedPath, HighscoreTables& tables);
// Writes beside the old file (making the folder when needed) and replaces
// it only when all went well.
bool WriteHighscoreFile(const std::string& storedPath, const HighscoreTables& tables);
