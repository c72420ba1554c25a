// The player events of the training week: sickness, vacation and job,
// the running down of absences, and the end of a trial in the squad.
#include <algorithm>
#include <array>

#include "platform/Date.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "squad/SquadVocabulary.h"
#include "squad/TrainingNews.h"
#include "squad/TrainingRun.h"
#include "world/GameDate.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// A sickness is drawn when the week's event draw (0-11999, scaled to the
// run) falls below its cumulative threshold.
struct Sickness {
    int kind;  // in the injury names
    int threshold;
    int leastDays;
    int mostDays;
};
constexpr std::array<Sickness, 6> kSicknesses = {{
    {21, 36, 3, 8},    // flu
    {22, 84, 3, 8},    // strong cold
    {23, 108, 3, 5},   // migraene
    {24, 132, 3, 6},   // stomach intestine flu
    {25, 144, 7, 14},  // bronchitis
    {26, 150, 21, 35},  // gland fever
}};
constexpr int kEventDrawRange = 12000;
constexpr int kSicknessLimit = 150;
constexpr int kAbsenceLimit = 300;
// A self-pitying or unwilling player stays away longer.
constexpr int kLongerSickness = 4;
constexpr int kUnwillingMotivation = 90;
constexpr int kLeastAbsenceDays = 7;
constexpr int kAbsenceDaysSpread = 15;

constexpr uint16_t kStatusLowByte = 0x00FF;
constexpr uint16_t kSuspensionMatches = 0x001F;
constexpr uint16_t kAbsenceMarks = 0x00E0;  // bits 5-7 end with the absence
constexpr int kDaysShift = CPlayer::kDaysOutShift;
constexpr uint16_t kInjuryIndexMask = 0x00FF;

// The trial marks share the low bits of the playing-style word with the
// transfer marks: a player on trial is never on the transfer list.
constexpr uint16_t kTrialFromYouth = 0x0001;
constexpr uint16_t kTrialFromAmateurs = 0x0002;
constexpr uint16_t kReturnHeldBack = 0x0010;
constexpr int kDaysOfLastWeek = 7;
constexpr int kFebruaryDays = 28;

constexpr int kMotivationLostWhileAway = -2;

int DaysInMonthForTrials(const Date& d) {
    return d.Month() == 2 ? kFebruaryDays : Date::DaysInMonth(d.Year(), d.Month());
}

const Sickness* DrawSickness(int draw) {
    for (const Sickness& s : kSicknesses)
        if (draw < s.threshold)
            return &s;
    return nullptr;
}

int SicknessDays(const CPlayer& p, const Sickness& s) {
    int spread = s.leastDays - s.mostDays;
    if (p.GetHealthType() == kSelfPitying)
        spread += kLongerSickness;
    if (p.motivation < kUnwillingMotivation)
        spread += kLongerSickness;
    return s.mostDays + Rand() * spread / 32768;
}

void FallSick(CTeam& team, size_t index, const Sickness& s) {
    CPlayer& p = *team.squad[index];
    const int days = SicknessDays(p, s);
    p.status = static_cast<uint16_t>(CPlayer::kInjured | days << kDaysShift);
    team.injuries.push_back(static_cast<uint16_t>(s.kind << 8 | (index & kInjuryIndexMask)));
    p.UpdateHealthAfterInjury(s.kind);
    if (IsUserTeam(&team))
        Announce(DescribeSickness(p, g_injuryNames[s.kind], days));
}

void StayAway(CTeam& team, CPlayer& p) {
    const int days = kLeastAbsenceDays + RandBelow(kAbsenceDaysSpread);
    p.SetAbsence(days);
    if (IsUserTeam(&team)) {
        const bool vacation = RandBelow(2) == 0;
        Announce(DescribeAbsence(p, vacation, IsWomensGame(), days));
    }
}

void DropIllnessEntry(CTeam& team, size_t index) {
    const auto entry = std::find_if(team.injuries.begin(), team.injuries.end(),
                                    [index](uint16_t e) { return (e & kInjuryIndexMask) == (index & kInjuryIndexMask); });
    if (entry != team.injuries.end())
        team.injuries.erase(entry);
}

}  // namespace

int TrainingRun::Days() const {
    return to * kDaysPerWeek / unitsPerWeek - from * kDaysPerWeek / unitsPerWeek;
}

void DrawSicknessOrAbsence(CTeam& team, size_t index, const TrainingRun& run) {
    CPlayer& p = *team.squad[index];
    int draw = RandBelow(kEventDrawRange) * run.unitsPerWeek / run.Units();
    if (p.GetHealthType() == kOftenInjured)
        draw = draw / 8 * 7;
    if (draw < kSicknessLimit)
        FallSick(team, index, *DrawSickness(draw));
    else if (draw < kAbsenceLimit && !p.IsProfessional())
        StayAway(team, p);
}

void CountDownAbsence(CTeam& team, size_t index, const TrainingRun& run) {
    CPlayer& p = *team.squad[index];
    if (run.FirstPart())
        p.ChangeMotivation(kMotivationLostWhileAway);
    int left = (p.status >> kDaysShift) - run.Days();
    if (left < 1) {
        left = 0;
        p.status &= static_cast<uint16_t>(~kAbsenceMarks);
        DropIllnessEntry(team, index);
    }
    p.status = static_cast<uint16_t>((p.status & kStatusLowByte) | left << kDaysShift);
    if (run.LastPart() && (p.status & kSuspensionMatches))
        --p.status;
}

bool SendBackFromTrialWhenDue(CTeam& team, size_t index) {
    CPlayer& p = *team.squad[index];
    const uint16_t trial = p.styleTraits & (kTrialFromYouth | kTrialFromAmateurs);
    if (trial == 0 || (p.styleTraits & kReturnHeldBack))
        return false;
    if (g_gameDate.Day() <= DaysInMonthForTrials(g_gameDate) - kDaysOfLastWeek)
        return false;
    const bool toYouth = trial & kTrialFromYouth;
    if (IsUserTeam(&team))
        Announce(DescribeReturn(p, toYouth));
    p.styleTraits &= static_cast<uint16_t>(~(kTrialFromYouth | kTrialFromAmateurs));
    // He joins the club's own amateur pool: the team of the nation that
    // may carry the amateur team's name is not looked up here.
    (toYouth ? team.youth : team.amateurs).push_back(team.RemovePlayer(&p));
    team.AutoLineup(false);
    return true;
}
