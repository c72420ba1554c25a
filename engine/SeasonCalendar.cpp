#include "engine/SeasonCalendar.h"

#include <algorithm>
#include <vector>

#include "world/GameDate.h"
#include "world/Team.h"

SeasonCalendar g_dayCodes{};

void ResetDayCodes() { g_dayCodes = {}; }

namespace {

using DayList = std::vector<int>;

constexpr int kDaysPerWeek = 7;
constexpr int kWednesday = 2;
constexpr int kSaturday = 5;
constexpr int kSunday = 6;

// The weeks that carry regular days: none in the first four weeks and none
// at the turn of the year.
struct WeekRange {
    int first, last;
};
constexpr WeekRange kRegularWeeks[] = {{4, 24}, {30, 46}};

// Above this many days of club cups, first national cup and top leagues
// the Saturdays move to Fridays, so that a weekend of two days can carry
// two match days.
constexpr int kFridayShiftLimit = 76;

// Cups and leagues count their days against a quarter of the top leagues'.
constexpr int kTopLeagueShareDivisor = 4;
constexpr int kFirstCupSaturdayDivisor = 4;

// The second national cup opens the season, counting back from this day,
// closer together the more days it needs.
constexpr int kSecondCupLastDay = 30;
constexpr int kSecondCupSpacingTenths = 20;
constexpr int kSecondCupCloseSpacingTenths = 15;
constexpr int kSecondCupClosestSpacingTenths = 10;
constexpr int kSecondCupCloseFrom = 16;
constexpr int kSecondCupClosestFrom = 23;

// The tournaments of national teams at the turn of the year and at the
// end of the season, each spread back over at least two weeks, and their
// qualification that ends three days before them.
constexpr int kTournamentLastDay = 209;
constexpr int kOlympiaLastDay = 356;
constexpr int kTournamentMinSpan = 14;
constexpr int kQualificationGap = 3;
constexpr int kQualificationFirstDay = 177;
constexpr int kQualificationFinalDays = 2;
constexpr int kQualificationFinalSpacing = 4;

// The super cup looks for a free stretch of six days from the day of week
// 12 on, or else plays at the start of the season.
constexpr int kSuperCupSearchFrom = 84;
constexpr int kSuperCupFreeRun = 6;
constexpr int kSuperCupFallbackDay = 21;
constexpr int kSuperCupMinSpan = 6;

// The further national cups play on eight days in the final weeks.
constexpr int kFurtherCupsFirstDay = 331;
constexpr int kFurtherCupsDays = 8;
constexpr float kFurtherCupsSpacing = 1.5f;

DayList RegularDays(int weekday) {
    DayList days;
    for (const WeekRange& range : kRegularWeeks)
        for (int w = range.first; w <= range.last; ++w)
            days.push_back(kDaysPerWeek * w + weekday);
    return days;
}

int ListSize(const DayList& list) {
    return static_cast<int>(list.size());
}

// The i-th of n steps over a span, truncated toward zero; the quotient is
// taken in single precision, as the calendar has always been laid out.
int SpreadOffset(int i, float step) {
    return static_cast<int>(static_cast<float>(i) * step);
}

float StepOf(int span, int count) {
    return static_cast<float>(span) / static_cast<float>(count);
}

// How many days of one kind go to each list.
struct DaySplit {
    int saturdays = 0;
    int wednesdays = 0;
    int sundays = 0;
};

enum class From { kFront, kBack };

class CalendarLayout {
public:
    explicit CalendarLayout(const SeasonCalendarCounts& counts) : counts_(counts) {}
    SeasonCalendar Build();

private:
    void BuildCandidateLists();
    void PlaceContinentalClubCups();
    void PlaceFirstNationalCup();
    void PlaceTopLeagues();
    void PlaceLowerLeagues();
    void PlaceSecondNationalCup();
    int PlaceTournamentDays(int lastDay, int n, CompetitionMask kind);
    int PlaceNationalTeamTournament();
    int PlaceOlympia();
    void PlaceQualification(int lastSpreadDay, int lastDay);
    void PlaceContinentalSuperCup();
    void PlaceFurtherNationalCups();

    void SpreadSplit(const DaySplit& split, CompetitionMask bits);
    void Spread(DayList& list, int n, From from, CompetitionMask bits);
    DaySplit FitToLists(DaySplit split, bool useSundays) const;
    void SetTournament(int day, CompetitionMask kind);
    int FindSuperCupStart() const;

    const SeasonCalendarCounts& counts_;
    SeasonCalendar codes_{};
    DayList wednesdays_, saturdays_, sundays_;
};

SeasonCalendar CalendarLayout::Build() {
    BuildCandidateLists();
    PlaceContinentalClubCups();
    PlaceFirstNationalCup();
    PlaceTopLeagues();
    PlaceLowerLeagues();
    PlaceSecondNationalCup();
    const int qualificationEnd = PlaceNationalTeamTournament();
    const int qualificationLast = PlaceOlympia();
    PlaceQualification(qualificationEnd, qualificationLast);
    PlaceContinentalSuperCup();
    PlaceFurtherNationalCups();
    return codes_;
}

void CalendarLayout::BuildCandidateLists() {
    wednesdays_ = RegularDays(kWednesday);
    saturdays_ = RegularDays(kSaturday);
    sundays_ = RegularDays(kSunday);
    const int weekendDays =
        counts_.continentalClubCupDays + counts_.firstNationalCupDays + counts_.topLeagueDays;
    if (weekendDays > kFridayShiftLimit)
        for (int& day : saturdays_)
            --day;
}

// n entries at even steps over the list as it stands, each taken day
// leaving the list for the kinds placed after it.
void CalendarLayout::Spread(DayList& list, int n, From from, CompetitionMask bits) {
    if (n <= 0)
        return;
    const float step = StepOf(ListSize(list), n);
    std::vector<int> taken;
    for (int i = 0; i < n; ++i) {
        const int offset = SpreadOffset(i, step);
        taken.push_back(from == From::kFront ? offset : ListSize(list) - 1 - offset);
    }
    std::sort(taken.begin(), taken.end());
    for (auto it = taken.rbegin(); it != taken.rend(); ++it) {
        codes_[list[*it]] |= bits;
        list.erase(list.begin() + *it);
    }
}

// What the Saturdays cannot hold moves to the Wednesdays, and what those
// cannot hold to the Sundays; each share is then limited to its list.
DaySplit CalendarLayout::FitToLists(DaySplit split, bool useSundays) const {
    const int saturdayExcess = split.saturdays - ListSize(saturdays_);
    if (saturdayExcess > 0)
        split.wednesdays += saturdayExcess;
    const int wednesdayExcess = split.wednesdays - ListSize(wednesdays_);
    if (useSundays && wednesdayExcess > 0)
        split.sundays += wednesdayExcess;
    split.saturdays = std::min(split.saturdays, ListSize(saturdays_));
    split.wednesdays = std::min(split.wednesdays, ListSize(wednesdays_));
    split.sundays = std::min(split.sundays, ListSize(sundays_));
    return split;
}

void CalendarLayout::SpreadSplit(const DaySplit& split, CompetitionMask bits) {
    Spread(saturdays_, split.saturdays, From::kFront, bits);
    Spread(wednesdays_, split.wednesdays, From::kBack, bits);
    Spread(sundays_, split.sundays, From::kFront, bits);
}

// Club cups share the weekends with the leagues once they need a quarter
// of the top leagues' days; fewer play on Saturdays alone.
void CalendarLayout::PlaceContinentalClubCups() {
    const int c = counts_.continentalClubCupDays;
    DaySplit split;
    if (c >= counts_.topLeagueDays / kTopLeagueShareDivisor) {
        split.saturdays = c / 2;
        split.wednesdays = c / 2 + c % 2;
    } else {
        split.saturdays = c;
    }
    SpreadSplit(FitToLists(split, false), DayCode::kContinentalClubCups);
}

void CalendarLayout::PlaceFirstNationalCup() {
    const int f = counts_.firstNationalCupDays;
    DaySplit split;
    if (f >= counts_.topLeagueDays / kTopLeagueShareDivisor) {
        split.saturdays = f / kFirstCupSaturdayDivisor;
        split.wednesdays = f - split.saturdays;
    } else {
        split.saturdays = f;
    }
    SpreadSplit(FitToLists(split, true), DayCode::kFirstNationalCup);
}

void CalendarLayout::PlaceTopLeagues() {
    DaySplit split;
    split.saturdays = counts_.topLeagueDays;
    SpreadSplit(FitToLists(split, true), DayCode::kTopLeagues);
}

// The lower leagues take Saturdays, then Wednesdays, in order, on days
// without the first national cup, whose rounds their clubs play too. They
// always get a first day.
void CalendarLayout::PlaceLowerLeagues() {
    DayList days = RegularDays(kSaturday);
    const DayList wednesdays = RegularDays(kWednesday);
    days.insert(days.end(), wednesdays.begin(), wednesdays.end());
    int given = 0;
    for (int day : days) {
        if (PlaysNationalCup(codes_[day], 0))
            continue;
        codes_[day] |= DayCode::kLowerLeagues;
        if (++given >= counts_.lowerLeagueDays)
            break;
    }
}

// Counting back from the season's first Wednesday on free days; a busy day
// is passed over without using up one of the cup's days.
void CalendarLayout::PlaceSecondNationalCup() {
    int s = counts_.secondNationalCupDays;
    int spacing = kSecondCupSpacingTenths;
    if (s >= kSecondCupClosestFrom)
        spacing = kSecondCupClosestSpacingTenths;
    else if (s >= kSecondCupCloseFrom)
        spacing = kSecondCupCloseSpacingTenths;
    for (int i = 0; i < s; ++i) {
        const int day = kSecondCupLastDay - i * spacing / 10;
        if (day < 0)
            break;
        if (codes_[day] == 0)
            codes_[day] = DayCode::kSecondNationalCup;
        else
            ++s;
    }
}

void CalendarLayout::SetTournament(int day, CompetitionMask kind) {
    codes_[day] = static_cast<CompetitionMask>((codes_[day] & ~DayCode::kTournamentField) | kind);
}

// Spreads n days of a tournament back from its last day over at least two
// weeks; returns the earliest day given, the last day itself when none is.
int CalendarLayout::PlaceTournamentDays(int lastDay, int n, CompetitionMask kind) {
    int earliest = lastDay;
    if (n <= 0)
        return earliest;
    const float step = StepOf(std::max(kTournamentMinSpan, n), n);
    for (int i = 0; i < n; ++i) {
        const int day = lastDay - SpreadOffset(i, step);
        if (day < 0)
            break;
        SetTournament(day, kind);
        earliest = day;
    }
    return earliest;
}

// Returns the last day of the qualification's spread, three days before
// the tournament. Without a tournament day the qualification ends as if the
// tournament began on its last day.
int CalendarLayout::PlaceNationalTeamTournament() {
    const int firstDay = PlaceTournamentDays(kTournamentLastDay, counts_.nationalTeamTournamentDays,
                                             NationalTeamTournamentOf(counts_.seasonYear));
    return firstDay - kQualificationGap;
}

// Returns the qualification's last day: three days before an olympic
// tournament, else the day the olympic tournament would end on. It stays
// far enough from day 0 for the day before it.
int CalendarLayout::PlaceOlympia() {
    if (!IsOlympicSeason(counts_.seasonYear) || counts_.olympicDays <= 0)
        return kOlympiaLastDay;
    const int firstDay = PlaceTournamentDays(kOlympiaLastDay, counts_.olympicDays, DayCode::kOlympia);
    return std::max(firstDay - kQualificationGap, kQualificationFinalSpacing);
}

// All but the last two days spread back from the end day; the last two
// come just before the season's final tournament, so the qualification is
// decided when the participants are drawn.
void CalendarLayout::PlaceQualification(int lastSpreadDay, int lastDay) {
    const CompetitionMask kind = QualificationOf(counts_.seasonYear);
    const int k = counts_.qualificationDays - kQualificationFinalDays;
    if (k > 0) {
        const float step = StepOf(std::max(lastSpreadDay - kQualificationFirstDay, k), k);
        for (int i = 0; i < k; ++i) {
            const int day = lastSpreadDay - SpreadOffset(i, step);
            if (day < 0)
                break;
            SetTournament(day, kind);
        }
    }
    SetTournament(lastDay - kQualificationFinalSpacing, kind);
    SetTournament(lastDay, kind);
}

int CalendarLayout::FindSuperCupStart() const {
    int run = 0;
    for (int day = kSuperCupSearchFrom; day < kSeasonCalendarDays; ++day) {
        run = codes_[day] == 0 ? run + 1 : 0;
        if (run == kSuperCupFreeRun)
            return day;
    }
    return kSuperCupFallbackDay;
}

// Back from the end of the first free stretch, on free days only.
void CalendarLayout::PlaceContinentalSuperCup() {
    int s = counts_.continentalSuperCupDays;
    if (s <= 0)
        return;
    const int start = FindSuperCupStart();
    const float step = StepOf(std::max(kSuperCupMinSpan, s), s);
    for (int i = 0; i < s; ++i) {
        const int day = start - SpreadOffset(i, step);
        if (day < 0)
            break;
        if (codes_[day] == 0)
            codes_[day] = DayCode::kContinentalSuperCup;
        else
            ++s;
    }
}

void CalendarLayout::PlaceFurtherNationalCups() {
    for (int i = 0; i < kFurtherCupsDays; ++i) {
        const int day = kFurtherCupsFirstDay + static_cast<int>(static_cast<float>(i) * kFurtherCupsSpacing);
        codes_[day] |= DayCode::kFurtherNationalCups;
    }
}

}  // namespace

CompetitionMask GetDayCode(int dayIndex) {
    const int slot = SeasonDaySlot(dayIndex, kSeasonCalendarDays);
    return slot < 0 ? 0 : g_dayCodes[slot];
}

CompetitionMask GetTodaysDayCode() {
    return GetDayCode(GetSeasonDayIndex(g_gameDate));
}

SeasonCalendar LayOutSeasonCalendar(const SeasonCalendarCounts& counts) {
    return CalendarLayout(counts).Build();
}
