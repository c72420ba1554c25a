#pragma once

#include <functional>
#include <string>
#include <vector>

class CLeague;
class CNation;
class CPlayer;
class CTeam;
class CWorld;

// The world check ("search for error") run before an edited world is
// played: a fixed set of rules over every league club, and a search for
// players who stand in the world twice. The check dialog shows what these
// find and leads to the editors.

// One broken rule of one club. A club with three broken rules gives three.
struct WorldCheckRemark {
    const CNation* nation = nullptr;
    const CLeague* league = nullptr;
    CTeam* team = nullptr;
    std::string text;
};

struct WorldCheckResult {
    std::vector<WorldCheckRemark> remarks;
    int leaguesVisited = 0;  // the progress range of the dialog
};

// Every club of every league, in the world's order; the nations' extra
// teams and the national teams are not checked.
WorldCheckResult CheckWorldRules(const CWorld& world);
// The remarks of one club by the rules, in their order.
std::vector<std::string> CheckClubRules(const CLeague& league, const CTeam& team);

// "nation\tleague\tclub\tremark", each name cut to 18 characters.
std::string FormatRemarkRow(const WorldCheckRemark& remark);

// A player and the club in whose squad he stands.
struct DoubledPlayer {
    CPlayer* player = nullptr;
    const CTeam* club = nullptr;
};

// Every league player whose first and last name another league player of
// the world bears too (exact comparison), each listed once per distinct
// row text, in the order a comparison of every player with every other
// meets them. `leagueDone` is told the number of leagues of the walk done.
std::vector<DoubledPlayer> FindDoubledPlayers(const CWorld& world,
                                              const std::function<void(int leaguesDone)>& leagueDone = {});

// The doubled-players row: name, position code, strength class, talent
// mark, birthday, height in metres and club, separated by tabs.
std::string FormatDoubledPlayerRow(const CPlayer& player, const CTeam& club);
