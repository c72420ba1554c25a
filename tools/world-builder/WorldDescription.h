#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The readable description of a world (data/world/*.txt): its continents,
// nations, leagues and their rules, the cups of every kind, coefficients,
// the strength of the clubs by league level, the pools, and the words the
// made-up names are built from. The world builder makes a CWorld of it.

// One qualification slot of a cup: its places and the round they enter.
struct SlotPlan {
    int places = 0;
    int entryRound = 1;
};

struct CupPlan {
    std::string name;
    int rounds = 1;
    int legs = 1;
    int groupRound = 0;  // 0 = none
    int groups = 1;
    int teamsPerGroup = 4;
    int groupLegs = 2;
    int sheetSize = 12;
    bool extraPlace = false;  // the titleholder's or the organiser's
    std::vector<SlotPlan> slots;
    std::vector<int> roundPoints;   // continental club cups
    std::vector<int> secondStage;   // championships: going on, groups, teams per group
    int line = 0;  // where it was described
};

// What the clubs of a league level are drawn around.
struct LevelPlan {
    float strength = 5;      // strength class centre
    int strengthSpread = 2;
    float talent = 1.5f;     // talent centre, 0-3
    float talentSpread = 0.8f;
    int arenaPlaces = 1000;  // the arena is grown until it holds this many
    int capital = 100000;    // euros
    int fans = 3;            // most fans 0-6; the amount starts one below
    int scoreBoard = 0;      // 0-4
    int staff = 5;           // competence of coach, manager and goalkeeper coach
};

struct LeaguePlan {
    std::string name;
    int division = 1;
    int clubs = 0;
    int level = 0;  // the LevelPlan of its clubs; 0 takes the division
    bool professional = false;
    bool passive = false;
    int storedClubs = 0;  // a passive league's field
    int relegated = 0;
    int rounds = 2;
    int playersPerMatch = 12;
    int trainingUnits = 13;
    int championshipPlayoff = 0;  // participants; 0 none
    bool championshipPlayoffGroup = false;
    int relegationPlayoff = 0;    // participants; 0 none
    int playoffMatches = 2;
    // The league's region on the nation map: left, top, right, bottom;
    // empty for the whole map.
    std::vector<int> area;
    int line = 0;
};

struct NationPlan {
    int number = 0;
    std::vector<int> seasonPoints;  // the three finished seasons, newest first
    std::vector<int> clubCounts;
    std::vector<LeaguePlan> leagues;
    CupPlan nationalCup;
    CupPlan nationalSuperCup;
    bool hasNationalCup = false;
    bool hasNationalSuperCup = false;
    int line = 0;

    bool IsActive() const;
};

struct ContinentPlan {
    std::string name;
    std::string shortName;
    std::vector<NationPlan> nations;
    std::vector<CupPlan> clubCups;  // the further cups, in order
    CupPlan mainClubCup;
    CupPlan superCup;
    CupPlan championship;
    int line = 0;
};

struct SponsorPlan {
    std::string name;
    std::string logo;  // file in "Sponsoren\"
    int level = 0;     // 0-7
};

// How many people every active nation keeps in its pools.
struct PoolPlan {
    int referees = 0;  // every nation keeps these, for continental matches
    int localSponsors = 0;
    int coaches = 0;
    int managers = 0;
    int keeperCoaches = 0;
};

struct WordLists {
    std::vector<std::string> townStarts;
    std::vector<std::string> townEnds;
    std::vector<std::string> clubPrefixes;
    std::vector<std::string> arenaWords;
    std::vector<std::string> firmKinds;
};

struct WorldDescription {
    std::filesystem::path file;
    uint32_t seed = 1;
    int startYear = 2003;
    std::string federation;
    std::map<int, LevelPlan> levels;
    PoolPlan pools;
    std::vector<SponsorPlan> sponsors;  // shared by every active nation
    CupPlan worldCup;
    CupPlan olympia;
    std::vector<ContinentPlan> continents;
    WordLists words;
};

// Reads a description and the word file it names. False with "file:line:
// message" in error at the first fault.
bool LoadWorldDescription(const std::filesystem::path& file, WorldDescription* world, std::string* error);
