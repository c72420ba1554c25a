#pragma once

#include "world/Manager.h"

// Takes the manager out of the world a test built for him, so no later
// test follows his pointers into a world that is gone.
inline void ForgetManagerPlaces() {
    g_manager.world = nullptr;
    g_manager.continent = nullptr;
    g_manager.nation = nullptr;
    g_manager.league = nullptr;
    g_manager.club = nullptr;
    g_manager.nationalTeam = nullptr;
}
