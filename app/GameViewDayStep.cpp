#include "app/DayCalendar.h"
#include "app/GameView.h"
#include "app/Highscore.h"
#include "app/MessageDlg.h"
#include "app/SaveGameFile.h"
#include "app/UnhappyPlayers.h"
#include "engine/SeasonCalendar.h"
#include "platform/GameOptions.h"
#include "squad/Training.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace {

constexpr int kInfoIcon = 4;
constexpr int kTeamIcon = 1;

bool HasClub(const CTeam* team) { return team && team != &g_noClubTeam; }

}  // namespace

void CGameView::LetTimeRun() {
    running_ = true;
    screenId_ = kStatusScreen;
    SetTimer(kDayTimer, kDayTickMs);
}

void CGameView::OnTimer(unsigned id) {
    if (id == kDayTimer)
        DayTick();
    else if (id == kMatchTimer)
        MatchTick();
    else if (id == kToolTipTimer)
        ShowToolTip();
    else if (id == kMusicStartTimer)
        StartMusicOnShow();
}

// A day takes 2 x kRevealTicks ticks: its steps run in the first, the new
// status panel opens in the first half and the second half pauses. The
// weekly report follows Sunday's steps, in the tick that ends the reveal.
void CGameView::DayTick() {
    if (dayTick_ == 0)
        RunDatedSteps();
    ++dayTick_;
    if (dayTick_ == kRevealTicks) {
        if (g_gameDate.DayOfWeek() == Weekday::kMonday)
            RunWeeklyReport();
        Invalidate();
    }
    if (dayTick_ == 2 * kRevealTicks)
        dayTick_ = 0;
}

void CGameView::RunDatedSteps() {
    const uint32_t steps = DatedStepsOf(g_gameDate);
    const int dayIndex = GetSeasonDayIndex(g_gameDate);
    if (steps & DayStep::kSeasonChange)
        Paused([this] { ChangeSeason(); });
    if (steps & DayStep::kHalfYear)
        Paused([this] { world_->DoHalfYearLeagueStep(); });
    if (steps & DayStep::kTransferListWarning)
        Paused([this] { WarnTransferListClosing(); });
    if (steps & DayStep::kUnhappyPlayers)
        Paused([this] { WarnUnhappyPlayers(); });
    if (steps & DayStep::kTransferLists)
        world_->UpdateTransferLists();
    if (steps & DayStep::kNationalSquads)
        world_->NominateNationalSquads(false, false);
    if (steps & DayStep::kWeekly)
        Paused([this] { world_->DoWeeklyStep(); });
    if (steps & DayStep::kTraining)
        Paused([this] { RunTrainingOfTheDay(); });
    if (CarriesMatches(GetDayCode(dayIndex)))
        StartMatchDay();
    g_gameDate = g_gameDate.AddDays(1);
    SellAdvanceTickets();
    SellSeasonTickets();
}

void CGameView::ChangeSeason() {
    world_->AwardContinentalTitles();
    if (g_manager.UpdateHighscore(g_highscores))
        WriteHighscoreFile(kHighscorePath, g_highscores);
    g_manager.UpdateHistoryRecords();
    world_->CarryOutAgreedTransfers();
    world_->EndSeason();
    world_->StartNewSeason();
    userTeam_ = world_->FindNextUserMatch();
}

// A day with matches stops the day timer until the match day is over;
// the user first sees his team to set the lineup.
void CGameView::StartMatchDay() {
    competitionMask_ = GetDayCode(GetSeasonDayIndex(g_gameDate));
    RunMatchDay();
    if (todaysMatches_.empty())
        return;
    KillTimer(kDayTimer);
    if (userPlaysToday_) {
        screenId_ = kTeamScreen;
        if (HasClub(userTeam_))
            userTeam_->ValidateLineup();
    } else {
        SetTimer(kMatchTimer, kMatchTickMs);
    }
    Invalidate();
}

void CGameView::WarnTransferListClosing() {
    CMessageDlg box;
    box.title = "transfer list closed";
    box.text = "After next week the transfer list will be closed. All negotiations from then on will "
               "concern the next season.";
    box.Open(MSG_BLUE | MSG_OK | MSG_MESSAGE, kInfoIcon);
}

void CGameView::WarnUnhappyPlayers() {
    if (!HasClub(g_manager.club) || !g_manager.league)
        return;
    const int count = CountUnhappyPlayers(*g_manager.club, *g_manager.league, g_manager.GetInflationPermille());
    if (count == 0)
        return;
    const UnhappyPlayersMessage message = MakeUnhappyPlayersMessage(count, IsWomensGame());
    CMessageDlg box;
    box.title = message.title;
    box.text = message.text;
    box.Open(MSG_GREEN | MSG_OK | MSG_TEAM, kTeamIcon);
}

// The user's team trains a fifth of its week each weekday; the computer's
// teams train their whole week in the week steps.
void CGameView::RunTrainingOfTheDay() {
    if (!HasClub(userTeam_))
        return;
    const TrainingUnitRange units = TrainingUnitsOfDay(g_gameDate.DayOfWeek());
    if (units.to > units.from)
        userTeam_->RunTrainingUnits(units.from, units.to);
}

void CGameView::SellAdvanceTickets() {
    if (g_manager.daysToNextMatch < 0)
        return;
    --g_manager.daysToNextMatch;
    g_manager.nextMatchSeasonTickets =
        AdvanceSales(g_manager.nextMatchSeasonTickets, g_manager.spectatorsNextMatch, g_manager.daysToNextMatch);
}

// The season-ticket sale of the user's club runs for the days its season
// start gives it; a sale that claims more than two months is ended after
// one more day.
void CGameView::SellSeasonTickets() {
    constexpr int32_t kLongestSale = 60;
    int32_t& daysLeft = g_manager.seasonStartCounter;
    CTeam* club = g_manager.club;
    if (daysLeft < 0 || !HasClub(club) || !g_manager.league)
        return;
    if (daysLeft > kLongestSale)
        daysLeft = -1;
    const int32_t sold = SeasonTicketsAfterDay(club->account.GetSeasonTicketsSold(), g_manager.seasonTicketsSold);
    club->account.SellSeasonTickets(sold, g_manager.league->GetTeamCount() - 1);
    --daysLeft;
}

// The week's records of the user's club and its training plan; the game
// stops until the user lets time run again.
void CGameView::RunWeeklyReport() {
    KillTimer(kDayTimer);
    g_seasonWeek = GetCurrentSeasonWeek();
    g_lastReportMonth = g_gameDate.Month();
    if (HasClub(userTeam_)) {
        userTeam_->LoadCurrentWeekTraining();
        userTeam_->ValidateLineup();
    }
    g_manager.RecordWeek(g_seasonWeek);
    world_->DoWeeklyClubStep();
    g_manager.LoadClubLogo();
    screenId_ = HasClub(userTeam_) ? kTeamScreen : kNoClubScreen;
    running_ = false;
    Invalidate();
    if (AutosaveDue(state_.options, static_cast<uint32_t>(g_seasonWeek)))
        SaveGame(true);
}
