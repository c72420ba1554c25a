#pragma once

#include "platform/Date.h"

// The one date of the game; weekdays, day codes and the season derive from it.
extern Date g_gameDate;
// Back to the empty date the program starts with.
void ResetGameDate();
