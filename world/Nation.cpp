#include "world/Nation.h"

#include <algorithm>

#include "world/Cup.h"
#include "world/League.h"
#include "world/Player.h"
#include "world/Referee.h"
#include "world/Sponsor.h"

namespace {

// Clubs a league keeps when its nation is made passive.
constexpr size_t kPassiveTopDivisionClubs = 4;
constexpr size_t kPassiveLowerDivisionClubs = 3;
constexpr int kTopDivision = 1;

bool IsActive(const CLeague& league) { return !(league.flags & kLeaguePassive); }

}  // namespace

CNation::CNation() {
    cups.push_back(std::make_unique<CCup>(kCupNational));
    cups.push_back(std::make_unique<CCup>(kCupNationalSuper));
}

CNation::~CNation() = default;

float CNation::GetCoefficient() const {
    const int points = seasonPoints[1] + seasonPoints[2] + seasonPoints[3];
    int clubs = clubCounts[1] + clubCounts[2] + clubCounts[3];
    if (clubs == 0)
        clubs = 1;
    return static_cast<float>(points) / static_cast<float>(clubs);
}

int CNation::GetMaxDivision() const {
    int division = 0;
    for (const auto& league : leagues)
        division = std::max<int>(division, league->division);
    return division;
}

float CNation::GetAverageLeagueStrength() const {
    float sum = 0;
    for (const auto& league : leagues)
        sum += league->GetAverageStrength();
    return sum / static_cast<float>(std::max<size_t>(leagues.size(), 1));
}

bool CNation::IsInactive() const {
    return std::none_of(leagues.begin(), leagues.end(), [](const auto& l) { return IsActive(*l); });
}

bool CNation::HasParallelTopLeagues() const {
    if (leagues.empty())
        return false;
    const auto lowest = std::min_element(leagues.begin(), leagues.end(),
                                         [](const auto& a, const auto& b) { return a->division < b->division; });
    const uint8_t top = (*lowest)->division;
    return std::count_if(leagues.begin(), leagues.end(), [top](const auto& l) { return l->division == top; }) >= 2;
}

CTeam* CNation::GetChampion() const {
    if (leagues.empty())
        return nullptr;
    if (HasParallelTopLeagues()) {
        if (cups.size() <= kChampionshipPlayoff || cups[kChampionshipPlayoff]->ranking.empty())
            return nullptr;
        return cups[kChampionshipPlayoff]->ranking.front();
    }
    const auto top = std::min_element(leagues.begin(), leagues.end(),
                                      [](const auto& a, const auto& b) { return a->division < b->division; });
    const CLeague& league = **top;
    if (league.tableOrder.empty())
        return nullptr;
    const size_t club = league.tableOrder.front() - 1u;
    return club < league.clubs.size() ? league.clubs[club].get() : nullptr;
}

void CNation::MakeInactive() {
    for (auto& leaguePtr : leagues) {
        CLeague& league = *leaguePtr;
        if (!IsActive(league))
            continue;
        league.storedClubCount = static_cast<uint8_t>(league.clubs.size());
        const size_t keep = league.division == kTopDivision ? kPassiveTopDivisionClubs : kPassiveLowerDivisionClubs;
        // Highest club number first, so that the numbers still to go stay valid.
        std::vector<uint8_t> leaving;
        for (size_t place = keep; place < league.tableOrder.size(); ++place)
            if (league.tableOrder[place] >= 1 && league.tableOrder[place] <= league.clubs.size())
                leaving.push_back(static_cast<uint8_t>(league.tableOrder[place] - 1));
        std::sort(leaving.rbegin(), leaving.rend());
        leaving.erase(std::unique(leaving.begin(), leaving.end()), leaving.end());
        for (uint8_t club : leaving) {
            league.clubs.erase(league.clubs.begin() + club);
            std::erase(league.tableOrder, static_cast<uint8_t>(club + 1));
            for (uint8_t& entry : league.tableOrder)
                if (entry > club + 1)
                    --entry;
        }
        if (league.tableOrder.size() > league.clubs.size())
            league.tableOrder.resize(league.clubs.size());
        league.flags |= kLeaguePassive;
    }
}
