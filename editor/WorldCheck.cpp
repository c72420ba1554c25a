#include "editor/WorldCheck.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "platform/Text.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/Vocabulary.h"
#include "world/World.h"
#include "world/WorldWalk.h"

namespace {

// Places an arena needs in the top division; a division d needs 1/d of it.
constexpr int kProfessionalArenaPlaces = 800;
constexpr int kAmateurArenaPlaces = 500;
constexpr float kWeakTeamMargin = 2.0f;
constexpr size_t kMinSquad = 12;
constexpr size_t kRowNameLength = 18;
// A club's map point is stored at 3/5 of the map's pixels.
constexpr int kMapScaleUp = 5, kMapScaleDown = 3;
const char* const kTalentMarks[] = {"-", "0", "+", "++"};
constexpr int kTopTalentMark = 3;

size_t CountGoalkeepers(const CTeam& team) {
    size_t keepers = 0;
    for (const PlayerPtr& p : team.squad)
        keepers += p->IsGoalkeeper() ? 1 : 0;
    return keepers;
}

bool AllProfessional(const CTeam& team) {
    for (const PlayerPtr& p : team.squad)
        if (!p->IsProfessional())
            return false;
    return true;
}

bool AnyProfessional(const CTeam& team) {
    for (const PlayerPtr& p : team.squad)
        if (p->IsProfessional())
            return true;
    return false;
}

bool InLeagueArea(const CLeague& league, uint16_t mapPosition) {
    const int x = (mapPosition & 0xFF) * kMapScaleUp / kMapScaleDown;
    const int y = (mapPosition >> 8) * kMapScaleUp / kMapScaleDown;
    return league.areaLeft <= x && x < league.areaRight && league.areaTop <= y && y < league.areaBottom;
}

// The squad rules: a club has players, twelve or more, and two goalkeepers.
void CheckSquadSize(const CTeam& team, std::vector<std::string>& remarks) {
    if (team.squad.empty()) {
        remarks.emplace_back("no players");
    } else if (team.squad.size() < kMinSquad) {
        remarks.push_back(Format("only %d players", static_cast<int>(team.squad.size())));
    } else {
        const size_t keepers = CountGoalkeepers(team);
        if (keepers == 0)
            remarks.emplace_back("no goalkeeper");
        else if (keepers == 1)
            remarks.emplace_back("only one goalkeeper");
    }
}

std::string Cut(const std::string& name) { return name.substr(0, kRowNameLength); }

}  // namespace

std::vector<std::string> CheckClubRules(const CLeague& league, const CTeam& team) {
    std::vector<std::string> remarks;
    const int level = league.division;
    const bool professional = league.IsProfessional();
    if (team.name == team.amateurTeamName)
        remarks.emplace_back("amateur team has same name");
    if (team.GetFanAmount() > team.GetMaxFanAmount())
        remarks.emplace_back("Fan-arise more then max");
    // A league of level 0 asks for nothing rather than divide by it.
    const int capacity = static_cast<int>(team.arena.GetCapacity());
    if (level > 0 && capacity < (professional ? kProfessionalArenaPlaces : kAmateurArenaPlaces) / level)
        remarks.push_back(Format("very few arena places  (%d)", capacity));
    if (team.GetAverageStrength() < league.GetAverageStrength() - kWeakTeamMargin)
        remarks.emplace_back("very weak team");
    if (team.arena.GetName().empty())
        remarks.emplace_back("no arena name");
    if (team.arena.GetScoreBoard() == 0 && level <= 1)
        remarks.emplace_back("no score board within the first division");
    CheckSquadSize(team, remarks);
    if (professional && !AllProfessional(team))
        remarks.emplace_back("non-professional players in professional leguage");
    if (!professional && AnyProfessional(team))
        remarks.emplace_back("professional players in not-professional leguages");
    if (team.managerSurname.empty())
        remarks.emplace_back("no manager");
    if (team.coachSurname.empty())
        remarks.emplace_back("no coach");
    if (!InLeagueArea(league, team.mapPosition))
        remarks.emplace_back("not within league range");
    return remarks;
}

WorldCheckResult CheckWorldRules(const CWorld& world) {
    WorldCheckResult result;
    VisitLeagues(world, [&](const CNation& nation, const CLeague& league) {
        ++result.leaguesVisited;
        for (const auto& team : league.clubs)
            for (std::string& text : CheckClubRules(league, *team))
                result.remarks.push_back({&nation, &league, team.get(), std::move(text)});
    });
    return result;
}

std::string FormatRemarkRow(const WorldCheckRemark& remark) {
    return Cut(NationName(remark.nation->nationNumber)) + "\t" + Cut(remark.league->name) + "\t" +
           Cut(remark.team->name) + "\t" + remark.text;
}

std::string FormatDoubledPlayerRow(const CPlayer& p, const CTeam& club) {
    const int talent = std::min(p.GetTalent(), kTopTalentMark);
    const int day = p.birthday & 0xFF, month = (p.birthday >> 8) & 0xFF, year = p.birthday >> 16;
    return p.firstName + " " + p.lastName + "\t" + PositionCode(p.GetPosition()) + "\t" +
           Format("%d", p.GetStrengthClass()) + "\t" + kTalentMarks[talent] + "\t" +
           Format("%d.%d.%d", day, month, year) + "\t" +
           Format("%d,%d%d", p.height / 100, p.height / 10 % 10, p.height % 10) + "\t" + club.name;
}

// Comparing every player with every other would take the square of the
// world's players; grouping them by name first finds the same pairs in the
// same order.
std::vector<DoubledPlayer> FindDoubledPlayers(const CWorld& world, const std::function<void(int)>& leagueDone) {
    std::vector<DoubledPlayer> all;
    std::map<std::pair<std::string, std::string>, std::vector<size_t>> byName;
    std::vector<size_t> leagueEnds;
    VisitLeagues(world, [&](const CNation&, const CLeague& league) {
        for (const auto& team : league.clubs)
            for (const PlayerPtr& p : team->squad) {
                byName[{p->lastName, p->firstName}].push_back(all.size());
                all.push_back({p.get(), team.get()});
            }
        leagueEnds.push_back(all.size());
    });

    std::vector<DoubledPlayer> found;
    std::set<std::string> rows;
    auto add = [&](const DoubledPlayer& entry) {
        if (rows.insert(FormatDoubledPlayerRow(*entry.player, *entry.club)).second)
            found.push_back(entry);
    };
    size_t next = 0;
    for (size_t league = 0; league < leagueEnds.size(); ++league) {
        for (; next < leagueEnds[league]; ++next) {
            const DoubledPlayer& p = all[next];
            for (size_t q : byName[{p.player->lastName, p.player->firstName}])
                if (q != next) {
                    add(p);
                    add(all[q]);
                }
        }
        if (leagueDone)
            leagueDone(static_cast<int>(league) + 1);
    }
    return found;
}
