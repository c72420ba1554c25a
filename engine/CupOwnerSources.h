#pragma once

#include <cstdint>
#include <vector>

#include "engine/CupSources.h"
#include "world/Cup.h"

class CContinent;
class CNation;
class CWorld;

// The nation, the continent and the world as their cups ask them for
// clubs and national teams. Each lives only while a cup qualifies: it is
// made over the owner, which must keep its lists of nations and
// continents unchanged meanwhile.

class NationCupSource : public CupNationSource {
public:
    explicit NationCupSource(CNation& nation) : nation_(nation) {}

    int NationNumber() const override;
    CTeam* NationalTeam() override;
    int LeagueCount() const override;
    CLeague& League(int index) override;
    int LowestDivision() const override;
    const CCup* NationalCup() const override;
    // A generated club of about levelPercent of the division's strength
    // and talent, spread by spreadPercent.
    CTeam* CreateExtraTeam(int division, int levelPercent, int spreadPercent) override;
    size_t ExtraTeamCount() const override;
    void RemoveExtraTeamsFrom(size_t index) override;
    bool FillCupPlacesByTable(int first, int count, std::vector<CTeam*>& places, int index) override;
    bool FillCupPlacesByNationalCup(int first, int count, std::vector<CTeam*>& places, int index) override;

private:
    CNation& nation_;
};

class ContinentCupSource : public CupContinentSource {
public:
    explicit ContinentCupSource(CContinent& continent);

    int NationCount() const override;
    CupNationSource& Nation(int index) override;
    // Ranking also fills g_nationRankOrder.
    std::vector<int> RankNationsByCoefficient() override;
    int FindNationOfTeam(const CTeam* team) override;
    const CCup& MainClubCup() const override;
    int FurtherCupCount() const override;
    const CCup& FurtherCup(int index) const override;
    bool IsTeamInEarlierCup(const CTeam* team, const CCup& cup) const override;
    int HostNation() const override;
    const CCup& ExtraCup(int index) const override;

private:
    CContinent& continent_;
    std::vector<NationCupSource> nations_;
};

// The world as its two tournaments ask it for their national teams: its
// continents and the hosts.
class WorldCupSource : public CupWorldSource {
public:
    explicit WorldCupSource(CWorld& world);

    int ContinentCount() const override;
    CupContinentSource& Continent(int index) override;
    uint16_t WorldCupHost() const override;
    uint16_t OlympicHost() const override;
    const CCup& WorldCup() const override;
    const CCup& OlympicTournament() const override;

private:
    CWorld& world_;
    std::vector<ContinentCupSource> continents_;
};

// What the structure check of the world cup and the olympic tournament
// reads of the world: the nations of all continents and the world cup.
CupOwnerView MakeCupOwnerView(const CWorld& world);
