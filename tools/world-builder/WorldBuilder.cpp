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

constexpr int kSeasonStartMonth = 7;
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

uint8_t LeagueFlags(const LeagueSpec& spec) {
    uint8_t flags = 0;
    if (spec.professional)
        flags |= kLeagueProfessional;
    if (spec.passive)
        flags |= kLeaguePassive;
    if (spec.championshipPlayoff > 0)
        flags |= kLeagueChampionshipPlayoff | (spec.championshipPlayoffGroup ? kLeagueChampionshipPlayoffGroup : 0);
    if (spec.relegationPlayoff > 0)
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
        for (const ContinentSpec& spec : d_.continents)
            world->continents.push_back(MakeContinent(spec));
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
    void MadeCup(const CupSpec& spec, CCup& cup) {
        MakeCup(spec, cup);
        lines_[&cup] = spec.line;
    }

    std::unique_ptr<CContinent> MakeContinent(const ContinentSpec& spec) {
        auto continent = std::make_unique<CContinent>();
        continent->name = spec.name;
        continent->shortName = spec.shortName;
        for (const NationSpec& n : spec.nations)
            continent->nations.push_back(MakeNation(n));
        for (const CupSpec& cup : spec.clubCups) {
            continent->clubCups.push_back(std::make_unique<CCup>(kCupContinental));
            MadeCup(cup, *continent->clubCups.back());
        }
        MadeCup(spec.mainClubCup, continent->clubCup);
        MadeCup(spec.superCup, continent->superCup);
        MadeCup(spec.championship, continent->championship);
        if (!continent->nations.empty()) {
            const CNation& nation = *continent->nations[RandBelow(static_cast<int>(continent->nations.size()))];
            const StaffPerson president = nation.CreateRandomPerson(kPresidentCompetence, false);
            continent->president = president.firstName + " " + president.surname;
            continent->presidentBirthday = president.birthday;
        }
        return continent;
    }

    std::unique_ptr<CNation> MakeNation(const NationSpec& spec) {
        auto nation = std::make_unique<CNation>();
        nation->nationNumber = static_cast<uint16_t>(spec.number);
        for (size_t i = 0; i < spec.seasonPoints.size(); ++i)
            nation->seasonPoints[i + 1] = static_cast<uint16_t>(spec.seasonPoints[i]);
        for (size_t i = 0; i < spec.clubCounts.size(); ++i)
            nation->clubCounts[i + 1] = static_cast<uint8_t>(spec.clubCounts[i]);
        for (const LeagueSpec& league : spec.leagues)
            MakeLeague(*nation, league);
        MakeNationPeople(*nation, d_, names_);
        if (spec.hasNationalCup)
            MadeCup(spec.nationalCup, *nation->cups[CNation::kNationalCup]);
        if (spec.hasNationalSuperCup)
            MadeCup(spec.nationalSuperCup, *nation->cups[CNation::kNationalSuperCup]);
        return nation;
    }

    void MakeLeague(CNation& nation, const LeagueSpec& spec) {
        nation.leagues.push_back(std::make_unique<CLeague>());
        CLeague& league = *nation.leagues.back();
        lines_[&league] = spec.line;
        league.name = spec.name;
        league.division = static_cast<uint8_t>(spec.division);
        league.flags = LeagueFlags(spec);
        league.relegatedPlaces = static_cast<uint8_t>(spec.relegated);
        league.rounds = static_cast<uint8_t>(spec.rounds);
        league.playersPerMatch = static_cast<uint8_t>(spec.playersPerMatch);
        league.trainingUnits = static_cast<uint8_t>(spec.trainingUnits);
        league.championshipPlayoffClubs = static_cast<uint8_t>(spec.championshipPlayoff);
        league.championshipPlayoffMatches = static_cast<uint8_t>(spec.playoffMatches);
        league.relegationPlayoffClubs = static_cast<uint8_t>(spec.relegationPlayoff);
        league.relegationPlayoffMatches = static_cast<uint8_t>(spec.playoffMatches);
        league.storedClubCount = static_cast<uint8_t>(std::max(spec.storedClubs, spec.clubs));
        const LevelSpec& level = d_.levels.at(spec.level);
        for (int i = 0; i < spec.clubs; ++i) {
            league.clubs.push_back(std::make_unique<CTeam>());
            MakeClub(nation, spec, level, names_, ++clubSerial_[nation.nationNumber], *league.clubs.back());
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
