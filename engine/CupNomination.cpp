#include <algorithm>
#include <cmath>

#include "engine/CupSources.h"
#include "platform/Random.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Team.h"

// Without last season's ranking a cup nominates teams that stand in for it:
// its titleholder and the seeds of its draw come from them.

namespace {

constexpr size_t kNominatedClubs = 8;
constexpr int kShuffledHeads = 3;   // the continental cup's titleholder is one of these
constexpr int kRandomSwaps = 3;     // the national teams' lists are stirred this often
// The values the nation's club maker takes for a super cup's stand-in.
constexpr int kStandInLevel = 60, kStandInSpread = 150;

void SwapRandomEntries(std::vector<CTeam*>& list) {
    const int n = static_cast<int>(list.size());
    if (n == 0)
        return;
    for (int i = 0; i < kRandomSwaps; ++i) {
        const int a = RandBelow(n);
        const int b = RandBelow(n);
        std::swap(list[a], list[b]);
    }
}

int FirstCumulative(const CCup& cup) {
    return cup.cumulativePlaces.empty() ? 0 : cup.cumulativePlaces.front();
}

}  // namespace

bool CCup::NominateTeams(CupNationSource& nation) {
    if (kind == kCupNational) {
        for (int level = 1; level <= nation.LowestDivision() && ranking.size() < kNominatedClubs; ++level)
            for (int i = 0; i < nation.LeagueCount() && ranking.size() < kNominatedClubs; ++i) {
                const CLeague& league = nation.League(i);
                if (league.division != level)
                    continue;
                std::vector<CTeam*> left;
                for (const auto& club : league.clubs)
                    left.push_back(club.get());
                while (!left.empty() && ranking.size() < kNominatedClubs) {
                    const int pick = RandBelow(static_cast<int>(left.size()));
                    ranking.push_back(left[pick]);
                    left.erase(left.begin() + pick);
                }
            }
    } else if (kind == kCupNationalSuper) {
        for (int level = 1; level < nation.LowestDivision(); ++level)
            for (int i = 0; i < nation.LeagueCount(); ++i) {
                const CLeague& league = nation.League(i);
                if (league.division == level && !league.clubs.empty()) {
                    ranking.push_back(league.clubs[RandBelow(static_cast<int>(league.clubs.size()))].get());
                    return true;
                }
            }
        if (CTeam* team = nation.CreateExtraTeam(nation.LowestDivision(), kStandInLevel, kStandInSpread))
            ranking.push_back(team);
    }
    return true;
}

bool CCup::NominateTeams(CupContinentSource& continent) {
    if (kind == kCupContinental) {
        const int index = IndexAmongClubCups(continent);
        const std::vector<int> order = continent.RankNationsByCoefficient();
        for (size_t i = 0; i < std::min(order.size(), kNominatedClubs) && index >= 0; ++i) {
            std::vector<CTeam*> one(1, &g_noClubTeam);
            if (continent.Nation(order[i]).FillCupPlacesByTable(index, 1, one, 0))
                ranking.push_back(one.front());
        }
        if (!ranking.empty())
            std::swap(ranking[0], ranking[RandBelow(std::min<int>(kShuffledHeads, static_cast<int>(ranking.size())))]);
    } else if (kind == kCupContinentalSuper) {
        for (int j = 0; j <= continent.FurtherCupCount(); ++j) {
            const CCup& cup = j < continent.FurtherCupCount() ? continent.FurtherCup(j) : continent.MainClubCup();
            if (cup.TakesPlace() && !cup.ranking.empty()) {
                ranking.push_back(cup.ranking.front());
                break;
            }
        }
    } else if (kind == kCupChampionship) {
        const std::vector<int> order = continent.RankNationsByCoefficient();
        const size_t count = std::min<size_t>(FirstCumulative(*this) + 1, order.size());
        for (size_t i = 0; i < count; ++i)
            ranking.push_back(continent.Nation(order[i]).NationalTeam());
        SwapRandomEntries(ranking);
    }
    return true;
}

// The world cup takes the strongest national teams, the olympic tournament
// the national team of the first nation there is.
bool CCup::NominateTeams(CupWorldSource& world) {
    if (kind == kCupWorldCup) {
        const size_t count =
            static_cast<size_t>(std::max(FirstCumulative(*this), FirstCumulative(world.OlympicTournament())) + 1);
        std::vector<std::pair<int, CTeam*>> strongest;
        for (int c = 0; c < world.ContinentCount(); ++c)
            for (int i = 0; i < world.Continent(c).NationCount(); ++i) {
                CTeam* team = world.Continent(c).Nation(i).NationalTeam();
                const int strength = static_cast<int>(std::trunc(team->GetStrength()));
                const auto at = std::find_if(strongest.begin(), strongest.end(),
                                             [&](const auto& entry) { return entry.first < strength; });
                strongest.insert(at, {strength, team});
            }
        strongest.resize(std::min(count, strongest.size()));
        for (const auto& entry : strongest)
            ranking.push_back(entry.second);
        SwapRandomEntries(ranking);
    } else if (kind == kCupOlympia) {
        for (int c = 0; c < world.ContinentCount(); ++c)
            if (world.Continent(c).NationCount() > 0) {
                ranking.push_back(world.Continent(c).Nation(0).NationalTeam());
                break;
            }
    }
    return true;
}
