#pragma once

#include "engine/Cup.h"
#include "engine/CupSources.h"

class CWorld;

// The world as its two tournaments ask it for their national teams: its
// continents and the hosts.
class WorldCupSource : public CupWorldSource {
public:
    explicit WorldCupSource(CWorld& world) : world_(world) {}

    int ContinentCount() const override;
    CupContinentSource& Continent(int index) override;
    uint16_t WorldCupHost() const override;
    uint16_t OlympicHost() const override;
    const CCup& WorldCup() const override;
    const CCup& OlympicTournament() const override;

private:
    CWorld& world_;
};

// What the structure check of the world cup and the olympic tournament
// reads of the world: the nations of all continents and the world cup.
CupOwnerView MakeCupOwnerView(const CWorld& world);
