#include "app/EffectSounds.h"
#include "app/GameView.h"
#include "app/MatchDayClock.h"
#include "app/MessageDlg.h"
#include "engine/MatchOptions.h"
#include "engine/MatchReport.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "platform/WindowSystem.h"
#include "squad/LineupSlots.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Team.h"

constexpr std::array<uint8_t, 2> kStartSliceSize = {10, 10};
constexpr int kStartTextSpeed = 15;

std::array<uint8_t, 2> g_matchSliceSize = kStartSliceSize;
int g_textSpeed = kStartTextSpeed;

void ResetMatchDayGlobals() {
    g_matchSliceSize = kStartSliceSize;
    g_textSpeed = kStartTextSpeed;
}

namespace {

constexpr uint32_t kOptQuickUserMatch = 1u << 28;
constexpr uint32_t kOptNoReport = 1u << 27;
constexpr uint32_t kOptNoFigures = 1u << 26;
constexpr int kOtherDaysShift = 30;
constexpr uint32_t kOtherDaysMask = 3;
constexpr uint32_t kOtherDaysLive = 0;
constexpr uint32_t kOtherDaysGoOn = 2;

// The lineup places the start checks: the goalkeeper, the defence
// formation, the offence formation; the first seven stand on the field.
constexpr int kCheckedPlaces = 13;
constexpr int kFieldPlaces = 7;
constexpr int kCompleteLineup = 12;
constexpr int kLeastFieldPlayers = 5;
constexpr size_t kLeastSquadToAsk = 4;
constexpr int kInfoIcon = 4;
constexpr int kChangeLineup = 1;

void PlayEffect(EffectSound effect, bool loop) {
    if (g_pOptions && (*g_pOptions & kOptSoundEffects))
        CurrentWindowSystem().Sound().PlayWave(g_effectSounds[effect], loop);
}

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
    world_->CollectTodaysMatches(todaysMatches_);
    matchesPlayed_ += todaysMatches_.size();
    if (todaysMatches_.empty()) {
        world_->CompleteMatchDay(competitionMask_);
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

bool CGameView::WaitsForUserMatch() const {
    return userPlaysToday_ && shownMatch_ && screenId_ >= kTeamScreen && screenId_ < kMatchScreen;
}

void CGameView::StartUserMatch() {
    if (!WaitsForUserMatch())
        return;
    const uint32_t options = state_.options;
    screenId_ = kMatchScreen;
    if (!g_matchDayStarted) {
        if (!ConfirmIncompleteLineup()) {
            screenId_ = kTeamScreen;
            Invalidate();
            return;
        }
        if (!(options & kOptQuickUserMatch) && !shownMatch_->CheckLineups()) {
            userPlaysToday_ = false;
            shownMatch_ = nullptr;
        }
        PlayEffect(kEffectWhistle, false);
    }
    if (options & kOptQuickUserMatch) {
        KillTimer(kDayTimer);
        SimulateMatches(todaysMatches_);
        ShowMatchDayResults();
        return;
    }
    if (!g_matchDayStarted) {
        g_matchDayStarted = true;
        music_.Play(GameMusic::kChosenList, false, false);
        PlayEffect(RandBelow(2) ? kEffectCheering2 : kEffectCheering, true);
    }
    SetTimer(kMatchTimer, kMatchTickMs);
    Invalidate();
}

// Fewer than twelve in the lineup: the user may change it or play; with
// fewer than five on the field he plays on to a lost match.
bool CGameView::ConfirmIncompleteLineup() {
    int filled = 0, onField = 0;
    for (int i = 0; i < kCheckedPlaces; ++i)
        if (userTeam_->lineup[static_cast<size_t>(i)] != 0) {
            ++filled;
            onField += i < kFieldPlaces;
        }
    if (filled >= kCompleteLineup || userTeam_->squad.size() < kLeastSquadToAsk)
        return true;
    CMessageDlg box;
    box.title = "incomplete lineup";
    if (onField >= kLeastFieldPlayers) {
        box.text = "Your lineup ist incomplete. Would you like to change the lineup or start the game ?";
        box.choiceLabels = {"start game", "change"};
    } else {
        box.text = "Your lineup ist incomplete. You have less then 5 players on the field. You lose the game with 10:0!";
        box.choiceLabels = {"lose", "change"};
    }
    box.Open(MSG_TEAM | MSG_BLUE, kInfoIcon);
    return box.choice != kChangeLineup;
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
    if (options & kOptSoundEffects) {
        CurrentWindowSystem().Sound().StopWave();
        if (userPlaysToday_ && !(options & kOptQuickUserMatch))
            PlayEffect(kEffectFinalWhistle, false);
    }
    if (userPlaysToday_ && !(options & kOptNoReport))
        screenId_ = kMatchReportScreen;
    world_->CompleteMatchDay(competitionMask_);
    todaysMatches_.clear();
    shownMatch_ = nullptr;
    if (userPlaysToday_)
        g_manager.nextMatchSeasonTickets = 0;
    userTeam_ = world_->FindNextUserMatch();
    const bool goOn = userPlaysToday_ ? (options & kOptNoReport) && (options & kOptNoFigures)
                                      : OtherDaysMode() == kOtherDaysGoOn;
    if (goOn) {
        screenId_ = kStatusScreen;
        SetTimer(kDayTimer, kDayTickMs);
        if (userPlaysToday_ && !(options & kOptQuickUserMatch))
            music_.Play(GameMusic::kFolderList, false, false);
    } else {
        if (!userPlaysToday_ || (options & kOptNoReport))
            screenId_ = kMatchFiguresScreen;
        running_ = false;
    }
    Invalidate();
}
