#include "platform/GameOptions.h"

bool g_optShowEvents = true;
const uint32_t* g_pOptions = nullptr;
bool* g_pRunning = nullptr;

void ResetOptions() {
    g_optShowEvents = true;
    g_pOptions = nullptr;
    g_pRunning = nullptr;
}
