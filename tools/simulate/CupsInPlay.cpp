#include "tools/simulate/CupsInPlay.h"

#include <unordered_set>

#include "engine/CupOwnerSources.h"
#include "platform/Text.h"
#include "world/Cup.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

namespace {

// Checks cups against the teams the world holds. Teams are looked up by
// address only, so a cup that kept a dissolved club is told without
// reading the club.
class CupChecker {
public:
    explicit CupChecker(const CWorld& world) {
        teams_.insert(&g_noClubTeam);
        VisitNations(world, [&](const CNation& nation) {
            teams_.insert(&nation.nationalTeam);
            for (const auto& league : nation.leagues)
                for (const auto& club : league->clubs)
                    teams_.insert(club.get());
            for (const auto& extra : nation.extraTeams)
                teams_.insert(extra.get());
        });
    }

    void Check(const CCup& cup, const CupOwnerView& owner, const std::string& owned) {
        const std::string name = owned + ", \"" + cup.name + "\"";
        if (cup.TakesPlace() && !cup.PassesStructureCheck(owner))
            faults_.push_back(name + " takes place but fails its structure check");
        CheckParticipants(cup, name);
        for (const CTeam* team : cup.ranking)
            if (!teams_.count(team))
                faults_.push_back(name + " ranks a team that is not in the world");
        for (const auto& round : cup.drawnRounds)
            for (uint16_t participant : round)
                if (participant >= cup.participants.size())
                    faults_.push_back(name + Format(" draws participant %d of %zu", participant,
                                                    cup.participants.size()));
    }

    std::vector<std::string> Faults() { return std::move(faults_); }

private:
    void CheckParticipants(const CCup& cup, const std::string& name) {
        std::unordered_set<const CTeam*> seen;
        for (const CTeam* team : cup.participants) {
            if (!teams_.count(team))
                faults_.push_back(name + " has a participant that is not in the world");
            else if (team != &g_noClubTeam && !seen.insert(team).second)
                faults_.push_back(name + " has " + team->name + " twice among its participants");
        }
    }

    std::unordered_set<const CTeam*> teams_;
    std::vector<std::string> faults_;
};

}  // namespace

std::vector<std::string> CheckCupsInPlay(const CWorld& world) {
    CupChecker checker(world);
    const CupOwnerView worldView = MakeCupOwnerView(world);
    checker.Check(world.worldCup, worldView, "the world");
    checker.Check(world.olympia, worldView, "the world");
    for (const auto& continent : world.continents) {
        const CupOwnerView continentView = continent->GetCupOwnerView();
        for (const auto& cup : continent->clubCups)
            checker.Check(*cup, continentView, continent->name);
        for (const CCup* cup : {&continent->clubCup, &continent->superCup, &continent->championship})
            checker.Check(*cup, continentView, continent->name);
        for (const CCup& cup : continent->extraCups)
            checker.Check(cup, continentView, continent->name);
        for (const auto& nation : continent->nations) {
            const CupOwnerView nationView = nation->GetCupOwnerView();
            for (const auto& cup : nation->cups)
                checker.Check(*cup, nationView, nation->nationalTeam.name);
            for (const auto& league : nation->leagues)
                for (const auto& cup : league->playoffCups)
                    checker.Check(*cup, CupOwnerView{}, nation->nationalTeam.name + ", " + league->name);
        }
    }
    return checker.Faults();
}
