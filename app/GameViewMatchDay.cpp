#include "app/GameView.h"
#include "app/MatchDayClock.h"
#include "app/Options.h"
#include "career/Manager.h"
#include "engine/Match.h"
#include "engine/MatchOptions.h"
#include "squad/LineupSlots.h"
#include "world/Team.h"

std::array<uint8_t, 2> g_matchSliceSize = {10, 10};
int g_textSpeed = 15;
bool g_matchDayStarted = false;

namespace {

constexpr uint32_t kOptQuickUserMatch = 1u << 28;
constexpr uint32_t kOptNoReport = 1u << 27;
constexpr uint32_t kOptNoFigures = 1u << 26;
constexpr int kOtherDaysShift = 30;
constexpr uint32_t kOtherDaysMask = 3;
constexpr uint32_t kOtherDaysLive = 0;
constexpr uint32_t kOtherDaysGoOn = 2;

bool IsUserMatch(const CMatch& m) {
    return (IsUserTeam(m.home.team) || IsUserTeam(m.away.team)) && !m.home.team->squad.empty() &&
           !m.away.team->squad.empty();
}

}  // namespace

uint32_t CGameView::OtherDaysMode() const { return (state_.options >> kOtherDaysShift) & kOtherDaysMask; }

void CGameView::RunMatchDay() {
    userPlaysToday_ = false;
    shownMatch_ = nullptr;
    matchClock_.Start();
    world_.CollectTodaysMatches(todaysMatches_);
    if (todaysMatches_.empty()) {
        world_.CompleteMatchDay(competitionMask_);
        return;
    }
    for (CMatch* m : todaysMatches_)
        if (IsUserMatch(*m))
            ShowUserMatch(*m);
    if (!userPlaysToday_ && OtherDaysMode() != kOtherDaysLive) {
        KillTimer(kDayTimer);
        SimulateMatches(todaysMatches_);
        ShowMatchDayResults();
        return;
    }
    if (userPlaysToday_ && (state_.options & kOptQuickUserMatch))
        return;
    for (CMatch* m : todaysMatches_)
        if (m != shownMatch_)
            m->Prepare();
    if (userPlaysToday_) {
        shownMatch_->StartLive();
        if (!userTeam_->HasAssistantCoach())
            g_assistantSubstitutes = 0;
    } else {
        screenId_ = kMatchScreen;
    }
}

// The last of the user's matches is shown; the window follows the team
// that plays it, the club or the national team.
void CGameView::ShowUserMatch(CMatch& m) {
    userPlaysToday_ = true;
    shownMatch_ = &m;
    m.spectators = static_cast<uint32_t>(g_manager.spectatorsNextMatch);
    if (userTeam_ != m.home.team && userTeam_ != m.away.team)
        userTeam_ = IsUserTeam(m.away.team) ? m.away.team : m.home.team;
    g_matchSheetSize = m.sheetSize;
}

bool CGameView::IsAnyMatchRunning() const {
    for (const CMatch* m : todaysMatches_)
        if (m->IsRunning())
            return true;
    return false;
}

// One tick of the live day: every match plays the same slice; a new
// report line of the shown match holds the day for g_textSpeed ticks.
void CGameView::MatchTick() {
    if (g_reportPauseTicks != 0) {
        if (--g_reportPauseTicks == 0 && !g_matchLines.empty())
            g_reportPauseTicks = g_textSpeed;
        ChangeMatchPhase();
        return;
    }
    if (matchClock_.CurrentPhase() == MatchDayClock::kShootoutPlayed) {
        KillTimer(kMatchTimer);
        ShowMatchDayResults();
        userPlaysToday_ = false;
        return;
    }
    const int slice = g_matchSliceSize[userPlaysToday_ ? 1 : 0];
    matchClock_.Pass(slice);
    if (userPlaysToday_ && shownMatch_->PlayTimeSlice(slice))
        g_reportPauseTicks = g_textSpeed;
    for (CMatch* m : todaysMatches_)
        if (m != shownMatch_ || !userPlaysToday_)
            m->PlayTimeSlice(slice);
    ChangeMatchPhase();
}

void CGameView::ChangeMatchPhase() {
    const MatchDayClock::Change change = matchClock_.EndPhaseIfDue(IsAnyMatchRunning());
    bool redraw = MatchDayClock::Redraws(change);
    switch (change) {
    case MatchDayClock::Change::kHalfTime:
        if (userPlaysToday_)
            redraw = !TakeBreak();
        break;
    case MatchDayClock::Change::kPeriodBreak:
        if (userPlaysToday_ && shownMatch_->IsRunning())
            redraw = !TakeBreak();
        break;
    case MatchDayClock::Change::kPlayShootout:
        for (CMatch* m : todaysMatches_)
            if (m->IsRunning())
                m->PlayPenaltyShootout();
        break;
    case MatchDayClock::Change::kDayOver:
        KillTimer(kMatchTimer);
        ShowMatchDayResults();
        break;
    case MatchDayClock::Change::kNone:
        break;
    }
    if (redraw)
        Invalidate();
}

// The user may change his lineup; the match screen brings timer 102 back.
bool CGameView::TakeBreak() {
    KillTimer(kMatchTimer);
    screenId_ = kTeamScreen;
    Invalidate();
    return true;
}

void CGameView::ShowMatchDayResults() {
    g_matchDayStarted = false;
    const uint32_t options = state_.options;
    if (userPlaysToday_ && !(options & kOptNoReport))
        screenId_ = kMatchReportScreen;
    world_.CompleteMatchDay(competitionMask_);
    todaysMatches_.clear();
    shownMatch_ = nullptr;
    if (userPlaysToday_)
        g_manager.nextMatchSeasonTickets = 0;
    userTeam_ = world_.FindNextUserMatch();
    const bool goOn = userPlaysToday_ ? (options & kOptNoReport) && (options & kOptNoFigures)
                                      : OtherDaysMode() == kOtherDaysGoOn;
    if (goOn) {
        screenId_ = kStatusScreen;
        SetTimer(kDayTimer, kDayTickMs);
    } else {
        if (!userPlaysToday_ || (options & kOptNoReport))
            screenId_ = kMatchFiguresScreen;
        running_ = false;
    }
    Invalidate();
}
