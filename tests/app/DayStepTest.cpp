#include <gtest/gtest.h>

#include "app/DayCalendar.h"
#include "app/GameView.h"
#include "app/MessageDlg.h"
#include "engine/SeasonCalendar.h"
#include "platform/Random.h"
#include "tests/app/HeadlessGame.h"
#include "tests/finance/FinanceSamples.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

TEST(DayCalendar, NamesTheStepsOfEachDate) {
    using namespace DayStep;
    struct Case {
        Date date;
        uint32_t steps;
    };
    // 2012: 7 January a Saturday, 14 June a Thursday, 30 June a Saturday.
    const Case cases[] = {
        {Date(2012, 1, 7), kTransferListWarning},
        {Date(2012, 1, 15), kTransferLists},        // a Sunday
        {Date(2012, 1, 16), kWeekly | kTraining},   // a Monday, not a squad month
        {Date(2012, 3, 16), kNationalSquads | kTraining},
        {Date(2012, 6, 14), kSeasonHonours | kTraining},
        {Date(2012, 6, 15), kHalfYear | kTraining},
        {Date(2012, 6, 20), kUnhappyPlayers | kTraining},
        {Date(2012, 6, 30), kSeasonChange},
        {Date(2012, 12, 15), kHalfYear},  // a Saturday
        {Date(2012, 12, 16), kNationalSquads},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DatedStepsOf(c.date), c.steps) << c.date.Month() << "/" << c.date.Day();
}

TEST(DayCalendar, AdvanceSalesReachTheExpectedOnTheMatchDayAndNeverFall) {
    SeedRandom(7);
    EXPECT_EQ(AdvanceSales(0, 1234, 0), 1234);
    EXPECT_EQ(AdvanceSales(2000, 1234, 0), 2000);
    int32_t sold = 0;
    for (int days = 10; days >= 0; --days) {
        const int32_t next = AdvanceSales(sold, 5000, days);
        EXPECT_GE(next, sold);
        EXPECT_LE(next, 5000);
        sold = next;
    }
    EXPECT_EQ(sold, 5000);
}

TEST(DayCalendar, SeasonTicketSalesGrowUpToTheMostThatCanBeSold) {
    SeedRandom(3);
    struct Case {
        int32_t sold, most, atLeast, atMost;
    };
    const Case cases[] = {
        {0, 10000, 5, 10 + (2 + 9) * 2},  // the first buyers: 5-10, then their share
        {400, 10000, 400, 400 + (100 + 399) * 2},
        {400, 450, 400, 450},  // the most that can be sold
        {400, 300, 400, 400},  // tickets sold stay sold
    };
    for (const Case& c : cases)
        for (int day = 0; day < 50; ++day) {
            const int32_t sold = SeasonTicketsAfterDay(c.sold, c.most);
            EXPECT_GE(sold, c.atLeast) << c.sold << " of " << c.most;
            EXPECT_LE(sold, c.atMost) << c.sold << " of " << c.most;
        }
}

TEST(DayCalendar, AutoSaveWeeksFollowTheOptionBits) {
    const uint32_t everySecond = 1u << 24;
    const uint32_t everyFourth = 2u << 24;
    const uint32_t never = 3u << 24;
    EXPECT_TRUE(IsAutoSaveWeek(everySecond, 2));
    EXPECT_FALSE(IsAutoSaveWeek(everySecond, 3));
    EXPECT_TRUE(IsAutoSaveWeek(everyFourth, 8));
    EXPECT_FALSE(IsAutoSaveWeek(everyFourth, 6));
    EXPECT_FALSE(IsAutoSaveWeek(never, 4));
    EXPECT_FALSE(IsAutoSaveWeek(0, 4));
}

// The main window on the headless system, its day timer stepped by the
// test and every box answered by the script's default, OK.
class DayCycle : public ::testing::Test, protected HeadlessGame {
protected:
    void Ticks(int n) { system.AdvanceTime(static_cast<uint64_t>(n) * CGameView::kDayTickMs); }

    std::vector<ModalRecord> Messages() const {
        std::vector<ModalRecord> boxes;
        for (const ModalRecord& r : runner.Records())
            if (r.kind != "plain message")
                boxes.push_back(r);
        return boxes;
    }
};

TEST_F(DayCycle, SeventhOfJanuaryWarnsThatTheTransferListCloses) {
    CGameView view;
    g_gameDate = Date(2012, 1, 7);
    view.LetTimeRun();
    Ticks(1);
    const std::vector<ModalRecord> boxes = Messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "transfer list closed");
    EXPECT_EQ(boxes[0].text,
              "After next week the transfer list will be closed. All negotiations from then on will concern "
              "the next season.");
    EXPECT_EQ(boxes[0].flags, 0x121u);
    EXPECT_EQ(boxes[0].extra, 4);
    EXPECT_EQ(g_gameDate, Date(2012, 1, 8));
    // The box left the day timer running.
    Ticks(2 * CGameView::kRevealTicks);
    EXPECT_EQ(g_gameDate, Date(2012, 1, 9));
}

// Sunday's steps move the date to Monday; the report ends the reveal of
// that day and leaves the game stopped before Monday's steps.
TEST_F(DayCycle, AWeeklyReportStopsTheGameOnMonday) {
    CGameView view;
    g_gameDate = Date(2012, 1, 1);  // a Sunday
    view.LetTimeRun();
    Ticks(CGameView::kRevealTicks - 1);
    EXPECT_EQ(g_gameDate, Date(2012, 1, 2));
    EXPECT_TRUE(view.Running());
    Ticks(1);
    EXPECT_FALSE(view.Running());
    EXPECT_EQ(view.ScreenId(), CGameView::kNoClubScreen);
    Ticks(10 * CGameView::kRevealTicks);
    EXPECT_EQ(g_gameDate, Date(2012, 1, 2));
}

// All matches of the day already decided: the day completes at once and
// time runs on.
TEST_F(DayCycle, AMatchDayWithoutMatchesDoesNotStopTheGame) {
    const SeasonCalendar savedCodes = g_dayCodes;
    CGameView view;
    g_gameDate = Date(2012, 1, 10);  // a Tuesday
    g_dayCodes[static_cast<size_t>(GetSeasonDayIndex(g_gameDate))] = 0x81;
    view.LetTimeRun();
    Ticks(2 * 2 * CGameView::kRevealTicks);
    EXPECT_EQ(g_gameDate, Date(2012, 1, 12));
    EXPECT_TRUE(view.Running());
    EXPECT_EQ(view.ScreenId(), CGameView::kStatusScreen);
    g_dayCodes = savedCodes;
}

// The user's club sells season tickets for the days its season start
// gave the sale, and books what they bring.
TEST_F(DayCycle, TheSeasonTicketSaleRunsItsDaysAndStops) {
    CGameView view;
    CTeam club;
    club.account = ProfessionalAccount();
    club.account.SetSeasonTicketPrice(1000);
    CLeague league;
    league.clubs.resize(12);
    g_manager.club = &club;
    g_manager.league = &league;
    g_manager.seasonTicketsSold = 3000;
    g_manager.seasonStartCounter = 3;
    g_gameDate = Date(2012, 7, 10);  // a Tuesday
    SeedRandom(5);
    view.LetTimeRun();
    std::vector<int> sold;
    for (int day = 0; day < 6; ++day) {
        Ticks(2 * CGameView::kRevealTicks);
        sold.push_back(club.account.GetSeasonTicketsSold());
    }
    EXPECT_GT(sold[0], 0);
    EXPECT_TRUE(std::is_sorted(sold.begin(), sold.end()));
    EXPECT_EQ(sold[3], sold[5]) << "four days of sale, then none";
    EXPECT_EQ(g_manager.seasonStartCounter, -1);
    EXPECT_EQ(static_cast<int64_t>(club.account.GetBalance()), int64_t{sold[5]} * 1000 * 11 / 100);
    g_manager.club = nullptr;
    g_manager.league = nullptr;
    g_manager.seasonTicketsSold = 0;
}

}  // namespace
