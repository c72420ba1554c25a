#include <unordered_set>

#include "engine/CupOwnerSources.h"
#include "finance/InterestRates.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/WorldWalk.h"

// The change of season on 30 June. The year rules follow the year in which
// the new season begins (that of 30 June): the world cup in even years, the
// continental championships in odd ones, the olympic tournament when the
// year mod 4 is 3; each tournament is cleared at the season end before the
// season that plays it, and its qualification runs in the season before.

namespace {

// Hosts are drawn every fourth, every second year and in the other years.
constexpr int kQuadrennialHostYear = 0;

// A national player retires at a season start with a chance of 1 in 3 once
// age × matches passes this, or his age weighed by his matches does.
constexpr int kRetirementProduct = 5000;
constexpr int kRetirementWeightedAge = 34;
constexpr int kRetirementChanceDivisor = 3;

int GameYear() {
    return g_gameDate.Year();
}

uint16_t DrawHost(const CWorld& world) {
    if (world.continents.empty())
        return CWorld::kNoHost;
    const int c = RandBelow(static_cast<int>(world.continents.size()));
    const auto& nations = world.continents[c]->nations;
    if (nations.empty())
        return CWorld::kNoHost;
    return static_cast<uint16_t>((c << 8) + RandBelow(static_cast<int>(nations.size())));
}

bool IsRetiring(const CPlayer& player) {
    const int age = player.GetAge();
    const int matches = player.nationalMatches;
    const bool veteran =
        age * matches > kRetirementProduct || age * matches / (matches + 1) > kRetirementWeightedAge;
    return veteran && RandBelow(kRetirementChanceDivisor) == 0;
}

}  // namespace

void CWorld::PickQuadrennialHost() {
    olympicHost = DrawHost(*this);
}

void CWorld::PickBiennialHost() {
    worldCupHost = DrawHost(*this);
}

void CWorld::PickContinentHosts() {
    for (const auto& continent : continents)
        continent->PickHostNation();
}

void CWorld::EndSeason() {
    const int year = GameYear();
    for (const auto& continent : continents)
        continent->EndSeason();
    ReleaseEndedCareers();
    if (IsOlympicSeason(year))
        olympia.OnSeasonEnd();
    if (IsWorldCupSeason(year))
        worldCup.OnSeasonEnd();
    else
        for (const auto& continent : continents)
            continent->championship.OnSeasonEnd();
    if (year % 4 == kQuadrennialHostYear)
        PickQuadrennialHost();
    if (IsWorldCupSeason(year))
        PickContinentHosts();
    else
        PickBiennialHost();
    g_manager.EndSeason();
}

void CWorld::StartNewSeason() {
    const int year = GameYear();
    for (const auto& continent : continents)
        continent->StartSeason();
    RetireNationalPlayers();
    CleanTransferLists();
    WorldCupSource source(*this);
    if (IsOlympicSeason(year))
        olympia.DetermineParticipants(source);
    for (const auto& continent : continents)
        continent->SetUpQualification(CContinent::QualificationPlayedIn(year), *this);
    if (IsWorldCupSeason(year))
        worldCup.DetermineParticipants(source);
    else
        for (int c = 0; c < source.ContinentCount(); ++c)
            continents[c]->championship.DetermineParticipants(source.Continent(c));
    BuildSeasonCalendar();
    g_manager.StartNewSeason();
    UpdateInterestRates();
}

// Players who left the clubs of the world leave their national squad; the
// oldest and most capped may retire from it.
void CWorld::RetireNationalPlayers() {
    // Only national squads change here.
    const std::unordered_set<const CPlayer*> clubPlayers = CollectClubPlayers(true);
    VisitNations(*this, [&](CNation& nation) {
        CTeam& team = nation.nationalTeam;
        for (size_t i = 0; i < team.squad.size();) {
            CPlayer* player = team.squad[i].get();
            const bool gone = !clubPlayers.count(player);
            if (!gone && !IsRetiring(*player)) {
                ++i;
                continue;
            }
            if (!gone)
                player->popularityHealth |= CPlayer::kFormerInternational;
            team.RemovePlayer(player);
        }
    });
}

void CWorld::ReleaseEndedCareers() {
    std::unordered_set<const CPlayer*> ended;  // asked, never walked
    VisitNations(*this, [&](CNation& nation) {
        for (const PlayerPtr& player : nation.endedCareers)
            ended.insert(player.get());
    });
    if (ended.empty())
        return;
    VisitNations(*this, [&](CNation& nation) {
        CTeam& team = nation.nationalTeam;
        for (size_t i = team.squad.size(); i-- > 0;)
            if (ended.count(team.squad[i].get()))
                team.RemovePlayer(team.squad[i].get());
    });
    VisitNations(*this, [](CNation& nation) { nation.endedCareers.clear(); });
}

void CWorld::CleanTransferLists() {
    // Only the lists change here.
    const std::unordered_set<const CPlayer*> clubPlayers = CollectClubPlayers(true);
    VisitNations(*this, [&](CNation& nation) {
        const std::vector<CPlayer*> listed = nation.listedPlayers;
        for (CPlayer* player : listed)
            if (!clubPlayers.count(player))
                nation.RemoveFromTransferList(player);
    });
}
