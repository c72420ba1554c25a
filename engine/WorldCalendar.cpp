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

void CWorld::AppointMissingNationalCoaches() {
    VisitNations(*this, [](CNation& nation) {
        if (!IsUserTeam(&nation.nationalTeam) && !nation.nationalTeam.IsCoachJobSafe())
            nation.AppointStaffFromPool(nation.nationalTeam, StaffPost::kCoach);
    });
}
