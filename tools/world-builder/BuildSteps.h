#pragma once

#include <set>
#include <string>
#include <utility>

#include "tools/world-builder/WorldDescription.h"

class CCup;
class CLeague;
class CNation;
class CTeam;

// The steps of the world builder, shared by its source files. Every step
// draws from the game's one random generator, so a seed gives one world.

// Made-up names that the world holds once: towns (and with them clubs,
// arenas and local firms) and players, whom the world check would report
// when two bore the same first and last name.
class NameMaker {
public:
    explicit NameMaker(const WordLists& words) : words_(words) {}

    std::string NewTown();
    // A name no player of the world bears yet.
    void NewPlayerName(std::string& firstName, std::string& surname);
    std::string Pick(const std::vector<std::string>& list) const;
    const WordLists& Words() const { return words_; }

private:
    const WordLists& words_;
    std::set<std::string> towns_;
    std::set<std::pair<std::string, std::string>> players_;
};

// A club of the league with its squad, people, arena, fans and money. The
// league must already belong to the nation: the club's people borrow their
// names from the nation's players.
void MakeClub(CNation& nation, const LeaguePlan& league, const LevelPlan& level, NameMaker& names, int serial,
              CTeam& club);

// The nation's federation, national team and coach, its referees and, for
// an active nation, its sponsors and staff pools.
void MakeNationPeople(CNation& nation, const WorldDescription& world, NameMaker& names);

// The cup's settings; its kind is the caller's.
void MakeCup(const CupPlan& plan, CCup& cup);
