#include "world/WorldCupSource.h"

#include "world/Continent.h"
#include "world/World.h"

int WorldCupSource::ContinentCount() const { return static_cast<int>(world_.continents.size()); }

CupContinentSource& WorldCupSource::Continent(int index) { return *world_.continents[index]; }

uint16_t WorldCupSource::WorldCupHost() const { return world_.worldCupHost; }

uint16_t WorldCupSource::OlympicHost() const { return world_.olympicHost; }

const CCup& WorldCupSource::WorldCup() const { return world_.worldCup; }

const CCup& WorldCupSource::OlympicTournament() const { return world_.olympia; }

CupOwnerView MakeCupOwnerView(const CWorld& world) {
    CupOwnerView view;
    for (const auto& continent : world.continents)
        view.nationCount += static_cast<int>(continent->nations.size());
    view.continentCount = static_cast<int>(world.continents.size());
    view.worldCup = &world.worldCup;
    return view;
}
