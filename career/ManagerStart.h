#pragma once

#include "world/WorldRef.h"

class CWorld;

// Gives the manager the club and the national team that two world
// references name (0 names no national team). A club reference that names
// no club leaves him without one, placed in the nation with the most clubs
// in leagues that play. True when the club was found.
bool AssignManagerTeams(CWorld& world, WorldRef club, WorldRef nationalTeam);

// The start of a new manager's career, the one way into a new game: a fresh
// career, his teams, and the first rows of his career history (the club's,
// also while he has none, and the national team's when he has one).
bool StartManagerCareer(CWorld& world, WorldRef club, WorldRef nationalTeam);
