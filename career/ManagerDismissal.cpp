// The board loses confidence in the manager: he is paid off and leaves the
// club to people from the nation's pool.
#include "career/ManagerPosts.h"
#include "platform/PlayerMessages.h"
#include "platform/Text.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"

namespace {

constexpr int kDismissalIcon = 5;
// Fans this unhappy with the club celebrate his going.
constexpr int kCelebratingReputation = 50;

// The seasons he stayed raise the monthly pay he is owed for each season
// left.
uint32_t Compensation(const CManager& m) {
    const auto seasons = static_cast<uint32_t>(m.seasonsAtClub + 1);
    return seasons * static_cast<uint32_t>(m.salary) / 12 * static_cast<uint32_t>(m.contractYears);
}

std::string DismissalText(const CTeam& club, uint32_t compensation) {
    std::string text = club.GetArticle() + " " + club.name +
                       Format(" lost all confidence in you and dissolves your contract.  You receive a compensation "
                              "of %u \x80, ",
                              compensation) +
                       club.chiefFirstName + " " + club.chiefSurname + " wishes you good luck with you career.";
    if (club.fanReputation < kCelebratingReputation)
        text += " The " + club.fansNickname + " celebrate your dismissal.";
    return text;
}

}  // namespace

void CManager::Dismiss() {
    if (!HasClub())
        return;
    TogglePlayerManager(true);
    CTeam& oldClub = *club;
    const CLeague* oldLeague = league;
    CNation* oldNation = nation;
    const uint32_t compensation = Compensation(*this);
    // The fans' word is taken before a new coach changes their mood.
    const std::string text = DismissalText(oldClub, compensation);
    LeaveClubPosts(*this, oldClub);
    PlaceWithoutClub();
    if (oldNation) {
        oldNation->AppointStaffFromPool(oldClub, StaffPost::kCoach);
        oldNation->AppointStaffFromPool(oldClub, StaffPost::kManager);
    }

    TellPlayer({"Dismissal", text, MSG_RED | MSG_OK | MSG_MESSAGE, kDismissalIcon});
    balance += static_cast<int32_t>(compensation);
    oldClub.account.Book(kCostEmployees, compensation);
    // The club's season tickets sell as a computer-run club's do.
    if (oldLeague)
        oldClub.account.SellSeasonTickets(oldClub.account.CalcSeasonTicketHolders(oldLeague->division, oldClub),
                                          oldLeague->GetHomeMatchCount());

    salary = 0;
    contractYears = 0;
    if (shownTeam)
        *shownTeam = club;
    RecordCareerStation(false, false, true);
}
