#include "finance/ComputerClub.h"
#include "world/Finance.h"
#include "world/GameDate.h"
#include "world/Nation.h"
#include "world/Team.h"

// The weekly check of a computer-run club: its board backs or replaces the
// coach, works on the squad and the money in the weeks of the year set
// aside for them, and every second month looks for a financial crisis.

namespace {

constexpr int kReviewFirstDay = 8;
constexpr int kReviewLastDay = 14;
constexpr int kContractFirstDay = 2;
constexpr int kContractLastDay = 8;
constexpr int kCrisisFirstDay = 2;
constexpr int kCrisisLastDay = 8;

bool IsReviewMonth(int month, bool professionalAccount) {
    if (month == 1 || month == 4 || month == 7 || month == 10)
        return true;
    // Clubs without a professional account look at their squad before the
    // season's end and its winter break too.
    return !professionalAccount && (month == 6 || month == 12);
}

}  // namespace

WeeklyCheckDays GetWeeklyCheckDays(const Date& date, bool professionalAccount) {
    const int day = date.Day();
    const int month = date.Month();
    WeeklyCheckDays days;
    days.review = day >= kReviewFirstDay && day <= kReviewLastDay && IsReviewMonth(month, professionalAccount);
    days.contracts = day >= kContractFirstDay && day <= kContractLastDay && (month == 1 || month == 6);
    days.crisisTest = day >= kCrisisFirstDay && day <= kCrisisLastDay && month % 2 == 0;
    return days;
}

void CFinance::CheckWeekly(CNation& nation, CLeague& league, CTeam& team) {
    if (!team.IsCoachJobSafe())
        nation.AppointStaffFromPool(team, StaffPost::kCoach);
    const ComputerClub club{nation, league, team};
    const WeeklyCheckDays days = GetWeeklyCheckDays(g_gameDate, IsProfessional());
    if (days.review)
        ReviewFinances(club, ReviewSquad(club));
    if (days.contracts)
        RenewContracts(club);
    if (IsSquadPlanningDue(club))
        PlanSquad(club);
    if (days.crisisTest)
        TestForFinancialCrisis(club);
}
