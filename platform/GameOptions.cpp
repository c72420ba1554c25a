#include "platform/GameOptions.h"

bool g_optShowEvents = true;
const uint32_t* g_pOptions = nullptr;
