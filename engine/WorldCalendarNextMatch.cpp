#include <algorithm>

#include "engine/SeasonCalendar.h"
#include "squad/LineupSlots.h"
#include "squad/Training.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/WorldWalk.h"

// The search for the user's next match: the first day of the calendar
// ahead on which his club, or soon his national team, has an opponent.

namespace {

// Codes up to this carry no competition worth a look.
constexpr CompetitionMask kLastSkippedCode = 64;
// National-team matches are looked for only this many days ahead.
constexpr int kNationalTeamLookAhead = 10;
constexpr uint32_t kNationalTeamTrainingUnits = 15;

struct NextMatch {
    CTeam* team = nullptr;
    CTeam* opponent = nullptr;
    bool away = false;
};

// Today's place in the calendar that g_dayCodes holds. From the change of
// season on 30 June to the first Monday of July it already describes the
// new season, which then begins up to a week ahead: today lies before its
// day 0, so that its first match days are found at once.
int CalendarToday() {
    const int index = GetSeasonDayIndex(g_gameDate);
    const bool seasonTurn = g_gameDate.Month() == kSeasonStartMonth ||
                            (g_gameDate.Month() == kSeasonEndMonth && g_gameDate.Day() == kSeasonEndDay);
    if (!seasonTurn)
        return index;
    for (int ahead = 1; ahead <= kDaysPerWeek; ++ahead)
        if (GetSeasonDayIndex(g_gameDate.AddDays(ahead)) == 0)
            return -ahead;
    return index;
}

// found is set when the team plays the competition that day; its opponent
// is then null when it has none.
bool FindInLeague(CLeague& league, CTeam* team, int day, NextMatch& found) {
    int number = 0;
    if (team == &g_noClubTeam || !league.FindTeam(team, number))
        return false;
    g_matchSheetSize = league.playersPerMatch;
    found.team = team;
    const int opponent = league.GetOpponentIndex(day, number, found.away);
    found.opponent = opponent >= 0 && opponent < static_cast<int>(league.clubs.size())
                         ? league.clubs[opponent].get()
                         : nullptr;
    return true;
}

// Without a club or national team the user finds no match, not even
// against a cup's empty places, which also stand for "no club".
bool FindInCup(CCup& cup, CTeam* team, int day, NextMatch& found) {
    int participant = 0;
    if (team == &g_noClubTeam || !cup.FindParticipant(team, participant))
        return false;
    g_matchSheetSize = cup.sheetSize;
    found.team = team;
    const int opponent = cup.GetOpponentIndex(day, participant, found.away);
    found.opponent = opponent >= 0 && opponent < static_cast<int>(cup.participants.size())
                         ? cup.participants[opponent]
                         : nullptr;
    return true;
}

// A competition in which the team plays but meets nobody that day leaves
// it without an opponent, and the search goes on.
bool HasOpponent(bool plays, NextMatch& found) {
    if (!plays)
        return false;
    if (found.opponent)
        return true;
    found.team->nextOpponent = &g_noClubTeam;
    return false;
}

bool FindClubMatch(CompetitionMask code, CTeam* club, NextMatch& found) {
    const int day = MatchDayNumber(code);
    if (CLeague* league = g_manager.league)
        if (PlaysLeague(code, league->division) && HasOpponent(FindInLeague(*league, club, day, found), found))
            return true;
    if (CNation* nation = g_manager.nation)
        for (size_t i = 0; i < std::min<size_t>(nation->cups.size(), CNation::kFixedCupCount); ++i)
            if (PlaysNationalCup(code, static_cast<int>(i)) &&
                HasOpponent(FindInCup(*nation->cups[i], club, day, found), found))
                return true;
    CContinent* continent = g_manager.continent;
    if (!continent)
        return false;
    if (code & DayCode::kContinentalClubCups) {
        for (const auto& cup : continent->clubCups)
            if (HasOpponent(FindInCup(*cup, club, day, found), found))
                return true;
        if (HasOpponent(FindInCup(continent->clubCup, club, day, found), found))
            return true;
    }
    return (code & DayCode::kContinentalSuperCup) &&
           HasOpponent(FindInCup(continent->superCup, club, day, found), found);
}

CCup* ContinentTournamentOf(CContinent& continent, CompetitionMask code) {
    switch (TournamentOf(code)) {
        case DayCode::kChampionship:
            return &continent.championship;
        case DayCode::kChampionshipQualification:
            return &continent.extraCups[CContinent::kChampionshipQualification];
        case DayCode::kWorldCupQualification:
            return &continent.extraCups[CContinent::kWorldCupQualification];
        default:
            return nullptr;
    }
}

bool FindNationalTeamMatch(CWorld& world, CompetitionMask code, CTeam* team, NextMatch& found) {
    const int day = MatchDayNumber(code);
    switch (TournamentOf(code)) {
        case DayCode::kWorldCup:
            return HasOpponent(FindInCup(world.worldCup, team, day, found), found);
        case DayCode::kOlympia:
            return HasOpponent(FindInCup(world.olympia, team, day, found), found);
        default:
            break;
    }
    for (const auto& continent : world.continents)
        if (CCup* cup = ContinentTournamentOf(*continent, code))
            if (HasOpponent(FindInCup(*cup, team, day, found), found))
                return true;
    return false;
}

CTeam* OrNoClub(CTeam* team) {
    return team ? team : &g_noClubTeam;
}

struct UserMatch {
    NextMatch found;
    CompetitionMask code = 0;
    int day = -1;  // none found
    bool clubMatch = false;
    bool sawCompetitionDay = false;
};

// The first day from firstDay on with a match of the user's club, or of his
// national team within the look-ahead from today.
UserMatch SearchUserMatch(CWorld& world, int today, int firstDay) {
    CTeam* club = OrNoClub(g_manager.club);
    CTeam* nationalTeam = OrNoClub(g_manager.nationalTeam);
    UserMatch next;
    for (int d = std::max(firstDay, 0); d < kSeasonCalendarDays; ++d) {
        const CompetitionMask code = g_dayCodes[d];
        if (code <= kLastSkippedCode)
            continue;
        next.sawCompetitionDay = true;
        next.found = NextMatch{};
        next.clubMatch = FindClubMatch(code, club, next.found);
        if (next.clubMatch || (d < today + kNationalTeamLookAhead && TournamentOf(code) != 0 &&
                               FindNationalTeamMatch(world, code, nationalTeam, next.found))) {
            next.code = code;
            next.day = d;
            return next;
        }
    }
    return next;
}

}  // namespace

CTeam* CWorld::FindNextUserMatch() {
    g_manager.daysToNextMatch = -1;
    const int today = CalendarToday();
    const UserMatch next = SearchUserMatch(*this, today, today + 1);
    // The week's training follows the competition ahead: the league's
    // units, or the national team's.
    if (g_manager.league && next.sawCompetitionDay)
        g_trainingUnitsPerWeek = g_manager.league->trainingUnits;
    if (next.day < 0)
        return OrNoClub(g_manager.club);
    if (!next.clubMatch)
        g_trainingUnitsPerWeek = kNationalTeamTrainingUnits;
    CTeam& team = *next.found.team;
    team.nextOpponent = next.found.opponent;
    team.flags =
        static_cast<uint8_t>(next.found.away ? team.flags | kTeamAwayMatch : team.flags & ~kTeamAwayMatch);
    g_manager.nextMatchDayCode = next.code;
    g_manager.daysToNextMatch = next.day - (today + 1);
    next.found.opponent->AutoLineup(true);
    ComputeNextMatchAttendance(team);
    return &team;
}

CTeam* CWorld::RestoreNextUserMatch() {
    const int today = CalendarToday();
    const UserMatch next = SearchUserMatch(*this, today, today);
    if (next.day < 0)
        return OrNoClub(g_manager.club);
    next.found.team->nextOpponent = next.found.opponent;
    return next.found.team;
}

// The crowd the user's next match expects, and for a league match of his
// own league the season tickets his club has sold.
void CWorld::ComputeNextMatchAttendance(CTeam& team) {
    const CTeam* opponent = team.nextOpponent;
    const CLeague* league = g_manager.league;
    int level = league ? league->division : 1;
    int number = 0;
    const bool bothInLeague = league && league->FindTeam(&team, number) && league->FindTeam(opponent, number);
    if (!bothInLeague || &team == g_manager.nationalTeam || opponent == g_manager.nationalTeam)
        level = 1;
    const bool away = team.flags & kTeamAwayMatch;
    const CTeam& home = away ? *opponent : team;
    const CTeam& visitor = away ? team : *opponent;
    g_manager.spectatorsNextMatch = static_cast<int32_t>(ComputeMatchAttendance(level, home, visitor));
    const CompetitionMask code = g_manager.nextMatchDayCode;
    const bool leagueDay = ((code & DayCode::kTopLeagues) && level <= 1) || ((code & DayCode::kLowerLeagues) && level > 1);
    if (leagueDay)
        g_manager.nextMatchSeasonTickets =
            std::max<int32_t>(g_manager.nextMatchSeasonTickets, team.account.GetSeasonTicketsSold());
}
