#include "tools/world-builder/WorldDescription.h"

#include <cstdlib>
#include <functional>
#include <set>

#include "tools/world-builder/DescriptionLines.h"
#include "world/Vocabulary.h"

namespace fs = std::filesystem;

namespace {

// The nation tables' last entry stands for "miscellaneous", no country.
constexpr int kMiscellaneousNation = kNationCount - 1;
constexpr int kMaxCount = 255;
constexpr int kMaxPlaces = 255;
constexpr int kMaxRounds = 15;
constexpr int kMaxLevel = 15;
constexpr int kSeasonsOfPoints = 3;
constexpr int kAreaEdges = 4;  // left, top, right, bottom
constexpr int kMaxAreaEdge = 249;

// A region whose edges come in their order, each pair apart.
bool IsArea(const std::vector<int>& edges) {
    return edges.size() == kAreaEdges && edges[0] < edges[2] && edges[1] < edges[3];
}

bool AtMostSeasons(const std::vector<int>& values) { return values.size() <= kSeasonsOfPoints; }

// Reads one description: the keywords say which part of the world a line
// describes; nations and leagues belong to the continent and nation above.
class DescriptionReader {
public:
    DescriptionReader(WorldDescription& world, std::string* error) : world_(world), error_(error) {}

    bool Read(const fs::path& file) {
        world_.file = file;
        if (!file_.Open(file, error_))
            return false;
        if (!file_.ReadAll([this](DescriptionLine& line) { return Handle(line); }, message_, error_))
            return false;
        return CheckComplete();
    }

private:
    bool Say(const std::string& message) {
        message_ = message;
        return false;
    }

    bool Handle(DescriptionLine& line) {
        const std::map<std::string, std::function<bool(DescriptionLine&)>> handlers = {
            {"seed", [this](DescriptionLine& l) { return Seed(l); }},
            {"start-year", [this](DescriptionLine& l) { return StartYear(l); }},
            {"federation", [this](DescriptionLine& l) { return Federation(l); }},
            {"words", [this](DescriptionLine& l) { return Words(l); }},
            {"level", [this](DescriptionLine& l) { return Level(l); }},
            {"pools", [this](DescriptionLine& l) { return Pools(l); }},
            {"sponsor", [this](DescriptionLine& l) { return Sponsor(l); }},
            {"world-cup", [this](DescriptionLine& l) { return Cup(l, world_.worldCup); }},
            {"olympia", [this](DescriptionLine& l) { return Cup(l, world_.olympia); }},
            {"continent", [this](DescriptionLine& l) { return Continent(l); }},
            {"main-club-cup", [this](DescriptionLine& l) { return ContinentCup(l, &ContinentPlan::mainClubCup); }},
            {"super-cup", [this](DescriptionLine& l) { return ContinentCup(l, &ContinentPlan::superCup); }},
            {"championship", [this](DescriptionLine& l) { return ContinentCup(l, &ContinentPlan::championship); }},
            {"club-cup", [this](DescriptionLine& l) { return FurtherClubCup(l); }},
            {"nation", [this](DescriptionLine& l) { return Nation(l); }},
            {"league", [this](DescriptionLine& l) { return League(l); }},
            {"national-cup", [this](DescriptionLine& l) { return NationCup(l, false); }},
            {"national-super-cup", [this](DescriptionLine& l) { return NationCup(l, true); }},
        };
        const auto it = handlers.find(line.Keyword());
        if (it == handlers.end())
            return Say("unknown keyword '" + line.Keyword() + "'");
        return it->second(line);
    }

    bool Seed(DescriptionLine& line) {
        std::string word;
        if (!line.TakeWord(word) || word.find_first_not_of("0123456789") != std::string::npos || word.size() > 9)
            return Say("seed needs a whole number of up to nine digits");
        world_.seed = static_cast<uint32_t>(std::stoul(word));
        return true;
    }

    bool StartYear(DescriptionLine& line) {
        std::string word;
        if (!line.TakeWord(word) || word.size() != 4 || word.find_first_not_of("0123456789") != std::string::npos)
            return Say("start-year needs a year of four digits");
        world_.startYear = std::stoi(word);
        if (world_.startYear < 1950 || world_.startYear > 2150)
            return Say("start-year must lie in 1950 to 2150");
        return true;
    }

    bool Federation(DescriptionLine& line) {
        if (!line.TakeWord(world_.federation))
            return Say("federation needs its shorthand");
        return true;
    }

    bool Words(DescriptionLine& line) {
        std::string name;
        if (!line.TakeWord(name))
            return Say("words needs the name of the word file");
        return ReadWordFile(world_.file.parent_path() / name);
    }

    bool ReadWordFile(const fs::path& file) {
        DescriptionFile words;
        if (!words.Open(file, &message_))
            return false;
        const std::map<std::string, std::vector<std::string>*> lists = {
            {"town-start", &world_.words.townStarts}, {"town-end", &world_.words.townEnds},
            {"club-prefix", &world_.words.clubPrefixes}, {"arena-word", &world_.words.arenaWords},
            {"firm-kind", &world_.words.firmKinds},
        };
        DescriptionLine line;
        std::string error;
        while (words.Next(line, &error)) {
            const auto it = lists.find(line.Keyword());
            if (it == lists.end())
                return Say(words.Where("unknown word list '" + line.Keyword() + "'"));
            for (std::string word; line.TakeWord(word);)
                it->second->push_back(word);
            if (!line.CheckAllTaken(&message_))
                return Say(words.Where(message_));
        }
        if (!error.empty())
            return Say(error);
        for (const auto& [name, list] : lists)
            if (list->empty())
                return Say(words.Where("the word list '" + name + "' is missing"));
        return true;
    }

    bool Level(DescriptionLine& line) {
        std::string word;
        int number = 0;
        if (!line.TakeWord(word) || (number = std::atoi(word.c_str())) < 1 || number > kMaxLevel)
            return Say("level needs its number, 1 to " + std::to_string(kMaxLevel));
        LevelPlan& l = world_.levels[number];
        return line.TakeFloat("strength", 1, 10, l.strength, &message_) &&
               line.TakeInt("spread", 0, 9, l.strengthSpread, &message_) &&
               line.TakeFloat("talent", 0, 3, l.talent, &message_) &&
               line.TakeFloat("talent-spread", 0, 3, l.talentSpread, &message_) &&
               line.TakeInt("places", 0, 30000, l.arenaPlaces, &message_) &&
               line.TakeInt("capital", -1000000, 1000000, l.capital, &message_) &&
               line.TakeInt("fans", 1, 6, l.fans, &message_) &&
               line.TakeInt("score-board", 0, 4, l.scoreBoard, &message_) &&
               line.TakeInt("staff", 1, 10, l.staff, &message_);
    }

    bool Pools(DescriptionLine& line) {
        PoolPlan& p = world_.pools;
        return line.TakeInt("referees", 0, kMaxCount, p.referees, &message_) &&
               line.TakeInt("sponsors", 0, kMaxCount, p.localSponsors, &message_) &&
               line.TakeInt("coaches", 0, kMaxCount, p.coaches, &message_) &&
               line.TakeInt("managers", 0, kMaxCount, p.managers, &message_) &&
               line.TakeInt("keeper-coaches", 0, kMaxCount, p.keeperCoaches, &message_);
    }

    bool Sponsor(DescriptionLine& line) {
        SponsorPlan s;
        if (!line.TakeWord(s.name))
            return Say("sponsor needs its name");
        line.TakeText("logo", s.logo);
        if (!line.TakeInt("level", 0, 7, s.level, &message_))
            return false;
        world_.sponsors.push_back(s);
        return true;
    }

    bool Cup(DescriptionLine& line, CupPlan& cup) {
        cup = CupPlan();
        cup.line = file_.LineNumber();
        if (!line.TakeWord(cup.name))
            return Say(line.Keyword() + " needs its name");
        cup.extraPlace = line.TakeFlag("extra");
        std::vector<int> groupRound;
        if (!line.TakeInt("rounds", 1, kMaxRounds, cup.rounds, &message_) ||
            !line.TakeInt("legs", 1, 7, cup.legs, &message_) ||
            !line.TakeInt("group-round", 0, kMaxRounds, cup.groupRound, &message_) ||
            !line.TakeInt("groups", 1, 32, cup.groups, &message_) ||
            !line.TakeInt("per-group", 2, 16, cup.teamsPerGroup, &message_) ||
            !line.TakeInt("group-legs", 1, 7, cup.groupLegs, &message_) ||
            !line.TakeInt("sheet", 12, 14, cup.sheetSize, &message_) ||
            !line.TakeIntList("round-points", 0, 255, cup.roundPoints, &message_) ||
            !line.TakeIntList("second-stage", 1, 16, cup.secondStage, &message_) || !Slots(line, cup))
            return false;
        if (!cup.secondStage.empty() && cup.secondStage.size() != 3)
            return Say("second-stage needs three numbers: going on, groups, teams per group");
        return true;
    }

    // places=8,8@2,4: the places of each slot, @ the round they enter.
    bool Slots(DescriptionLine& line, CupPlan& cup) {
        std::string text;
        if (!line.TakeText("places", text))
            return Say(line.Keyword() + " needs places=");
        size_t start = 0;
        while (true) {
            const size_t comma = text.find(',', start);
            const std::string slot = text.substr(start, comma - start);
            const size_t at = slot.find('@');
            SlotPlan s;
            DescriptionLine parts;
            const std::string form = "slot places=" + slot.substr(0, at) +
                                     (at == std::string::npos ? "" : " round=" + slot.substr(at + 1));
            if (!parts.Parse(form, &message_) || !parts.TakeInt("places", 0, kMaxPlaces, s.places, &message_) ||
                !parts.TakeInt("round", 1, cup.rounds, s.entryRound, &message_))
                return Say("places: " + message_ + " (" + slot + ")");
            cup.slots.push_back(s);
            if (comma == std::string::npos)
                return true;
            start = comma + 1;
        }
    }

    bool Continent(DescriptionLine& line) {
        ContinentPlan c;
        c.line = file_.LineNumber();
        if (!line.TakeWord(c.name))
            return Say("continent needs its name");
        if (!line.TakeText("short", c.shortName))
            return Say("continent needs short=");
        world_.continents.push_back(c);
        return true;
    }

    ContinentPlan* CurrentContinent() {
        if (world_.continents.empty()) {
            Say("a continent must come first");
            return nullptr;
        }
        return &world_.continents.back();
    }

    bool ContinentCup(DescriptionLine& line, CupPlan ContinentPlan::*cup) {
        ContinentPlan* c = CurrentContinent();
        return c && Cup(line, c->*cup);
    }

    bool FurtherClubCup(DescriptionLine& line) {
        ContinentPlan* c = CurrentContinent();
        if (!c)
            return false;
        c->clubCups.emplace_back();
        return Cup(line, c->clubCups.back());
    }

    bool Nation(DescriptionLine& line) {
        ContinentPlan* c = CurrentContinent();
        if (!c)
            return false;
        NationPlan n;
        n.line = file_.LineNumber();
        std::string number, name;
        if (!line.TakeWord(number) || !line.TakeWord(name))
            return Say("nation needs its number and its name from the nation table");
        n.number = std::atoi(number.c_str());
        if (number.find_first_not_of("0123456789") != std::string::npos || n.number >= kNationCount)
            return Say("no nation has the number " + number);
        if (n.number == kMiscellaneousNation)
            return Say("nation " + number + " is no country");
        if (NationName(n.number) != name)
            return Say("nation " + number + " is \"" + NationName(n.number) + "\", not \"" + name + "\"");
        if (!nationNumbers_.insert(n.number).second)
            return Say("nation " + number + " is described twice");
        if (!line.TakeIntList("points", 0, 65535, n.seasonPoints, &message_) ||
            !line.TakeIntList("club-counts", 0, 255, n.clubCounts, &message_))
            return false;
        if (!AtMostSeasons(n.seasonPoints) || !AtMostSeasons(n.clubCounts))
            return Say("points and club-counts hold the three finished seasons");
        c->nations.push_back(n);
        return true;
    }

    NationPlan* CurrentNation() {
        ContinentPlan* c = CurrentContinent();
        if (!c)
            return nullptr;
        if (c->nations.empty()) {
            Say("a nation must come first");
            return nullptr;
        }
        return &c->nations.back();
    }

    bool League(DescriptionLine& line) {
        NationPlan* n = CurrentNation();
        if (!n)
            return false;
        LeaguePlan l;
        l.line = file_.LineNumber();
        if (!line.TakeWord(l.name))
            return Say("league needs its name");
        l.professional = line.TakeFlag("pro");
        l.passive = line.TakeFlag("passive");
        l.championshipPlayoffGroup = line.TakeFlag("playoff-group");
        if (!line.TakeInt("division", 1, 15, l.division, &message_) ||
            !line.TakeInt("clubs", 2, kMaxCount, l.clubs, &message_) ||
            !line.TakeInt("level", 1, kMaxLevel, l.level, &message_) ||
            !line.TakeInt("stored-clubs", 0, kMaxCount, l.storedClubs, &message_) ||
            !line.TakeInt("relegated", 0, kMaxCount, l.relegated, &message_) ||
            !line.TakeInt("rounds", 1, 8, l.rounds, &message_) ||
            !line.TakeInt("sheet", 12, 14, l.playersPerMatch, &message_) ||
            !line.TakeInt("training", 3, 15, l.trainingUnits, &message_) ||
            !line.TakeInt("championship-playoff", 0, kMaxCount, l.championshipPlayoff, &message_) ||
            !line.TakeInt("relegation-playoff", 0, kMaxCount, l.relegationPlayoff, &message_) ||
            !line.TakeInt("playoff-matches", 1, 7, l.playoffMatches, &message_) ||
            !line.TakeIntList("area", 0, kMaxAreaEdge, l.area, &message_))
            return false;
        if (!l.area.empty() && !IsArea(l.area))
            return Say("area needs left,top,right,bottom, left below right and top below bottom");
        if (l.clubs == 0)
            return Say("league needs clubs=");
        if (l.relegated >= l.clubs || l.championshipPlayoff + l.relegationPlayoff > l.clubs)
            return Say("the league has fewer clubs than its places for relegation and play-offs");
        if (l.championshipPlayoff == 1 || l.relegationPlayoff == 1)
            return Say("a play-off needs two clubs or more");
        if (l.level == 0)
            l.level = l.division;
        if (!world_.levels.count(l.level))
            return Say("no level " + std::to_string(l.level) + " is described above");
        n->leagues.push_back(l);
        return true;
    }

    bool NationCup(DescriptionLine& line, bool super) {
        NationPlan* n = CurrentNation();
        if (!n)
            return false;
        (super ? n->hasNationalSuperCup : n->hasNationalCup) = true;
        return Cup(line, super ? n->nationalSuperCup : n->nationalCup);
    }

    bool CheckComplete() {
        if (world_.continents.empty()) {
            *error_ = file_.WhereAt(file_.LineNumber(), "the world has no continent");
            return false;
        }
        for (const ContinentPlan& c : world_.continents)
            for (const NationPlan& n : c.nations) {
                if (n.leagues.empty()) {
                    *error_ = file_.WhereAt(n.line, "the nation has no league");
                    return false;
                }
                if (n.IsActive() && !(n.hasNationalCup && n.hasNationalSuperCup)) {
                    *error_ = file_.WhereAt(n.line, "an active nation needs a national-cup and a national-super-cup");
                    return false;
                }
            }
        return true;
    }

    WorldDescription& world_;
    std::string* error_;
    std::string message_;
    DescriptionFile file_;
    std::set<int> nationNumbers_;
};

}  // namespace

bool NationPlan::IsActive() const {
    for (const LeaguePlan& l : leagues)
        if (!l.passive)
            return true;
    return false;
}

bool LoadWorldDescription(const fs::path& file, WorldDescription* world, std::string* error) {
    *world = WorldDescription();
    error->clear();
    return DescriptionReader(*world, error).Read(file);
}
