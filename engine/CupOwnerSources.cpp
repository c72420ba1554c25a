#include "engine/CupOwnerSources.h"

#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/World.h"

int NationCupSource::NationNumber() const { return nation_.nationNumber; }

CTeam* NationCupSource::NationalTeam() { return &nation_.nationalTeam; }

int NationCupSource::LeagueCount() const { return static_cast<int>(nation_.leagues.size()); }

CLeague& NationCupSource::League(int index) { return *nation_.leagues[index]; }

int NationCupSource::LowestDivision() const { return nation_.GetMaxDivision(); }

const CCup* NationCupSource::NationalCup() const { return nation_.NationalCup(); }

CTeam* NationCupSource::CreateExtraTeam(int division, int levelPercent, int spreadPercent) {
    return nation_.CreateExtraTeam(division, levelPercent, spreadPercent);
}

size_t NationCupSource::ExtraTeamCount() const { return nation_.extraTeams.size(); }

void NationCupSource::RemoveExtraTeamsFrom(size_t index) { nation_.RemoveExtraTeamsFrom(index); }

bool NationCupSource::FillCupPlacesByTable(int first, int count, std::vector<CTeam*>& places, int index) {
    return nation_.FillCupPlacesByTable(first, count, places, index);
}

bool NationCupSource::FillCupPlacesByNationalCup(int first, int count, std::vector<CTeam*>& places, int index) {
    return nation_.FillCupPlacesByNationalCup(first, count, places, index);
}

ContinentCupSource::ContinentCupSource(CContinent& continent) : continent_(continent) {
    for (const auto& nation : continent.nations)
        nations_.emplace_back(*nation);
}

int ContinentCupSource::NationCount() const { return static_cast<int>(nations_.size()); }

CupNationSource& ContinentCupSource::Nation(int index) { return nations_[index]; }

std::vector<int> ContinentCupSource::RankNationsByCoefficient() {
    continent_.RankNationsByCoefficient();
    return std::vector<int>(g_nationRankOrder.begin(), g_nationRankOrder.end());
}

int ContinentCupSource::FindNationOfTeam(const CTeam* team) { return continent_.FindNationOfTeam(team); }

const CCup& ContinentCupSource::MainClubCup() const { return continent_.clubCup; }

int ContinentCupSource::FurtherCupCount() const { return static_cast<int>(continent_.clubCups.size()); }

const CCup& ContinentCupSource::FurtherCup(int index) const { return *continent_.clubCups[index]; }

bool ContinentCupSource::IsTeamInEarlierCup(const CTeam* team, const CCup& cup) const {
    return continent_.IsTeamInEarlierCup(team, &cup);
}

int ContinentCupSource::HostNation() const { return continent_.hostNation; }

const CCup& ContinentCupSource::ExtraCup(int index) const { return continent_.extraCups[index]; }

WorldCupSource::WorldCupSource(CWorld& world) : world_(world) {
    for (const auto& continent : world.continents)
        continents_.emplace_back(*continent);
}

int WorldCupSource::ContinentCount() const { return static_cast<int>(continents_.size()); }

CupContinentSource& WorldCupSource::Continent(int index) { return continents_[index]; }

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
