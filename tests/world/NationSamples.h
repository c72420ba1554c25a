#pragma once

#include <memory>
#include <string>

#include "world/Cup.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Referee.h"
#include "world/Sponsor.h"
#include "world/Team.h"

// Small nations and leagues for the nation and continent tests.

inline std::unique_ptr<CPlayer> SamplePlayer(const std::string& first, const std::string& last, int strength) {
    auto p = std::make_unique<CPlayer>();
    p->firstName = first;
    p->lastName = last;
    p->strengthTalent = static_cast<uint8_t>(strength << 4 | 2);
    return p;
}

// A club whose squad has the given strength class.
inline std::unique_ptr<CTeam> SampleClub(const std::string& name, int strength, int players = 3) {
    auto club = std::make_unique<CTeam>();
    club->name = name;
    for (int i = 0; i < players; ++i)
        club->squad.push_back(SamplePlayer("First" + name, "Last" + name, strength));
    return club;
}

// A league of n clubs "C0".."Cn-1" in table order.
inline std::unique_ptr<CLeague> SampleLeague(int division, int clubs, uint8_t flags = kLeagueProfessional) {
    auto league = std::make_unique<CLeague>();
    league->division = static_cast<uint8_t>(division);
    league->flags = flags;
    league->name = "division " + std::to_string(division);
    for (int i = 0; i < clubs; ++i) {
        league->clubs.push_back(SampleClub("C" + std::to_string(i), 5));
        league->tableOrder.push_back(static_cast<uint8_t>(i + 1));
    }
    return league;
}

inline std::unique_ptr<CSponsor> SampleSponsor(const std::string& name, int level) {
    auto s = std::make_unique<CSponsor>();
    s->name = name;
    s->financialSituation = static_cast<uint8_t>(level);
    return s;
}

// Every part of the nation's record filled with something of its own.
inline void FillNation(CNation& n) {
    n.nationNumber = 34;
    n.leagues.push_back(SampleLeague(1, 4));
    n.leagues.push_back(SampleLeague(2, 3));
    n.extraTeams.push_back(SampleClub("Extra", 3));
    n.freePlayers.push_back(SamplePlayer("Free", "Agent", 4));
    n.dissolvedTeamNames = {"TSV Alt", "SC Gone"};
    auto referee = std::make_unique<CReferee>();
    referee->names = {"Ref", "Eree"};
    referee->competence = 7;
    n.referees.push_back(std::move(referee));
    n.sponsors.push_back(SampleSponsor("Bank", 6));
    n.sponsors.push_back(SampleSponsor("Bakery", 1));
    n.seasonPoints = {11, 22, 33, 44};
    n.clubCounts = {2, 3, 4, 5};
    n.nationalTeam.coachFirstName = "Nat";
    n.nationalTeam.coachSurname = "Coach";
    n.nationalTeam.coachBirthday = 0x07B00505;
    n.nationalTeam.coachCode = 0x38;
    n.nationalTeam.name = "Germany";
    n.nationalTeam.shorthand = "GER";
    n.nationalTeam.captains = {1, 2};
    n.nationalTeam.penaltyTakers = {3};
    n.nationalTeam.lineup[0] = 4;
    n.nationalTeam.titles = {1, 2, 3, 4, 5, 6, 7};
    n.nationalTeam.teamSpirit = 120;
    n.nationalTeam.logoFile = "ger.bmp";
    n.nationalTeam.arena.SetName("National Hall");
    n.president = "Pres Ident";
    n.presidentBirthday = 0x07A00A0B;
    n.shorthand = "DHB";
    n.coachPool = {{"Cora", "Coach", 0x07B80101, 0x25}, {"Carl", "Trainer", 0x07B90202, 0x07}};
    n.managerPool = {{"Mia", "Manager", 0x07BA0303, 0x04}};
    n.keeperCoachPool = {{"Kai Keeper", 6}};
    n.cups[CNation::kNationalCup]->name = "national cup";
    n.cups.push_back(std::make_unique<CCup>(kCupPlayoff));
    n.cups.back()->name = "championship-playoff";
}
