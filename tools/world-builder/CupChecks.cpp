#include "tools/world-builder/CupChecks.h"

#include <algorithm>

#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/World.h"

namespace {

CupOwnerView ViewOfContinent(const CContinent& continent) {
    CupOwnerView view;
    view.nationCount = static_cast<int>(continent.nations.size());
    view.mainClubCup = &continent.clubCup;
    for (const auto& cup : continent.clubCups)
        view.furtherCups.push_back(cup.get());
    return view;
}

CupOwnerView ViewOfNation(const CNation& nation) {
    CupOwnerView view;
    view.nationInactive = nation.IsInactive();
    for (const auto& league : nation.leagues)
        view.leagues.push_back({static_cast<int>(league->clubs.size()), league->storedClubCount});
    return view;
}

int CountNations(const CWorld& world) {
    int nations = 0;
    for (const auto& continent : world.continents)
        nations += static_cast<int>(continent->nations.size());
    return nations;
}

int FirstPlaces(const CCup& cup) { return cup.cumulativePlaces.empty() ? 0 : cup.cumulativePlaces.front(); }

void Check(std::vector<CupCheck>& checks, CCup& cup, const CupOwnerView& owner) {
    const bool passed = cup.PrepareStructure(owner);
    checks.push_back({&cup, nullptr, cup.name, cup.kind, passed});
}

// The play-offs a league makes at its season start, from its rules.
void CheckPlayoffs(std::vector<CupCheck>& checks, const CLeague& league) {
    struct Playoff {
        uint8_t flag, groupFlag;
        int participants, matches;
        const char* name;
    };
    const Playoff playoffs[] = {
        {kLeagueChampionshipPlayoff, kLeagueChampionshipPlayoffGroup, league.championshipPlayoffClubs,
         league.championshipPlayoffMatches, "championship-playoff"},
        {kLeagueRelegationPlayoff, kLeagueRelegationPlayoffGroup, league.relegationPlayoffClubs,
         league.relegationPlayoffMatches, "relegation-playoff"},
    };
    for (const Playoff& p : playoffs) {
        if (!(league.flags & p.flag))
            continue;
        CCup cup;
        const bool group = league.flags & p.groupFlag;
        SetUpPlayoffCup(cup, !group, group, p.participants, p.matches, league.playersPerMatch);
        checks.push_back({nullptr, &league, league.name + " " + p.name, kCupPlayoff, cup.TakesPlace()});
    }
}

}  // namespace

std::vector<CupCheck> CheckCupStructures(CWorld& world) {
    std::vector<CupCheck> checks;
    for (const auto& continent : world.continents) {
        const CupOwnerView owner = ViewOfContinent(*continent);
        for (const auto& cup : continent->clubCups)
            Check(checks, *cup, owner);
        Check(checks, continent->clubCup, owner);
        Check(checks, continent->superCup, owner);
        Check(checks, continent->championship, owner);
        for (const auto& nation : continent->nations) {
            if (nation->IsInactive())
                continue;
            const CupOwnerView nationOwner = ViewOfNation(*nation);
            for (const auto& cup : nation->cups)
                Check(checks, *cup, nationOwner);
            for (const auto& league : nation->leagues)
                CheckPlayoffs(checks, *league);
        }
    }
    CupOwnerView worldOwner;
    worldOwner.nationCount = CountNations(world);
    worldOwner.continentCount = static_cast<int>(world.continents.size());
    Check(checks, world.worldCup, worldOwner);

    // The olympic tournament draws on the world cup's ranking, which a new
    // game nominates first: the strongest national teams, one more than
    // either tournament's first slot holds.
    CCup nominated(kCupWorldCup);
    const int ranked = std::min(std::max(FirstPlaces(world.worldCup), FirstPlaces(world.olympia)) + 1,
                                worldOwner.nationCount);
    nominated.ranking.assign(ranked, &g_noClubTeam);
    worldOwner.worldCup = &nominated;
    Check(checks, world.olympia, worldOwner);
    return checks;
}
