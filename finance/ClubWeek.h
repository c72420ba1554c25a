#pragma once

#include <cstdint>

class CFinance;
class CLeague;
class CTeam;

// One club's week outside its matches (CFinance::RunClubWeekEvents), taken
// apart into its steps. The club's account is team.account.

struct ClubWeek {
    CLeague& league;
    CTeam& team;
    // The user manages the club: taken when the week starts, cleared when
    // the board sends him away during it, from when on the club decides
    // its money as a computer-run club does.
    bool user = false;
};

// Every week, professional clubs: the week's fan-article trade.
void TradeFanArticles(const ClubWeek& week);

// Every week, the user's club: his allowance of transfer talks that other
// clubs open grows, new sponsors join the pool early in the season, and a
// board that no longer backs him warns or dismisses him.
void RunManagerWeek(ClubWeek& week);
// New participants join the pool of sponsors of the user's club in the
// first weeks of the season, the more the cheaper he offers it.
void WelcomePoolSponsors(CFinance& account);

// The first week of a month.
// The players' and the staff's monthly pay.
void PayMonthlySalaries(const ClubWeek& week);
// The board, the fans and the club's confidence answer the league table.
void ReactToLeaguePosition(const ClubWeek& week);
// A rich club grows confident, a poor one worries.
void ReactToWealth(const ClubWeek& week);
// December of a computer-run club: money spare or owed goes into an
// investment or a loan; money, the club's balance plus its capital.
void TakeDecemberDecisions(const ClubWeek& week, int64_t money);
// Youth and amateur players arrive, improve and leave.
void RunYouthTeam(const ClubWeek& week);
void RunAmateurTeam(const ClubWeek& week);
// A club's manager who is weaker than its squad costs it confidence.
void JudgeClubManager(const ClubWeek& week);

// Every week, professional clubs: now and then the players' motivation
// moves towards what the club makes of them.
void AdjustSquadMotivation(const ClubWeek& week);
