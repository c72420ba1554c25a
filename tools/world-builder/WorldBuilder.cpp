#include "tools/world-builder/WorldBuilder.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/BinaryFile.h"
#include "platform/Random.h"
#include "tools/world-builder/BuildSteps.h"
#include "tools/world-builder/CupChecks.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/World.h"

namespace {

constexpr float kPresidentCompetence = 5.0f;

// The game date while the world is made: people are born counting back
// from the season the world starts in.
class GameDateAt {
public:
    explicit GameDateAt(int year) : saved_(g_gameDate) { g_gameDate = Date(year, kSeasonStartMonth, 1); }
    ~GameDateAt() { g_gameDate = saved_; }

private:
    Date saved_;
};

uint8_t LeagueFlags(const LeaguePlan& plan) {
    uint8_t flags = 0;
    if (plan.professional)
        flags |= kLeagueProfessional;
    if (plan.passive)
        flags |= kLeaguePassive;
    if (plan.championshipPlayoff > 0)
        flags |= kLeagueChampionshipPlayoff | (plan.championshipPlayoffGroup ? kLeagueChampionshipPlayoffGroup : 0);
    if (plan.relegationPlayoff > 0)
        flags |= kLeagueRelegationPlayoff;
    return flags;
}

class WorldMaker {
public:
    explicit WorldMaker(const WorldDescription& d) : d_(d), names_(d.words) {}

    std::unique_ptr<CWorld> Make() {
        auto world = std::make_unique<CWorld>();
        world->startYear = static_cast<uint16_t>(d_.startYear);
        world->shorthand = d_.federation;
        for (const ContinentPlan& plan : d_.continents)
            world->continents.push_back(MakeContinent(plan));
        MadeCup(d_.worldCup, world->worldCup);
        MadeCup(d_.olympia, world->olympia);
        const CNation& nation = *world->continents.front()->nations.front();
        const StaffPerson president = nation.CreateRandomPerson(kPresidentCompetence, false);
        world->president = president.firstName + " " + president.surname;
        world->presidentBirthday = president.birthday;
        return world;
    }

    int LineOf(const void* object) const {
        const auto it = lines_.find(object);
        return it == lines_.end() ? 0 : it->second;
    }

private:
    void MadeCup(const CupPlan& plan, CCup& cup) {
        MakeCup(plan, cup);
        lines_[&cup] = plan.line;
    }

    std::unique_ptr<CContinent> MakeContinent(const ContinentPlan& plan) {
        auto continent = std::make_unique<CContinent>();
        continent->name = plan.name;
        continent->shortName = plan.shortName;
        for (const NationPlan& n : plan.nations)
            continent->nations.push_back(MakeNation(n));
        for (const CupPlan& cup : plan.clubCups) {
            continent->clubCups.push_back(std::make_unique<CCup>(kCupContinental));
            MadeCup(cup, *continent->clubCups.back());
        }
        MadeCup(plan.mainClubCup, continent->clubCup);
        MadeCup(plan.superCup, continent->superCup);
        MadeCup(plan.championship, continent->championship);
        if (!continent->nations.empty()) {
            const CNation& nation = *continent->nations[RandBelow(static_cast<int>(continent->nations.size()))];
            const StaffPerson president = nation.CreateRandomPerson(kPresidentCompetence, false);
            continent->president = president.firstName + " " + president.surname;
            continent->presidentBirthday = president.birthday;
        }
        return continent;
    }

    std::unique_ptr<CNation> MakeNation(const NationPlan& plan) {
        auto nation = std::make_unique<CNation>();
        nation->nationNumber = static_cast<uint16_t>(plan.number);
        for (size_t i = 0; i < plan.seasonPoints.size(); ++i)
            nation->seasonPoints[i + 1] = static_cast<uint16_t>(plan.seasonPoints[i]);
        for (size_t i = 0; i < plan.clubCounts.size(); ++i)
            nation->clubCounts[i + 1] = static_cast<uint8_t>(plan.clubCounts[i]);
        for (const LeaguePlan& league : plan.leagues)
            MakeLeague(*nation, league);
        MakeNationPeople(*nation, d_, names_);
        if (plan.hasNationalCup)
            MadeCup(plan.nationalCup, *nation->cups[CNation::kNationalCup]);
        if (plan.hasNationalSuperCup)
            MadeCup(plan.nationalSuperCup, *nation->cups[CNation::kNationalSuperCup]);
        return nation;
    }

    void MakeLeague(CNation& nation, const LeaguePlan& plan) {
        nation.leagues.push_back(std::make_unique<CLeague>());
        CLeague& league = *nation.leagues.back();
        lines_[&league] = plan.line;
        league.name = plan.name;
        league.division = static_cast<uint8_t>(plan.division);
        league.flags = LeagueFlags(plan);
        league.relegatedPlaces = static_cast<uint8_t>(plan.relegated);
        league.rounds = static_cast<uint8_t>(plan.rounds);
        league.playersPerMatch = static_cast<uint8_t>(plan.playersPerMatch);
        league.trainingUnits = static_cast<uint8_t>(plan.trainingUnits);
        league.championshipPlayoffClubs = static_cast<uint8_t>(plan.championshipPlayoff);
        league.championshipPlayoffMatches = static_cast<uint8_t>(plan.playoffMatches);
        league.relegationPlayoffClubs = static_cast<uint8_t>(plan.relegationPlayoff);
        league.relegationPlayoffMatches = static_cast<uint8_t>(plan.playoffMatches);
        league.storedClubCount = static_cast<uint8_t>(std::max(plan.storedClubs, plan.clubs));
        if (!plan.area.empty()) {
            league.areaLeft = plan.area[0];
            league.areaTop = plan.area[1];
            league.areaRight = plan.area[2];
            league.areaBottom = plan.area[3];
        }
        const LevelPlan& level = d_.levels.at(plan.level);
        for (int i = 0; i < plan.clubs; ++i) {
            league.clubs.push_back(std::make_unique<CTeam>());
            MakeClub(nation, plan, level, names_, ++clubSerial_[nation.nationNumber], *league.clubs.back());
            league.tableOrder.push_back(static_cast<uint8_t>(i + 1));
        }
    }

    const WorldDescription& d_;
    NameMaker names_;
    std::map<const void*, int> lines_;  // where each cup and league was described
    std::map<int, int> clubSerial_;
};

}  // namespace

std::unique_ptr<CWorld> BuildWorld(const WorldDescription& description, std::string* error) {
    const GameDateAt date(description.startYear);
    SeedRandom(description.seed);
    WorldMaker maker(description);
    std::unique_ptr<CWorld> world = maker.Make();
    for (const CupCheck& check : CheckCupStructures(*world)) {
        if (check.passed)
            continue;
        const int line = maker.LineOf(check.cup ? static_cast<const void*>(check.cup) : check.league);
        *error = description.file.string() + ":" + std::to_string(line) + ": the cup \"" + check.name +
                 "\" does not pass the game's structure check (its places do not fill its rounds)";
        return nullptr;
    }
    return world;
}

std::unique_ptr<CWorld> BuildWorldFromFile(const std::filesystem::path& file, std::string* error) {
    WorldDescription description;
    if (!LoadWorldDescription(file, &description, error))
        return nullptr;
    return BuildWorld(description, error);
}

std::vector<uint8_t> WorldFileBytes(const CWorld& world) {
    MemoryFile file;
    world.Write(file, 0);
    return file.Bytes();
}

std::unique_ptr<CWorld> MakeFixtureWorld() {
    std::string error;
    std::unique_ptr<CWorld> world =
        BuildWorldFromFile(std::filesystem::path(CORVANTA_WORLD_DATA_DIR) / "fixture.txt", &error);
    if (!world) {
        std::fprintf(stderr, "the fixture world cannot be built: %s\n", error.c_str());
        std::abort();
    }
    return world;
}
