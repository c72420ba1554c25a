#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/HeadlessModalRunner.h"
#include "screens/PlayerUnderClick.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenState.h"
#include "screens/StatisticsBookmarks.h"
#include "screens/StatisticsSelection.h"
#include "squad/LineupSlots.h"
#include "squad/WeekPlanNames.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kSquadSize = 8;

void FillSquad(CTeam& team, int players) {
    for (int i = 0; i < players; ++i) {
        auto player = std::make_unique<CPlayer>();
        player->positions = static_cast<uint8_t>(i % kPositionCount);
        team.squad.push_back(std::move(player));
    }
}

void PutInSlot(CTeam& team, int slot, int squadIndex) { team.lineup[slot] = static_cast<uint8_t>(squadIndex + 1); }

// The user's club and its opponent with eight players each (player i plays
// position i mod 7), and the areas of a screen as its last paint left
// them: lineup cards of 20 × 20 side by side along the top, the list area
// 200 × 160 below them, and the 24 buttons of 20 × 30 side by side below
// that.
class RightClick : public ::testing::Test {
protected:
    void SetUp() override {
        FillSquad(club, kSquadSize);
        FillSquad(opponent, kSquadSize);
        club.nextOpponent = &opponent;
        g_manager.club = &club;
        for (int slot = 0; slot < kLineupSlotCount; ++slot)
            g_lineupCardRects[slot] = {slot * 20, 0, slot * 20 + 20, 20};
        g_screenListRect = {0, 100, 200, 260};
        for (size_t k = 0; k < g_screenButtonRects.size(); ++k)
            g_screenButtonRects[k] = {static_cast<int>(k) * 20, 300, static_cast<int>(k) * 20 + 20, 330};
        previousRunner = SetModalRunner(&runner);
    }
    void TearDown() override { SetModalRunner(previousRunner); }

    static Point Card(int slot) { return {slot * 20 + 5, 10}; }
    static Point Button(int k, int dy = 5) { return {k * 20 + 5, 300 + dy}; }

    CTeam club;
    CTeam opponent;
    HeadlessModalRunner runner;
    ModalRunner* previousRunner = nullptr;
};

using PlayerUnderRightClick = RightClick;

TEST_F(PlayerUnderRightClick, EachScreenFindsThePlayerItShowsThere) {
    CTeam national;
    FillSquad(national, 3);
    g_manager.nationalTeam = &national;
    g_matchSheetSize = 12;  // slots 0-17 in use
    PutInSlot(club, 0, 0);
    PutInSlot(club, 3, 3);
    PutInSlot(club, 8, 5);
    PutInSlot(club, 13, 7);
    PutInSlot(club, 18, 6);  // beyond the match sheet
    PutInSlot(opponent, 0, 1);
    PutInSlot(opponent, 9, 2);
    g_screenListA = {4, 2, 0, 7, 1, 3, 5, 6};
    g_screenListTop = 1;
    g_individualPage = 1;
    g_planningFirstRows[0] = 1;
    g_statisticsPage = kStatisticsTeamsPage;

    enum Team { kNobody, kClub, kOpponent, kNational, kManager };
    struct Case {
        const char* what;
        int screen;
        Point p;
        Team team;
        int index;
        int mode;
        int poolPage = kPoolPage;
        bool userTable = false;  // the statistics table shows the user's club
    };
    const Case cases[] = {
        {"lineup: a filled card", kScreenLineup, Card(3), kClub, 3, 1},
        {"lineup: an empty card", kScreenLineup, Card(2), kNobody, 0, 0},
        {"lineup: a card beyond the match sheet", kScreenLineup, Card(18), kNobody, 0, 0},
        {"lineup: the first list row shows row 1", kScreenLineup, {50, 105}, kClub, 2, 1},
        {"lineup: the seventh list row", kScreenLineup, {50, 225}, kClub, 6, 1},
        {"lineup: below the last squad row", kScreenLineup, {50, 255}, kNobody, 0, 0},
        {"defence tactics: own goalkeeper", kScreenDefenceTactics, Card(0), kClub, 0, 1},
        {"defence tactics: the opponent's offence", kScreenDefenceTactics, Card(9), kOpponent, 2, 0},
        {"defence tactics: own offence is not shown", kScreenDefenceTactics, Card(8), kNobody, 0, 0},
        {"offence tactics: own offence", kScreenOffenceTactics, Card(8), kClub, 5, 1},
        {"offence tactics: own bench", kScreenOffenceTactics, Card(13), kClub, 7, 1},
        {"offence tactics: the opponent's goalkeeper", kScreenOffenceTactics, Card(0), kOpponent, 1, 0},
        {"individual: page 1, card 4", kScreenIndividual, Button(4), kClub, 7, 1},
        {"individual: beyond the squad", kScreenIndividual, Button(8), kNobody, 0, 0},
        {"contracts pool: the labels column", kScreenContracts, {10, 150}, kNobody, 0, 0},
        {"contracts pool: the first player column", kScreenContracts, {30, 150}, kClub, 1, 1},
        {"contracts pool: the last column", kScreenContracts, {199, 150}, kClub, 6, 1},
        {"contracts planning: goalkeepers from line 1", kScreenContracts, Button(12, 5), kClub, 7, 1, kPlanningPage},
        {"contracts planning: no third goalkeeper", kScreenContracts, Button(12, 15), kNobody, 0, 0, kPlanningPage},
        {"contracts planning: right wings", kScreenContracts, Button(13, 1), kClub, 1, 1, kPlanningPage},
        {"personal: the manager's card", kScreenPersonal, Button(6), kManager, 0, 1},
        {"personal: beside it", kScreenPersonal, Button(7), kNobody, 0, 0},
        {"statistics: the heading", kScreenStatistics, {50, 101}, kNobody, 0, 0},
        {"statistics: another club's first row", kScreenStatistics, {50, 109}, kOpponent, 4, 0},
        {"statistics: the user's club", kScreenStatistics, {50, 117}, kClub, 2, 1, kPoolPage, true},
        {"national team: row 2", kScreenNationalTeam, {50, 125}, kNational, 2, 1},
        {"national team: past the squad", kScreenNationalTeam, {50, 135}, kNobody, 0, 0},
        {"club screen: no players", kScreenClub, Card(3), kNobody, 0, 0},
    };
    for (const Case& c : cases) {
        g_squadPoolPage = c.poolPage;
        g_statisticsTeam = c.userTable ? &club : &opponent;
        const PlayerUnderClick found = FindPlayerUnderClick(club, c.p, c.screen);
        const CPlayer* expected = nullptr;
        switch (c.team) {
        case kNobody: break;
        case kClub: expected = club.squad[c.index].get(); break;
        case kOpponent: expected = opponent.squad[c.index].get(); break;
        case kNational: expected = national.squad[c.index].get(); break;
        case kManager: expected = g_manager.ownPlayer.get(); break;
        }
        EXPECT_EQ(found.player, expected) << c.what;
        if (expected)
            EXPECT_EQ(found.cardMode, c.mode) << c.what;
        EXPECT_FALSE(club.OnScreenRButtonDown(c.p.x, c.p.y, c.screen)) << c.what;
    }
    EXPECT_TRUE(runner.Records().empty());
}

TEST_F(PlayerUnderRightClick, NationalTeamOnlyForItsCoach) {
    ASSERT_EQ(g_manager.nationalTeam, &g_noClubTeam);
    g_noClubTeam.squad.push_back(std::make_unique<CPlayer>());
    EXPECT_EQ(FindPlayerUnderClick(club, {50, 101}, kScreenNationalTeam).player, nullptr);
}

using WeekPlanRightClick = RightClick;

TEST_F(WeekPlanRightClick, TheFreePlansButtonsAskForANewName) {
    runner.Script(ModalAnswer::Input("sprints"));
    EXPECT_TRUE(club.OnScreenRButtonDown(Button(17).x, Button(17).y, kScreenWeekPlanning));
    EXPECT_EQ(g_weekPlanNames[16], "sprints");
    ASSERT_EQ(runner.Records().size(), 1u);
    const ModalRecord& box = runner.Records()[0];
    EXPECT_EQ(box.title, "change name");
    EXPECT_EQ(box.text, "To which name the training week 'free 2' shoud be changed ?");
    EXPECT_EQ(box.inputText, "free 2");
    EXPECT_EQ(box.flags, 0x8E1u);
    EXPECT_EQ(box.extra, 4);
}

TEST_F(WeekPlanRightClick, CancelKeepsTheNameAndAsksNoRepaint) {
    runner.Script({false, {}, std::string("typed")});
    EXPECT_FALSE(club.OnScreenRButtonDown(Button(18).x, Button(18).y, kScreenWeekPlanning));
    EXPECT_EQ(g_weekPlanNames[17], "free 3");
    EXPECT_EQ(runner.Records().size(), 1u);
}

TEST_F(WeekPlanRightClick, OtherPlansAreNotRenamed) {
    EXPECT_FALSE(club.OnScreenRButtonDown(Button(15).x, Button(15).y, kScreenWeekPlanning));
    EXPECT_EQ(g_weekPlanNames[14], "freshness");
    EXPECT_TRUE(runner.Records().empty());
}

// The teams page: leagues, their teams, the player statistics pages. The
// list boxes are 200 × 180 side by side: inside a margin of 10 a heading
// and seven entries of 20 pixels each.
class StatisticsBookmarkClick : public RightClick {
protected:
    void SetUp() override {
        RightClick::SetUp();
        g_statisticsPage = kStatisticsTeamsPage;
        for (int list = 0; list < kStatisticsSelectionLists; ++list)
            g_screenButtonRects[list] = {list * 200, 0, list * 200 + 200, 180};
        g_statisticsSelections = {{{1, 0, 3}, {4, 2, 10}, {0, 0, 11}}};
        g_statisticsEntryCaptions = {{{"first league", "second league", "third league"},
                                      {"Aalborg", "Bergen", "Celle", "Dessau", "Essen", "Fulda", "Gera"},
                                      {"matches", "total matches", "player's development"}}};
    }

    // Entry row r (0-6) of list box `list`.
    bool RightClickOn(int list, int row) {
        return club.OnScreenRButtonDown(list * 200 + 50, 45 + 20 * row, kScreenStatistics);
    }

    const std::vector<uint32_t>& keys = g_manager.statisticsBookmarks;
    const std::vector<std::string>& names = g_manager.statisticsBookmarkNames;
};

TEST_F(StatisticsBookmarkClick, TwiceOnTheDeepestListAddsThenRemovesTheView) {
    EXPECT_TRUE(RightClickOn(2, 2));
    EXPECT_EQ(keys, (std::vector<uint32_t>{0x02010402}));
    EXPECT_EQ(names, (std::vector<std::string>{"teams - second league - Celle - player's development"}));
    EXPECT_EQ(StatisticsBookmarkKey(2, {1, 4, 2}), 0x02010402u);

    EXPECT_TRUE(RightClickOn(2, 2));
    EXPECT_TRUE(keys.empty());
    EXPECT_TRUE(names.empty());
}

TEST_F(StatisticsBookmarkClick, OnlyTheDeepestListWithEntriesTakesTheClick) {
    EXPECT_FALSE(RightClickOn(0, 0));  // list 1 has entries
    EXPECT_TRUE(keys.empty());

    g_statisticsSelections[1].count = 0;
    g_statisticsSelections[2].count = 0;
    EXPECT_TRUE(RightClickOn(0, 2));
    EXPECT_EQ(keys, (std::vector<uint32_t>{0x0202FFFF}));
    EXPECT_EQ(names, (std::vector<std::string>{"teams - third league"}));
}

TEST_F(StatisticsBookmarkClick, RowsPastTheLastEntryAndTheMarginAddNothing) {
    g_statisticsSelections[2].count = 2;
    EXPECT_FALSE(RightClickOn(2, 2));
    EXPECT_TRUE(keys.empty());
    // The heading counts as the first entry.
    EXPECT_TRUE(club.OnScreenRButtonDown(450, 15, kScreenStatistics));
    EXPECT_EQ(keys, (std::vector<uint32_t>{0x02010400}));
}

TEST_F(StatisticsBookmarkClick, BookmarksStayInKeyOrderWithTheirNames) {
    for (int row : {2, 0, 1})
        RightClickOn(2, row);
    EXPECT_EQ(keys, (std::vector<uint32_t>{0x02010400, 0x02010401, 0x02010402}));
    EXPECT_EQ(names[0], "teams - second league - Celle - matches");
    EXPECT_EQ(names[2], "teams - second league - Celle - player's development");
}

TEST_F(StatisticsBookmarkClick, InBookmarkModeAClickRemovesTheBookmarkOfItsRow) {
    g_manager.statisticsBookmarks = {1, 2, 3};
    g_manager.statisticsBookmarkNames = {"a", "b", "c"};
    g_statisticsBookmarkMode = true;
    g_statisticsBookmarkList = {0, 1, 3};
    EXPECT_TRUE(RightClickOn(0, 0));
    EXPECT_EQ(keys, (std::vector<uint32_t>{1, 3}));
    EXPECT_EQ(names, (std::vector<std::string>{"a", "c"}));

    EXPECT_TRUE(RightClickOn(0, 5));  // no bookmark there
    EXPECT_EQ(keys.size(), 2u);
    EXPECT_FALSE(RightClickOn(2, 0));  // the other lists are not shown
    EXPECT_EQ(keys.size(), 2u);
}

}  // namespace
