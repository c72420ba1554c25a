// The weekly life of a club outside its matches, step by step in a fixed
// order: each step may draw from the game's random generator, so the order
// keeps a game the same from the same seed.
#include "finance/ClubWeek.h"
#include "world/Finance.h"
#include "world/GameDate.h"
#include "world/Team.h"

namespace {

constexpr int kFirstWeekLastDay = 7;
constexpr int kDecember = 12;
// Each month the fans may calm down.
constexpr int kCalmFanMood = 0;
constexpr int kFansCalmPercent = 5;

void RunClubMonth(ClubWeek& week) {
    CTeam& team = week.team;
    CFinance& account = team.account;
    PayMonthlySalaries(week);
    ReactToLeaguePosition(week);
    if (account.TransactionCount() > 0)
        account.BookInterest(team);
    const int64_t money = account.BookAccountInterest(team.capital);
    ReactToWealth(week);
    if (g_gameDate.Month() == kDecember && !week.user)
        TakeDecemberDecisions(week, money);
    RunYouthTeam(week);
    RunAmateurTeam(week);
    team.SetFanMood(kCalmFanMood, kFansCalmPercent);
    JudgeClubManager(week);
}

}  // namespace

void CFinance::RunClubWeekEvents(CLeague& league, CTeam& team) {
    ClubWeek week{league, team, IsUserTeam(&team)};
    if (IsProfessional())
        TradeFanArticles(week);
    if (week.user)
        RunManagerWeek(week);
    if (g_gameDate.Day() <= kFirstWeekLastDay)
        RunClubMonth(week);
    if (IsProfessional())
        AdjustSquadMotivation(week);
}
