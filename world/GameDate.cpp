#include "world/GameDate.h"

Date g_gameDate;
