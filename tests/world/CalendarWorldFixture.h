#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "world/Continent.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

// A small world for the calendar steps: continents of nations numbered from
// 1, each with leagues of clubs whose players belong to the nation, two per
// position with strength classes that fall from club to club. The manager
// looks at the world; the end of the test takes him out of it again.

inline std::unique_ptr<CPlayer> MakeCalendarPlayer(int nationality, int position, int strength) {
    auto p = std::make_unique<CPlayer>();
    p->nationality = static_cast<uint16_t>(nationality);
    p->positions = static_cast<uint8_t>(position);
    p->strengthTalent = static_cast<uint8_t>(strength << 4 | 1);
    p->firstName = "Player";
    p->lastName = std::to_string(nationality) + "-" + std::to_string(position) + "-" + std::to_string(strength);
    return p;
}

struct CalendarWorldSize {
    int continents = 1;
    int nations = 2;
    int leagues = 1;
    int clubs = 6;
    int playersPerPosition = 2;
};

struct CalendarWorld {
    CWorld world;

    explicit CalendarWorld(const CalendarWorldSize& size = {}) {
        g_manager.world = &world;
        int number = 0;
        for (int c = 0; c < size.continents; ++c) {
            auto continent = std::make_unique<CContinent>();
            continent->name = "Continent " + std::to_string(c);
            for (int n = 0; n < size.nations; ++n)
                continent->nations.push_back(MakeNation(++number, size));
            world.continents.push_back(std::move(continent));
        }
    }

    CNation& Nation(int continent, int nation) { return *world.continents[continent]->nations[nation]; }
    CLeague& League(int continent, int nation, int league = 0) { return *Nation(continent, nation).leagues[league]; }

    // The user manages this club of the first league of continent 0.
    void ManageClub(int nation, int club) {
        g_manager.continent = world.continents[0].get();
        g_manager.nation = &Nation(0, nation);
        g_manager.league = &League(0, nation);
        g_manager.club = g_manager.league->clubs[club].get();
        g_manager.nationalTeam = &g_noClubTeam;
    }

private:
    static std::unique_ptr<CNation> MakeNation(int number, const CalendarWorldSize& size) {
        auto nation = std::make_unique<CNation>();
        nation->nationNumber = static_cast<uint16_t>(number);
        nation->nationalTeam.name = "Nation " + std::to_string(number);
        for (int l = 0; l < size.leagues; ++l) {
            auto league = std::make_unique<CLeague>();
            league->division = static_cast<uint8_t>(l + 1);
            league->name = "League " + std::to_string(number) + "." + std::to_string(l + 1);
            for (int t = 0; t < size.clubs; ++t) {
                auto club = std::make_unique<CTeam>();
                club->name = "Club " + std::to_string(number) + "." + std::to_string(l + 1) + "." + std::to_string(t + 1);
                for (int position = 0; position < 7; ++position)
                    for (int k = 0; k < size.playersPerPosition; ++k)
                        club->squad.push_back(MakeCalendarPlayer(number, position, std::max(1, 12 - t - l * 3 - k)));
                league->clubs.push_back(std::move(club));
                league->tableOrder.push_back(static_cast<uint8_t>(t + 1));
            }
            nation->leagues.push_back(std::move(league));
        }
        return nation;
    }
};
