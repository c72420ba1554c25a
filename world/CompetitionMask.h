#pragma once

#include <cstdint>

// The day code of the season calendar: which kinds of competition play on
// a day, and in its low bits the number of that day's match day. The
// match-day steps pass it down the world tree as the mask of the day.
using CompetitionMask = uint16_t;

namespace DayCode {

// The match day's number within its competition kind, from 1.
constexpr CompetitionMask kMatchDayNumber = 0x007F;
constexpr CompetitionMask kLowerLeagues = 0x0080;  // divisions other than 1
constexpr CompetitionMask kTopLeagues = 0x0100;    // division 1

// The nation's cups by their place in the nation's cup list: one value of
// the field per day.
constexpr CompetitionMask kNationalCupField = 0x0600;
constexpr CompetitionMask kFirstNationalCup = 0x0200;
constexpr CompetitionMask kSecondNationalCup = 0x0400;
constexpr CompetitionMask kFurtherNationalCups = 0x0600;  // the third cup on

// Every club cup of a continent, its embedded main club cup included.
constexpr CompetitionMask kContinentalClubCups = 0x0800;
constexpr CompetitionMask kContinentalSuperCup = 0x1000;

// One tournament of national teams, or its qualification, per day.
constexpr CompetitionMask kTournamentField = 0xE000;
constexpr CompetitionMask kChampionship = 0x4000;
constexpr CompetitionMask kChampionshipQualification = 0x6000;  // first extra cup
constexpr CompetitionMask kWorldCup = 0x8000;
constexpr CompetitionMask kWorldCupQualification = 0xA000;  // second extra cup
constexpr CompetitionMask kOlympia = 0xC000;

// Every competition bit lies at or above the lower leagues' bit, so a code
// from here on carries matches and a lower one at most a number.
constexpr CompetitionMask kFirstMatchCode = kLowerLeagues;

}  // namespace DayCode

constexpr int MatchDayNumber(CompetitionMask code) {
    return code & DayCode::kMatchDayNumber;
}

constexpr bool CarriesMatches(CompetitionMask code) {
    return code >= DayCode::kFirstMatchCode;
}

constexpr CompetitionMask LeagueCode(int division) {
    return division == 1 ? DayCode::kTopLeagues : DayCode::kLowerLeagues;
}

constexpr bool PlaysLeague(CompetitionMask code, int division) {
    return (code & LeagueCode(division)) != 0;
}

// The field value of the cup at `listIndex` (0-based) of a nation's cup list.
constexpr CompetitionMask NationalCupCode(int listIndex) {
    if (listIndex == 0)
        return DayCode::kFirstNationalCup;
    return listIndex == 1 ? DayCode::kSecondNationalCup : DayCode::kFurtherNationalCups;
}

constexpr bool PlaysNationalCup(CompetitionMask code, int listIndex) {
    return (code & DayCode::kNationalCupField) == NationalCupCode(listIndex);
}

constexpr CompetitionMask TournamentOf(CompetitionMask code) {
    return code & DayCode::kTournamentField;
}

// The year rules of the national teams, by the year in which a season
// begins: the world cup in even years with the championships' qualification
// beside it, the continental championships in odd years with the world
// cup's qualification, and the olympic tournament every fourth season.
constexpr bool IsWorldCupSeason(int seasonYear) {
    return seasonYear % 2 == 0;
}

constexpr bool IsOlympicSeason(int seasonYear) {
    return seasonYear % 4 == 3;
}

constexpr CompetitionMask NationalTeamTournamentOf(int seasonYear) {
    return IsWorldCupSeason(seasonYear) ? DayCode::kWorldCup : DayCode::kChampionship;
}

constexpr CompetitionMask QualificationOf(int seasonYear) {
    return IsWorldCupSeason(seasonYear) ? DayCode::kChampionshipQualification
                                        : DayCode::kWorldCupQualification;
}
