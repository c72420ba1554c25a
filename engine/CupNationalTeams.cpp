#include <algorithm>

#include "engine/CupSources.h"
#include "world/Cup.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

// The nation byte of a world cup place that stayed empty.
constexpr int kEmptyWorldCupPlace = 1;

int NationIndexOfNationalTeam(CupContinentSource& continent, const CTeam* team) {
    for (int i = 0; i < continent.NationCount(); ++i)
        if (continent.Nation(i).NationalTeam() == team)
            return i;
    return -1;
}

int NationNumberOf(CupContinentSource& continent, const CTeam* team) {
    const int nation = NationIndexOfNationalTeam(continent, team);
    return nation >= 0 ? continent.Nation(nation).NationNumber() : kUnknownNation;
}

// Where a national team belongs in the world.
struct NationalTeamHome {
    int continent = -1;
    int nationNumber = kUnknownNation;
};

NationalTeamHome FindHome(CupWorldSource& world, const CTeam* team) {
    for (int c = 0; c < world.ContinentCount(); ++c) {
        const int nation = NationIndexOfNationalTeam(world.Continent(c), team);
        if (nation >= 0)
            return {c, world.Continent(c).Nation(nation).NationNumber()};
    }
    return {};
}

// The nation a host word names, or null.
CupNationSource* HostNation(CupWorldSource& world, uint16_t host, int& continent) {
    continent = host >> CWorld::kHostContinentShift;
    const int nation = host & CWorld::kHostNationMask;
    if (continent >= world.ContinentCount() || nation >= world.Continent(continent).NationCount())
        return nullptr;
    return &world.Continent(continent).Nation(nation);
}

}  // namespace

// Last championship's best, the organiser, then the qualification's best
// (or, without a qualification, the continent's national teams in order).
bool CCup::FillChampionship(CupContinentSource& continent) {
    int place = 0;
    const int fromLast = GetQualificationPlaces(0);
    if (static_cast<int>(ranking.size()) < fromLast)
        return false;
    for (int k = 0; k < fromLast; ++k)
        Place(place++, ranking[k], NationNumberOf(continent, ranking[k]));

    int qualified = GetQualificationPlaces(1);
    if (flags & kCupExtraPlace) {
        const int host = continent.HostNation();
        CTeam* team = host >= 0 && host < continent.NationCount() ? continent.Nation(host).NationalTeam() : nullptr;
        if (team && !IsPlaced(team))
            Place(place++, team, continent.Nation(host).NationNumber());
        else
            ++qualified;
    }
    const CCup& qualification = continent.ExtraCup(0);
    if (qualification.TakesPlace()) {
        if (static_cast<int>(qualification.ranking.size()) < qualified)
            return false;
        for (int k = 0; k < qualified; ++k)
            Place(place++, qualification.ranking[k], NationNumberOf(continent, qualification.ranking[k]));
        return true;
    }
    for (int i = 0; i < continent.NationCount() && qualified > 0; ++i) {
        CTeam* team = continent.Nation(i).NationalTeam();
        if (!IsPlaced(team)) {
            Place(place++, team, continent.Nation(i).NationNumber());
            --qualified;
        }
    }
    return qualified == 0;
}

// The last winner, the organiser, then per continent a quota: its slot's
// places, one for each of its nations among last world cup's best, one more
// when the organiser came in anyway. The continents' qualifications (or
// their national teams in order) fill the quotas; what stays empty is no
// club.
bool CCup::FillWorldCup(CupWorldSource& world) {
    int place = 0;
    const int fromLast = GetQualificationPlaces(0);
    if (fromLast > 0) {
        if (ranking.empty())
            return false;
        Place(place++, ranking.front(), FindHome(world, ranking.front()).nationNumber);
    }
    const int continents = world.ContinentCount();
    if (continents == 0)
        return false;
    std::vector<int> quota(continents, 0);
    if (flags & kCupExtraPlace) {
        int c;
        if (CupNationSource* host = HostNation(world, world.WorldCupHost(), c)) {
            if (!IsPlaced(host->NationalTeam()))
                Place(place++, host->NationalTeam(), host->NationNumber());
            else
                ++quota[c];
        } else {
            ++quota[0];
        }
    }
    if (static_cast<int>(ranking.size()) < fromLast)
        return false;
    for (int k = 1; k < fromLast; ++k) {
        const int c = FindHome(world, ranking[k]).continent;
        if (c >= 0)
            ++quota[c];
    }
    for (int c = 0; c < continents; ++c) {
        quota[c] += GetQualificationPlaces(c + 1);
        CupContinentSource& continent = world.Continent(c);
        const CCup& qualification = continent.ExtraCup(1);
        if (qualification.TakesPlace()) {
            if (static_cast<int>(qualification.ranking.size()) < quota[c])
                return false;
            for (int k = 0; k < quota[c]; ++k)
                Place(place++, qualification.ranking[k], NationNumberOf(continent, qualification.ranking[k]));
            continue;
        }
        for (int i = 0; i < continent.NationCount() && quota[c] > 0; ++i) {
            CTeam* team = continent.Nation(i).NationalTeam();
            if (!IsPlaced(team)) {
                Place(place++, team, continent.Nation(i).NationNumber());
                --quota[c];
            }
        }
    }
    for (; place < static_cast<int>(participants.size()); ++place)
        Place(place, &g_noClubTeam, kEmptyWorldCupPlace);
    return true;
}

// The organiser, then the world cup's best that are not in yet.
bool CCup::FillOlympicTournament(CupWorldSource& world) {
    int place = 0;
    int needed = GetQualificationPlaces(0);
    if (flags & kCupExtraPlace) {
        int c;
        if (CupNationSource* host = HostNation(world, world.OlympicHost(), c))
            Place(place++, host->NationalTeam(), host->NationNumber());
        ++needed;
    }
    const std::vector<CTeam*>& best = world.WorldCup().ranking;
    if (static_cast<int>(best.size()) < needed)
        return false;
    size_t entry = 0;
    while (place < static_cast<int>(participants.size())) {
        while (entry < best.size() && IsPlaced(best[entry]))
            ++entry;
        if (entry >= best.size())
            return false;
        Place(place++, best[entry], FindHome(world, best[entry]).nationNumber);
        ++entry;
    }
    return true;
}
