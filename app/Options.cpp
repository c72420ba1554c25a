#include "app/Options.h"

bool g_optShowEvents = true;
