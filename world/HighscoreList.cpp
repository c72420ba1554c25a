#include "world/HighscoreList.h"

HighscoreTables g_highscores;

void ResetHighscores() { g_highscores = {}; }
