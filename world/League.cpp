#include "world/League.h"

#include <algorithm>

#include "platform/BinaryFile.h"
#include "platform/Text.h"
#include "world/Cup.h"
#include "world/Match.h"
#include "world/Player.h"
#include "world/RoundRobin.h"
#include "world/Team.h"

CLeague::CLeague() = default;
CLeague::~CLeague() = default;
CLeague& CLeague::operator=(CLeague&&) noexcept = default;

int CLeague::GetTeamCount() const {
    return IsPassive() ? storedClubCount : static_cast<int>(clubs.size());
}

int CLeague::GetHomeMatchCount() const {
    return (GetTeamCount() - 1) * rounds / 2;
}

int CLeague::GetRegularMatchDayCount() const {
    return CountRoundRobinMatchDays(GetTeamCount(), rounds);
}

int CLeague::GetMatchDayCount(bool regular, bool championship, bool relegation) const {
    if (IsPassive())
        return GetRegularMatchDayCount();
    int playoffDays = 0;
    const CCup* championshipCup = championship ? ChampionshipCup() : nullptr;
    const CCup* relegationCup = relegation ? RelegationCup() : nullptr;
    if (championshipCup)
        playoffDays = championshipCup->GetLastMatchDay();
    if (relegationCup)
        playoffDays = std::max(playoffDays, relegationCup->GetLastMatchDay());
    return (regular ? GetRegularMatchDayCount() : 0) + playoffDays;
}

bool CLeague::IsSeasonOver() const {
    return currentMatchDay > GetMatchDayCount(true, true, true);
}

bool CLeague::FindTeam(const CTeam* club, int& number) const {
    for (size_t i = 0; i < clubs.size(); ++i)
        if (clubs[i].get() == club) {
            number = static_cast<int>(i);
            return true;
        }
    return false;
}

float CLeague::GetAverageStrength() const {
    if (clubs.empty())
        return 0;
    float sum = 0;
    for (const auto& club : clubs)
        sum += club->GetAverageStrength();
    return sum / clubs.size();
}

float CLeague::GetAverageTalent() const {
    if (clubs.empty())
        return 0;
    float sum = 0;
    for (const auto& club : clubs)
        sum += club->GetAverageTalent();
    return sum / clubs.size();
}

int CLeague::GetStrengthRank(const CTeam* club) const {
    const float strength = club->GetStrength();
    return 1 + static_cast<int>(std::count_if(clubs.begin(), clubs.end(),
                                              [&](const auto& other) { return other->GetStrength() > strength; }));
}

// Squared distance from the area's centre, halved inside the area; the
// map's coordinates are 3/5 of the area's. An area far off the map (its
// edges are free numbers of the file) is as far as the result can say,
// never wrapped round to a near one.
int CLeague::GetAreaDistance(int x, int y) const {
    // An offset this large already gives a distance beyond an int's range.
    constexpr int64_t kFarOff = int64_t{1} << 20;
    const int64_t px = x * 5 / 3, py = y * 5 / 3;
    const int64_t dx = std::clamp(px - (int64_t{areaLeft} + areaRight) / 2, -kFarOff, kFarOff);
    const int64_t dy = std::clamp(py - (int64_t{areaTop} + areaBottom) / 2, -kFarOff, kFarOff);
    int64_t distance = dx * dx + dy * dy;
    if (px >= areaLeft && px <= areaRight && py >= areaTop && py <= areaBottom)
        distance /= 2;
    return static_cast<int>(std::min<int64_t>(distance, INT32_MAX));
}

void CLeague::ValidateSettings() {
    const int listed = static_cast<int>(clubs.size());
    if (!IsPassive() || storedClubCount < listed)
        storedClubCount = static_cast<uint8_t>(listed);
    const int count = GetTeamCount();
    if (relegatedPlaces != 0 && relegatedPlaces >= count)
        relegatedPlaces = static_cast<uint8_t>(std::max(count - 1, 0));
    if (flags & kLeagueRelegation) {
        promotionSideCount = std::min(promotionSideCount, relegatedPlaces);
        if (promotionSideCount == 0)
            flags &= ~kLeagueRelegation;
    }
    if (!(flags & kLeagueChampionshipPlayoff))
        championshipPlayoffClubs = 0;
    if (!(flags & kLeagueRelegationPlayoff))
        relegationPlayoffClubs = 0;
    if (championshipPlayoffClubs + relegationPlayoffClubs > count) {
        relegationPlayoffClubs = static_cast<uint8_t>(std::min<int>(relegationPlayoffClubs, count));
        championshipPlayoffClubs = static_cast<uint8_t>(std::max(count - relegationPlayoffClubs, 0));
    }
    if (championshipPlayoffClubs < 2) {
        championshipPlayoffClubs = 0;
        flags &= ~kLeagueChampionshipPlayoff;
    }
    if (relegationPlayoffClubs < 2) {
        relegationPlayoffClubs = 0;
        flags &= ~kLeagueRelegationPlayoff;
    }
    trainingUnits = std::clamp(trainingUnits, kMinTrainingUnits, kMaxTrainingUnits);
    playersPerMatch = std::clamp(playersPerMatch, kMinPlayersPerMatch, kMaxPlayersPerMatch);
    if (division == 0)
        division = 1;
    if (name.empty())
        name = Format("league %d", division);
    championshipPlayoffMatches = std::min(championshipPlayoffMatches, kMaxPlayoffMatches);
    relegationPlayoffMatches = std::min(relegationPlayoffMatches, kMaxPlayoffMatches);
}

namespace {

bool IsRelegationPlayoff(const CCup& cup) { return cup.name == CLeague::kRelegationPlayoffName; }

}  // namespace

CCup* CLeague::ChampionshipCup() const {
    if (!(flags & kLeagueChampionshipPlayoff) || playoffCups.empty() || IsRelegationPlayoff(*playoffCups.front()))
        return nullptr;
    return playoffCups.front().get();
}

CCup* CLeague::RelegationCup() const {
    if (!(flags & kLeagueRelegationPlayoff) || playoffCups.empty() || !IsRelegationPlayoff(*playoffCups.back()))
        return nullptr;
    return playoffCups.back().get();
}
