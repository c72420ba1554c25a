// The user's club's week with its manager: every eighth week one more
// transfer talk of another club about one of his players may open without
// him, sponsors join the pool early in the season, and a board that no
// longer backs him warns him, or sends him away.
#include <string>

#include "finance/ClubWeek.h"
#include "platform/PlayerMessages.h"
#include "platform/Random.h"
#include "squad/Training.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

constexpr int kAllowanceWeeks = 8;
constexpr uint32_t kManagerBox = MSG_RED | MSG_OK | MSG_MESSAGE;
constexpr int kWarningIcon = 5;

void CheckJobSecurity(ClubWeek& week) {
    if (week.team.IsCoachJobSafe())
        return;
    if (RandBelow(2) == 0) {
        g_manager.Dismiss();
        week.user = false;
        return;
    }
    TellPlayer({"unsafe job",
                "The managing committee of the club does not stand any longer fully behind you.  During further "
                "bad achievement your dismissal is inevitable.",
                kManagerBox, kWarningIcon});
}

}  // namespace

void RunManagerWeek(ClubWeek& week) {
    if (GetCurrentSeasonWeek() % kAllowanceWeeks == 0)
        ++g_manager.transferTalksLeft;
    WelcomePoolSponsors(week.team.account);
    CheckJobSecurity(week);
}
