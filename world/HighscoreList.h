#pragma once

#include <array>
#include <cstdint>
#include <string>

// The ten best managers of all games played here, the best first. The
// game menu shows them and a season's end may enter the manager; the
// program reads and writes them with its options (app/Highscore.h). An
// entry of level 0 is unused.
constexpr int kHighscoreEntries = 10;

struct HighscoreTables {
    std::array<std::string, kHighscoreEntries> names;  // first name, a blank, last name
    std::array<std::string, kHighscoreEntries> clubs;  // the club he managed then
    std::array<uint8_t, kHighscoreEntries> level{};    // coaching level 0-11
    std::array<uint16_t, kHighscoreEntries> score{};   // the evaluation's total, in percent
    std::array<uint16_t, kHighscoreEntries> season{};  // the season's first year
    std::array<uint8_t, kHighscoreEntries> years{};    // years played
};

extern HighscoreTables g_highscores;
// Empties the tables, as before the file is read.
void ResetHighscores();
