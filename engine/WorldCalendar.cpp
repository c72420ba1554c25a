#include "world/Manager.h"
#include "world/WorldWalk.h"

// The weekly and dated steps of the calendar that the world only hands
// down the tree.

void CWorld::DoWeeklyStep() {
    for (const auto& continent : continents)
        continent->DoWeeklyStep();
    g_manager.DoWeeklyStep();
}

// The talks of the week are decided before the computer clubs check their
// accounts and squads and open new ones.
void CWorld::DoWeeklyClubStep() {
    VisitNations(*this, [](CNation& nation) { nation.ResolveTransferTalks(); });
    VisitClubs(*this, [](CNation& nation, CLeague& league, CTeam& club) {
        if (!IsUserTeam(&club))
            club.account.CheckWeekly(nation, league, club);
    });
}

void CWorld::UpdateTransferLists() {
    VisitNations(*this, [](CNation& nation) { nation.UpdateTransferList(); });
}

void CWorld::DoHalfYearLeagueStep() {
    VisitLeagues(*this, [](CNation&, CLeague& league) { league.DoHalfYearStep(); });
}

void CWorld::AwardContinentalTitles() {
    for (const auto& continent : continents)
        continent->AwardTitles();
}

void CWorld::CarryOutAgreedTransfers() {
    VisitNations(*this, [this](CNation& nation) { nation.CarryOutAgreedTransfers(*this); });
}

// A coach who lost the backing of his federation is replaced, and so is
// none at all: a national team without a coach, as an edited world may
// bring, would otherwise stay without one for as long as it is backed.
void CWorld::AppointMissingNationalCoaches() {
    VisitNations(*this, [](CNation& nation) {
        const CTeam& team = nation.nationalTeam;
        if (!IsUserTeam(&team) && (!team.HasCoach() || !team.IsCoachJobSafe()))
            nation.AppointStaffFromPool(nation.nationalTeam, StaffPost::kCoach);
    });
}
