// The nations' coefficient ranking and the places that the leagues' tables
// give: club cups, promotion, relegation and play-offs.
#include <algorithm>

#include "world/Continent.h"
#include "world/DivisionTally.h"
#include "world/League.h"
#include "world/Nation.h"

std::vector<uint8_t> g_nationRankOrder;

void ResetNationRankOrder() { g_nationRankOrder.clear(); }

namespace {

constexpr float kCoefficientKeyScale = 10.0f;
// Cup i of the list gives code (i mod 3) * 2 + 3: 3, 5, 7, 3, ...
constexpr size_t kClubCupCodeCycle = 3;

// The first division with one league; a division of parallel leagues
// before it means there is none (0, a division no league has).
size_t FindTopDivision(const std::vector<DivisionTally>& tally) {
    for (size_t d = 0; d < tally.size(); ++d) {
        if (tally[d].leagues == 1)
            return d;
        if (tally[d].leagues > 1)
            return 0;
    }
    return 0;
}

// Places outside the code list are skipped.
void SetCodes(std::vector<uint8_t>& codes, int from, int to, uint8_t code) {
    for (int place = std::max(from, 0); place < to && place < static_cast<int>(codes.size()); ++place)
        codes[place] = code;
}

void AssignRelegation(CLeague& league) {
    if (league.flags & (kLeagueRelegationPlayoff | kLeaguePassive))
        return;
    const int clubs = static_cast<int>(league.clubs.size());
    const int first = clubs - league.relegatedPlaces;
    SetCodes(league.extraBytes, first, clubs, kPlaceRelegated);
    if (league.flags & kLeagueRelegation)
        SetCodes(league.extraBytes, first, first + league.promotionSideCount, kPlaceRelegationPlayoff);
}

// The clubs that the nearest higher division sends down go up, shared among
// this division's leagues; a share that does not come out even, or a
// promotion side above, makes the next place a play-off place.
void AssignPromotion(CLeague& league, const std::vector<DivisionTally>& tally) {
    if (league.division < 2 || (league.flags & kLeagueChampionshipPlayoff))
        return;
    const int own = tally[league.division].leagues;
    for (int d = league.division - 1; d >= 0; --d) {
        if (tally[d].leagues == 0)
            continue;
        const int k = tally[d].DirectlyRelegated() / own;
        if (tally[d].DirectlyRelegated() % own != 0 || tally[d].playoffSide != 0)
            SetCodes(league.extraBytes, k, k + 1, kPlacePlayoff);
        SetCodes(league.extraBytes, 0, k, kPlacePromoted);
        return;
    }
}

void AssignPlayoffs(CLeague& league) {
    if (league.flags & kLeagueChampionshipPlayoff)
        SetCodes(league.extraBytes, 0, league.championshipPlayoffClubs, kPlacePlayoff);
    if (league.flags & kLeagueRelegationPlayoff) {
        const int end = (league.flags & kLeaguePassive) ? league.storedClubCount
                                                        : static_cast<int>(league.clubs.size());
        SetCodes(league.extraBytes, end - league.relegationPlayoffClubs, end, kPlaceRelegationPlayoff);
    }
}

}  // namespace

void CContinent::RankNationsByCoefficient() const {
    std::vector<uint16_t> keys;
    for (const auto& nation : nations)
        keys.push_back(static_cast<uint16_t>(nation->GetCoefficient() * kCoefficientKeyScale));
    std::vector<uint8_t> remaining(nations.size());
    for (size_t i = 0; i < remaining.size(); ++i)
        remaining[i] = static_cast<uint8_t>(i);
    g_nationRankOrder.clear();
    // The first in nation order wins among equal keys.
    while (!remaining.empty()) {
        const auto best = std::max_element(remaining.begin(), remaining.end(),
                                           [&keys](uint8_t a, uint8_t b) { return keys[a] < keys[b]; });
        g_nationRankOrder.push_back(*best);
        remaining.erase(best);
    }
}

int CContinent::GetNationOrderPosition(int nation) const {
    const auto found = std::find(g_nationRankOrder.begin(), g_nationRankOrder.end(), nation);
    return found == g_nationRankOrder.end() ? -1 : static_cast<int>(found - g_nationRankOrder.begin());
}

void CContinent::AssignCupPlaces() {
    for (const auto& nation : nations)
        for (const auto& league : nation->leagues)
            std::fill(league->extraBytes.begin(), league->extraBytes.end(), kPlaceNothing);
    RankNationsByCoefficient();

    for (size_t n = 0; n < nations.size(); ++n) {
        CNation& nation = *nations[n];
        const std::vector<DivisionTally> tally = TallyDivisions(nation);
        for (const auto& league : nation.leagues)
            league->extraBytes.resize(league->clubs.size(), kPlaceNothing);

        const size_t top = FindTopDivision(tally);
        const auto topLeague = std::find_if(nation.leagues.begin(), nation.leagues.end(),
                                            [top](const auto& l) { return l->division == top; });
        if (topLeague != nation.leagues.end() && !((*topLeague)->flags & kLeagueChampionshipPlayoff)) {
            const int rank = GetNationOrderPosition(static_cast<int>(n));
            int place = 0;
            for (size_t i = 0; i < clubCups.size(); ++i) {
                const int count = clubCups[i]->GetQualificationPlaces(rank);
                const auto code = static_cast<uint8_t>(i % kClubCupCodeCycle * 2 + kPlacePromoted);
                SetCodes((*topLeague)->extraBytes, place, place + count, code);
                place += count;
            }
        }
        for (const auto& league : nation.leagues) {
            AssignRelegation(*league);
            AssignPromotion(*league, tally);
            AssignPlayoffs(*league);
        }
    }
}

void CContinent::ShiftSeasonPoints() {
    for (const auto& nation : nations) {
        std::shift_right(nation->seasonPoints.begin(), nation->seasonPoints.end(), 1);
        std::shift_right(nation->clubCounts.begin(), nation->clubCounts.end(), 1);
        nation->seasonPoints[0] = 0;
        nation->clubCounts[0] = 0;
    }
}
