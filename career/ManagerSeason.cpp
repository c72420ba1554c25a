// The manager at the change of season: the new season's start, the end of
// the old one with promotion, relegation and the end of his contract, and
// the update of the history he keeps.
#include <algorithm>

#include "career/ManagerPosts.h"
#include "finance/IncomeFormulae.h"
#include "squad/Training.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/World.h"

namespace {

// The nations may open this many transfer talks with him a season.
constexpr int32_t kTransferTalksPerSeason = 3;
// At his own club he earns what a coach of the highest competence earns.
constexpr int kOwnClubCompetence = 10;

// Index 0 of the weekly records: his club as the season starts.
void RecordSeasonStart(CManager& m) {
    const CTeam& team = *m.club;
    m.weeklyFitness[0] = static_cast<uint8_t>(team.GetAverageFitness());
    m.weeklyFreshness[0] = static_cast<uint8_t>(team.GetAverageFreshness());
    m.weeklyConfidence[0] = team.clubConfidence;
    m.weeklyFanReputation[0] = team.fanReputation;
    m.weeklyStrength[0] = static_cast<uint8_t>(team.GetStrength());
    m.weeklyFightingSpirit[0] = team.fightingSpirit;
    m.weeklyTeamSpirit[0] = team.teamSpirit;
    if (m.league)
        m.weeklyTablePosition[0] = static_cast<uint8_t>(m.league->GetTablePosition(&team));
}

bool IsOwnClub(const CTeam& club) { return (club.flags & kTeamJobSafetyCounter) == kTeamJobSafetyCounter; }

// His club in a league of another level: new admission fees, a new target
// and no sponsor pool yet. A promoted club is not asked to finish among
// the places that go down.
void SettleInNewLevel(CManager& m, bool promoted) {
    CTeam& club = *m.club;
    const CLeague& league = *m.league;
    club.account.SetDefaultAdmissionFees(league.division, club);
    m.targetPlace = league.GetStrengthRank(&club);
    if (promoted)
        m.targetPlace = std::min(m.targetPlace, league.GetTeamCount() - league.relegatedPlaces);
    club.account.SetSponsorPool(0, 0);
    m.forecastPoolParticipants = 0;
}

// After promotion and relegation he follows his club into the league of
// its nation that now holds it; false when none does.
bool FollowClub(CManager& m) {
    if (!m.nation)
        return false;
    int number = 0;
    const auto holds = [&](const auto& league) { return league->FindTeam(m.club, number); };
    const auto found = std::find_if(m.nation->leagues.begin(), m.nation->leagues.end(), holds);
    if (found == m.nation->leagues.end())
        return false;
    const int oldLevel = m.league ? m.league->division : (*found)->division;
    m.league = found->get();
    if (m.league->division < oldLevel) {
        m.balance += m.titleBonus;
        ++m.promotions;
        SettleInNewLevel(m, true);
    } else if (m.league->division > oldLevel) {
        SettleInNewLevel(m, false);
    }
    g_trainingUnitsPerWeek = m.league->trainingUnits;
    ++m.seasonsAtClub;
    --m.contractYears;
    return true;
}

}  // namespace

void CManager::StartNewSeason() {
    transferTalksLeft = kTransferTalksPerSeason;
    if (HasClub())
        RecordSeasonStart(*this);
    if (world)
        world->AppointMissingNationalCoaches();
    homeMatchCount = 0;
    if (HasClub() && league && IsOwnClub(*club))
        salary = static_cast<int32_t>(CalcStaffSalary(kOwnClubCompetence, league->division, league->IsProfessional()));
}

void CManager::EndSeason() {
    if (HasClub() && !FollowClub(*this))
        Dismiss();
    // A contract that has run out ends with the season: he moves to the
    // club agreed for next season, or is left without a club.
    if (contractYears < 1 && (HasClub() || hasNextContract)) {
        TogglePlayerManager(true);
        if (hasNextContract) {
            StartNextContract();
        } else {
            LeaveClubPosts(*this, *club);
            PlaceWithoutClub();
            RecordCareerStation(false, false, false);
        }
        if (shownTeam)
            *shownTeam = club;
    }
    if (ownPlayer)
        ownPlayer->StartNewSeason();
}

void CManager::UpdateHistoryRecords() {
    if (world)
        history.UpdateAtSeasonEnd(*world);
}
