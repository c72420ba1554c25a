#include "tools/simulate/QualifierReport.h"

#include <algorithm>
#include <ostream>

#include "platform/Text.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/Nation.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

bool Contains(const std::vector<const CTeam*>& teams, const CTeam* team) {
    return std::find(teams.begin(), teams.end(), team) != teams.end();
}

// The organiser's national team, null when the tournament has no extra
// place for it or its host names no nation.
const CTeam* ChampionshipHost(const CContinent& continent) {
    if (!(continent.championship.flags & kCupExtraPlace) || continent.hostNation >= continent.nations.size())
        return nullptr;
    return &continent.nations[continent.hostNation]->nationalTeam;
}

const CTeam* WorldCupHost(const CWorld& world) {
    const size_t c = world.worldCupHost >> CWorld::kHostContinentShift;
    const size_t n = world.worldCupHost & CWorld::kHostNationMask;
    if (!(world.worldCup.flags & kCupExtraPlace) || c >= world.continents.size() ||
        n >= world.continents[c]->nations.size())
        return nullptr;
    return &world.continents[c]->nations[n]->nationalTeam;
}

// Who plays the tournament without qualification: the championship's
// best of last time, the world cup's last winner, and the organiser.
std::vector<const CTeam*> DirectEntrants(const CWorld& world, const CContinent& continent, bool worldCup) {
    const CCup& tournament = worldCup ? world.worldCup : continent.championship;
    const size_t lastBest = worldCup ? std::min(tournament.GetQualificationPlaces(0), 1)
                                     : static_cast<size_t>(tournament.GetQualificationPlaces(0));
    std::vector<const CTeam*> direct(tournament.ranking.begin(),
                                     tournament.ranking.begin() + std::min(lastBest, tournament.ranking.size()));
    direct.push_back(worldCup ? WorldCupHost(world) : ChampionshipHost(continent));
    return direct;
}

std::string NameOf(const CTeam* team) { return team ? team->name : std::string("nobody"); }

}  // namespace

QualifierReport MakeQualifierReport(const CWorld& world, int seasonYear) {
    QualifierReport report;
    report.seasonYear = seasonYear;
    const size_t played = CContinent::QualificationPlayedIn(seasonYear);
    for (const auto& continent : world.continents) {
        ContinentQualifiers entry{continent->name, {}, {}};
        const CCup& cup = continent->extraCups[played];
        if (cup.TakesPlace()) {
            entry.cup = cup.name;
            const size_t places = static_cast<size_t>(cup.GetQualificationPlaces(0));
            if (!cup.HasFinished())
                report.faults.push_back(cup.name + " did not finish");
            else if (cup.ranking.size() < places)
                report.faults.push_back(cup.name + Format(" sends %zu teams, not %zu", cup.ranking.size(), places));
            entry.teams.assign(cup.ranking.begin(), cup.ranking.begin() + std::min(places, cup.ranking.size()));
        }
        report.continents.push_back(std::move(entry));
    }
    return report;
}

void PrintQualifierReport(std::ostream& out, const QualifierReport& report) {
    out << Format("Qualifiers of %d/%02d\n", report.seasonYear, (report.seasonYear + 1) % 100);
    for (const ContinentQualifiers& entry : report.continents) {
        out << "  " << Cp1252ToUtf8(entry.continent) << ": ";
        if (entry.cup.empty()) {
            out << "no qualification\n";
            continue;
        }
        std::string teams;
        for (const CTeam* team : entry.teams)
            teams += (teams.empty() ? "" : ", ") + NameOf(team);
        out << Cp1252ToUtf8(entry.cup + " - " + teams) << "\n";
    }
    for (const std::string& fault : report.faults)
        out << "FAULT: " << Cp1252ToUtf8(fault) << "\n";
}

std::vector<std::string> CheckQualifiedTournaments(const CWorld& world, const QualifierReport& report) {
    std::vector<std::string> faults;
    const bool worldCup = IsWorldCupSeason(report.seasonYear + 1);
    for (size_t c = 0; c < report.continents.size() && c < world.continents.size(); ++c) {
        const ContinentQualifiers& sent = report.continents[c];
        if (sent.cup.empty())
            continue;
        const CContinent& continent = *world.continents[c];
        const CCup& tournament = worldCup ? world.worldCup : continent.championship;
        if (!tournament.TakesPlace()) {
            faults.push_back(tournament.name + " does not take place, though " + sent.cup + " was played");
            continue;
        }
        const std::vector<const CTeam*> direct = DirectEntrants(world, continent, worldCup);
        std::vector<const CTeam*> playing;
        for (const CTeam* team : tournament.participants) {
            int nation;
            if (continent.FindNationOfNationalTeam(team, nation))
                playing.push_back(team);
        }
        for (const CTeam* team : sent.teams)
            if (!Contains(playing, team))
                faults.push_back(NameOf(team) + " qualified in " + sent.cup + " but does not play " + tournament.name);
        for (const CTeam* team : playing)
            if (!Contains(sent.teams, team) && !Contains(direct, team))
                faults.push_back(NameOf(team) + " plays " + tournament.name + " without qualifying in " + sent.cup);
    }
    return faults;
}
