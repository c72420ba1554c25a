#include "tools/simulate/WorldStructure.h"

#include <map>
#include <unordered_map>

#include "editor/WorldCheck.h"
#include "platform/Text.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

namespace {

std::string ClubName(const CNation& nation, const CTeam& club) {
    return nation.nationalTeam.name + ", " + club.name;
}

std::string PlayerName(const CPlayer& player) { return player.firstName + " " + player.lastName; }

// Who owns each player, by the first list he was met in; looked up, never
// walked, so the order of the addresses does not matter.
class PlayerOwners {
public:
    void Own(const PlayerList& list, const std::string& owner) {
        for (const PlayerPtr& player : list) {
            const auto [entry, first] = owners_.emplace(player.get(), owner);
            if (!first)
                faults_.push_back(PlayerName(*player) + " is owned by " + entry->second + " and by " + owner);
        }
    }
    void Lend(const PlayerList& list, const std::string& borrower) {
        for (const PlayerPtr& player : list)
            if (!owners_.count(player.get()))
                faults_.push_back(borrower + " lends a player nobody owns");
    }
    std::vector<std::string> Faults() { return std::move(faults_); }

private:
    std::unordered_map<const CPlayer*, std::string> owners_;
    std::vector<std::string> faults_;
};

void OwnClubPlayers(PlayerOwners& owners, const CNation& nation, const CTeam& club) {
    const std::string name = ClubName(nation, club);
    owners.Own(club.squad, name);
    owners.Own(club.youth, name + " (youth)");
    owners.Own(club.amateurs, name + " (amateurs)");
}

// A remark's kind: its text with each number shown as "#".
std::string RemarkKind(const std::string& text) {
    std::string kind;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit)
            kind += c;
        else if (kind.empty() || kind.back() != '#')
            kind += '#';
    }
    return kind;
}

}  // namespace

std::vector<std::string> CheckClubPlaces(const CWorld& world) {
    std::unordered_map<const CTeam*, std::string> places;  // looked up only
    std::vector<std::string> faults;
    auto place = [&](const CNation& nation, const CTeam* club, const std::string& where) {
        if (!club) {
            faults.push_back(where + " holds no club");
            return;
        }
        const auto [entry, first] = places.emplace(club, where);
        if (!first)
            faults.push_back(ClubName(nation, *club) + " stands in " + entry->second + " and in " + where);
    };
    VisitNations(world, [&](const CNation& nation) {
        for (const auto& league : nation.leagues)
            for (const auto& club : league->clubs)
                place(nation, club.get(), nation.nationalTeam.name + ", " + league->name);
        for (const auto& extra : nation.extraTeams)
            place(nation, extra.get(), nation.nationalTeam.name + ", clubs outside the leagues");
    });
    return faults;
}

std::vector<std::string> CheckPlayerOwners(const CWorld& world) {
    PlayerOwners owners;
    VisitNations(world, [&](const CNation& nation) {
        for (const auto& league : nation.leagues)
            for (const auto& club : league->clubs)
                OwnClubPlayers(owners, nation, *club);
        for (const auto& extra : nation.extraTeams)
            OwnClubPlayers(owners, nation, *extra);
        owners.Own(nation.freePlayers, nation.nationalTeam.name + " (free players)");
    });
    VisitNations(world, [&](const CNation& nation) {
        owners.Lend(nation.nationalTeam.squad, "the national squad of " + nation.nationalTeam.name);
    });
    return owners.Faults();
}

std::vector<std::string> CheckNationalCoaches(const CWorld& world) {
    std::vector<std::string> faults;
    VisitNations(world, [&](const CNation& nation) {
        if (!nation.IsInactive() && !nation.nationalTeam.HasCoach())
            faults.push_back(nation.nationalTeam.name + " has no national coach");
    });
    return faults;
}

std::vector<std::string> CheckFirstMatchDaySheets(const CWorld& world, CompetitionMask code) {
    std::vector<std::string> faults;
    VisitLeagues(world, [&](const CNation& nation, const CLeague& league) {
        if (league.IsPassive() || league.currentMatchDay != 1 || !PlaysLeague(code, league.division))
            return;
        for (const auto& club : league.clubs)
            if (club->squad.size() < league.playersPerMatch)
                faults.push_back(ClubName(nation, *club) + Format(" starts the season in %s with %zu players", 
                                                                   league.name.c_str(), club->squad.size()) +
                                 Format(" for a match sheet of %d", league.playersPerMatch));
    });
    return faults;
}

std::string SummariseWorldCheck(const CWorld& world) {
    const WorldCheckResult result = CheckWorldRules(world);
    std::map<std::string, int> byText;
    for (const WorldCheckRemark& remark : result.remarks)
        ++byText[RemarkKind(remark.text)];
    std::string summary = Format("%zu remarks", result.remarks.size());
    const char* separator = " (";
    for (const auto& [text, count] : byText) {
        summary += separator + text + Format(": %d", count);
        separator = ", ";
    }
    return byText.empty() ? summary : summary + ")";
}

size_t CountFreePlayers(const CWorld& world) {
    size_t count = 0;
    VisitNations(world, [&](const CNation& nation) { count += nation.freePlayers.size(); });
    return count;
}
