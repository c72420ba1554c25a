// A new game for the manager, once its set-up has given him his names,
// birthday, level, place, club and national team.
#include "career/ManagerPosts.h"
#include "finance/IncomeFormulae.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"

namespace {

// A national coach is paid as a professional coach of a top league.
constexpr int kNationalCoachLeagueLevel = 1;

}  // namespace

void CManager::PrepareNewGame() {
    ResetCareerState();
    DeleteOwnedItems();
    if (HasClub() && league) {
        SetContract(ProposeContractTerms(*league, *club));
        if (club->coachSurname.size() > 1 && nation) {
            SendCoachToPool(*club, *nation);
            club->coachFirstName.clear();
            club->coachSurname.clear();
        }
        // A club whose manager bears its name has just been taken over: its
        // season start starts his season there (CNation::StartSeason).
        club->managerSurname = club->name;
        ++clubsManaged;
    }
    if (HasNationalTeam()) {
        nationalTeam->coachFirstName = firstName;
        nationalTeam->coachSurname = lastName;
        nationalTeam->coachBirthday = birthday;
        nationalTeam->coachCode = coachingLevel;
        nationalCoachSalary = static_cast<int32_t>(CalcStaffSalary(coachingLevel, kNationalCoachLeagueLevel, true));
    }
}
