#pragma once

#include <array>
#include <cstdint>
#include <string>

// The ten best managers of all games played here, the best first, as the
// highscore page shows them. An entry with an empty name is unused.
constexpr int kHighscoreEntries = 10;
constexpr const char* kHighscorePath = "Save\\Highscore.dat";

struct HighscoreTables {
    std::array<std::string, kHighscoreEntries> names;  // first name, a blank, last name
    std::array<std::string, kHighscoreEntries> clubs;  // the club he managed then
    std::array<uint8_t, kHighscoreEntries> level{};    // coaching level 0-11
    std::array<uint16_t, kHighscoreEntries> score{};
    std::array<uint16_t, kHighscoreEntries> season{};  // the season's first year
    std::array<uint8_t, kHighscoreEntries> years{};    // years played
};

extern HighscoreTables g_highscores;
// Empties the tables, as before the file is read.
void ResetHighscores();

// The file holds the twenty strings (name, club of each entry), then the
// four number tables, unscrambled. A file that is missing or ends early
// gives false and leaves `tables` as it was.
bool ReadHighscoreFile(const std::string& storedPath, HighscoreTables& tables);
// Writes beside the old file (making the folder when needed) and replaces
// it only when all went well.
bool WriteHighscoreFile(const std::string& storedPath, const HighscoreTables& tables);
