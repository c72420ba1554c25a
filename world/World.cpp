#include "world/World.h"

#include "world/Continent.h"
#include "world/Match.h"

CWorld::CWorld() : worldCup(kCupWorldCup), olympia(kCupOlympia) {}

CWorld::~CWorld() = default;

void CWorld::Clear() {
    continents.clear();
    for (CCup* cup : {&worldCup, &olympia}) {
        cup->DeleteRoundRecords();
        cup->DeleteRounds();
        cup->matches.clear();
    }
}
