#pragma once

#include <string>
#include <vector>

class CWorld;

// Every cup of the world, the qualification cups and the leagues' play-offs
// included, as a season leaves it: a cup that takes place still passes its
// structure check against its owner as the owner now stands; its
// participants and last season's ranking name teams of the world (clubs of
// the leagues or outside them, national teams, or the empty place), no
// club twice among the participants; its drawn rounds name participants.
// Each broken rule gives a line that names the cup.
std::vector<std::string> CheckCupsInPlay(const CWorld& world);
