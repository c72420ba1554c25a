#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/CupSources.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Team.h"

// A small world for the cups' qualification: nations with leagues in table
// order, clubs made up on demand, national teams, continents with their
// club cups and qualification cups, and the world's two tournaments.

inline std::unique_ptr<CTeam> MakeNamedTeam(const std::string& name) {
    auto team = std::make_unique<CTeam>();
    team->name = name;
    return team;
}

class FixtureNation : public CupNationSource {
public:
    FixtureNation(int number, const std::string& name) : number_(number), name_(name) {
        nationalTeam.name = name;
    }

    // A league of the division whose table is its club order.
    CLeague& AddLeague(int division, int clubs) {
        auto league = std::make_unique<CLeague>();
        league->division = static_cast<uint8_t>(division);
        for (int i = 0; i < clubs; ++i) {
            league->clubs.push_back(MakeNamedTeam(name_ + " " + std::to_string(division) + "." + std::to_string(i + 1)));
            league->tableOrder.push_back(static_cast<uint8_t>(i + 1));
        }
        leagues.push_back(std::move(league));
        return *leagues.back();
    }
    CTeam* Club(int league, int place) { return leagues[league]->clubs[place].get(); }

    int NationNumber() const override { return number_; }
    CTeam* NationalTeam() override { return &nationalTeam; }
    int LeagueCount() const override { return static_cast<int>(leagues.size()); }
    CLeague& League(int index) override { return *leagues[index]; }
    int LowestDivision() const override {
        int lowest = 0;
        for (const auto& league : leagues)
            lowest = std::max<int>(lowest, league->division);
        return lowest;
    }
    const CCup* NationalCup() const override { return nationalCup; }

    CTeam* CreateExtraTeam(int division, int, int) override {
        if (extraTeams.size() >= extraTeamLimit)
            return nullptr;
        extraTeams.push_back(MakeNamedTeam(name_ + " extra " + std::to_string(division)));
        return extraTeams.back().get();
    }
    size_t ExtraTeamCount() const override { return extraTeams.size(); }
    void RemoveExtraTeamsFrom(size_t index) override {
        if (index < extraTeams.size())
            extraTeams.resize(index);
    }

    // Table places counted over the leagues from the top division down.
    bool FillCupPlacesByTable(int first, int count, std::vector<CTeam*>& places, int index) override {
        std::vector<CTeam*> table;
        for (int division = 0; division < 256; ++division)
            for (const auto& league : leagues)
                if (league->division == division)
                    for (uint8_t entry : league->tableOrder)
                        table.push_back(league->clubs[entry - 1].get());
        return Fill(table, first, count, places, index);
    }
    bool FillCupPlacesByNationalCup(int first, int count, std::vector<CTeam*>& places, int index) override {
        return Fill(nationalCup ? nationalCup->ranking : std::vector<CTeam*>{}, first, count, places, index);
    }

    CTeam nationalTeam;
    std::vector<std::unique_ptr<CLeague>> leagues;
    std::vector<std::unique_ptr<CTeam>> extraTeams;
    size_t extraTeamLimit = 100;
    const CCup* nationalCup = nullptr;

private:
    bool Fill(const std::vector<CTeam*>& from, int first, int count, std::vector<CTeam*>& places, int index) {
        for (int k = 0; k < count; ++k, ++index) {
            CTeam* team = first + k < static_cast<int>(from.size()) ? from[first + k] : CreateExtraTeam(1, 100, 70);
            if (!team || index >= static_cast<int>(places.size()))
                return false;
            places[index] = team;
        }
        return true;
    }

    int number_;
    std::string name_;
};

class FixtureContinent : public CupContinentSource {
public:
    FixtureContinent() : mainCup(kCupContinental) {}

    FixtureNation& AddNation(int number, const std::string& name) {
        nations.push_back(std::make_unique<FixtureNation>(number, name));
        rankOrder.push_back(static_cast<int>(rankOrder.size()));
        return *nations.back();
    }
    CCup& AddFurtherCup() {
        furtherCups.push_back(std::make_unique<CCup>(kCupContinental));
        return *furtherCups.back();
    }

    int NationCount() const override { return static_cast<int>(nations.size()); }
    CupNationSource& Nation(int index) override { return *nations[index]; }
    std::vector<int> RankNationsByCoefficient() override { return rankOrder; }
    int FindNationOfTeam(const CTeam* team) override {
        for (size_t n = 0; n < nations.size(); ++n) {
            for (const auto& league : nations[n]->leagues) {
                int number;
                if (league->FindTeam(team, number))
                    return static_cast<int>(n);
            }
            for (const auto& extra : nations[n]->extraTeams)
                if (extra.get() == team)
                    return static_cast<int>(n);
        }
        return -1;
    }
    const CCup& MainClubCup() const override { return mainCup; }
    int FurtherCupCount() const override { return static_cast<int>(furtherCups.size()); }
    const CCup& FurtherCup(int index) const override { return *furtherCups[index]; }
    bool IsTeamInEarlierCup(const CTeam* team, const CCup& cup) const override {
        for (const auto& other : furtherCups) {
            if (other.get() == &cup)
                return false;
            int index;
            if (other->FindParticipant(team, index))
                return true;
        }
        return false;
    }
    int HostNation() const override { return host; }
    const CCup& ExtraCup(int index) const override { return extraCups[index]; }

    CupOwnerView View() const {
        CupOwnerView view;
        view.nationCount = NationCount();
        view.mainClubCup = &mainCup;
        for (const auto& cup : furtherCups)
            view.furtherCups.push_back(cup.get());
        return view;
    }

    std::vector<std::unique_ptr<FixtureNation>> nations;
    std::vector<int> rankOrder;
    CCup mainCup;
    std::vector<std::unique_ptr<CCup>> furtherCups;
    CCup extraCups[2];
    int host = 0;
};

class FixtureWorld : public CupWorldSource {
public:
    FixtureWorld() : worldCup(kCupWorldCup), olympia(kCupOlympia) {}

    FixtureContinent& AddContinent() {
        continents.push_back(std::make_unique<FixtureContinent>());
        return *continents.back();
    }

    int ContinentCount() const override { return static_cast<int>(continents.size()); }
    CupContinentSource& Continent(int index) override { return *continents[index]; }
    uint16_t WorldCupHost() const override { return worldCupHost; }
    uint16_t OlympicHost() const override { return olympicHost; }
    const CCup& WorldCup() const override { return worldCup; }
    const CCup& OlympicTournament() const override { return olympia; }

    std::vector<std::unique_ptr<FixtureContinent>> continents;
    CCup worldCup;
    CCup olympia;
    uint16_t worldCupHost = 0xFFFF;
    uint16_t olympicHost = 0xFFFF;
};
