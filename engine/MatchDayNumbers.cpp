#include <array>

#include "engine/SeasonCalendar.h"

namespace {

// The competitions that count their match days through the calendar, in
// the order in which they give a shared day its number.
enum NumberedKind {
    kClubCups,
    kFirstCup,
    kLeague,
    kSecondCup,
    kFurtherCups,
    kNationalTeams,  // the championship and the world cup share a count
    kOlympia,
    kQualification,  // both extra cups share a count
    kSuperCup,
    kNumberedKindCount,
};

using KindSet = std::array<bool, kNumberedKindCount>;

KindSet KindsOf(CompetitionMask code, bool userLeagueIsTop) {
    const CompetitionMask cups = code & DayCode::kNationalCupField;
    const CompetitionMask tournament = TournamentOf(code);
    KindSet kinds{};
    kinds[kClubCups] = userLeagueIsTop && (code & DayCode::kContinentalClubCups);
    kinds[kFirstCup] = cups == DayCode::kFirstNationalCup;
    kinds[kLeague] = (code & LeagueCode(userLeagueIsTop ? 1 : 2)) != 0;
    kinds[kSecondCup] = cups == DayCode::kSecondNationalCup;
    kinds[kFurtherCups] = cups == DayCode::kFurtherNationalCups;
    kinds[kNationalTeams] = tournament == DayCode::kChampionship || tournament == DayCode::kWorldCup;
    kinds[kOlympia] = tournament == DayCode::kOlympia;
    kinds[kQualification] = tournament == DayCode::kChampionshipQualification ||
                            tournament == DayCode::kWorldCupQualification;
    kinds[kSuperCup] = (code & DayCode::kContinentalSuperCup) != 0;
    return kinds;
}

CompetitionMask WithNumber(CompetitionMask code, int number) {
    return static_cast<CompetitionMask>((code & ~DayCode::kMatchDayNumber) |
                                        (number & DayCode::kMatchDayNumber));
}

// A day carries one number, that of its first competition; every
// competition on the day still counts it, so the days after it keep their
// numbers.
void NumberDays(SeasonCalendar& codes, bool userLeagueIsTop) {
    std::array<int, kNumberedKindCount> next;
    next.fill(1);
    for (CompetitionMask& code : codes) {
        const KindSet kinds = KindsOf(code, userLeagueIsTop);
        int number = 0;
        for (int kind = 0; kind < kNumberedKindCount; ++kind) {
            if (!kinds[kind])
                continue;
            if (number == 0)
                number = next[kind];
            ++next[kind];
        }
        code = WithNumber(code, number);
    }
}

int FindFreeDayAfter(const SeasonCalendar& codes, int day) {
    for (int d = day + 1; d < kSeasonCalendarDays; ++d)
        if (codes[d] == 0)
            return d;
    return -1;
}

// Each club-cup day moves to the next day free of every competition and is
// numbered there in order. A day that finds no free day after it stays.
void MoveClubCupDaysToFreeDays(SeasonCalendar& codes) {
    std::array<bool, kSeasonCalendarDays> moved{};
    int next = 1;
    for (int day = 0; day < kSeasonCalendarDays; ++day) {
        if (moved[day] || !(codes[day] & DayCode::kContinentalClubCups))
            continue;
        const int target = FindFreeDayAfter(codes, day);
        if (target < 0)
            continue;
        codes[day] &= static_cast<CompetitionMask>(~DayCode::kContinentalClubCups);
        codes[target] = WithNumber(DayCode::kContinentalClubCups, next++);
        moved[target] = true;
    }
}

}  // namespace

void NumberMatchDays(SeasonCalendar& codes, bool userLeagueIsTop, bool userClubInContinentalCup) {
    NumberDays(codes, userLeagueIsTop);
    if (!userLeagueIsTop && userClubInContinentalCup)
        MoveClubCupDaysToFreeDays(codes);
}
