#include "world/GameDate.h"

Date g_gameDate;

void ResetGameDate() { g_gameDate = Date(); }
