#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/GameView.h"
#include "engine/MatchTeam.h"
#include "platform/BinaryFile.h"
#include "platform/Random.h"
#include "screens/LineupScreen.h"
#include "screens/ScreenState.h"
#include "squad/LineupSlots.h"
#include "squad/Training.h"
#include "tests/app/HeadlessGame.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

namespace {

constexpr uint32_t kOptNoReport = 1u << 27;
constexpr uint32_t kOptQuickUserMatch = 1u << 28;
constexpr int kDayLimit = 60;

// A new game on a sample world in which the user manages a club, played
// on the headless screen up to the first day on which his team plays.
class UserMatch : public ::testing::Test, protected HeadlessGame {
protected:
    void SetUp() override {
        std::unique_ptr<CWorld> world = MakeSampleWorld();
        std::unique_ptr<DiskFile> file = DiskFile::OpenWrite(CGameView::kWorldFileName);
        ASSERT_TRUE(file && world->Write(*file, 0) && file->Commit());
        view = std::make_unique<CGameView>();
        SeedRandom(9);
    }
    void TearDown() override { view.reset(); }

    CTeam& StartWithFirstClub(uint32_t extraOptions = 0) {
        view->State().options |= extraOptions;
        EXPECT_TRUE(view->AssignManagerTeams(PackWorldRef(0, 0, 0, 0), 0));
        view->BeginNewGame();
        return *g_manager.club;
    }

    // Lets time run day after day until the user's match waits for him.
    bool RunToUserMatch() {
        for (int tick = 0; tick < kDayLimit * 2 * CGameView::kRevealTicks; ++tick) {
            if (view->WaitsForUserMatch())
                return true;
            if (!view->Running())
                view->LetTimeRun();
            system.AdvanceTime(CGameView::kDayTickMs);
        }
        return false;
    }

    // Plays on until the match day's results are shown or the match waits.
    void PlayOn() {
        for (int tick = 0; tick < 10000 && view->ScreenId() == CGameView::kMatchScreen; ++tick)
            system.AdvanceTime(CGameView::kMatchTickMs);
    }

    std::unique_ptr<CGameView> view;
};

TEST_F(UserMatch, ManagerTeamsComeFromValidReferencesOnly) {
    CWorld& world = view->World();
    CNation& nation = *world.continents[1]->nations[0];
    EXPECT_TRUE(view->AssignManagerTeams(PackWorldRef(1, 0, 1, 2), PackWorldRef(1, 1, 0, 0)));
    EXPECT_EQ(g_manager.club, nation.leagues[1]->clubs[2].get());
    EXPECT_EQ(g_manager.league, nation.leagues[1].get());
    EXPECT_EQ(g_manager.nation, &nation);
    EXPECT_EQ(g_manager.continent, world.continents[1].get());
    EXPECT_EQ(g_manager.nationalTeam, &world.continents[1]->nations[1]->nationalTeam);
    EXPECT_EQ(g_trainingUnitsPerWeek, nation.leagues[1]->trainingUnits);

    for (WorldRef stale : {PackWorldRef(2, 0, 0, 0), PackWorldRef(0, 2, 0, 0), PackWorldRef(0, 0, 2, 0),
                           PackWorldRef(0, 0, 0, 6), kRefNotFound}) {
        EXPECT_FALSE(view->AssignManagerTeams(stale, PackWorldRef(0, 9, 0, 0))) << std::hex << stale;
        EXPECT_EQ(g_manager.club, &g_noClubTeam);
        EXPECT_EQ(g_manager.league, world.continents[0]->nations[0]->leagues[0].get());
        EXPECT_EQ(g_manager.nationalTeam, &g_noClubTeam);
    }
}

TEST_F(UserMatch, AnIncompleteLineupIsAskedAboutWordForWord) {
    struct Case {
        int filled;  // lineup places kept, from the goalkeeper on
        const char* text;
        std::vector<std::string> choices;
    };
    const Case cases[] = {
        {11, "Your lineup ist incomplete. Would you like to change the lineup or start the game ?",
         {"start game", "change"}},
        {4, "Your lineup ist incomplete. You have less then 5 players on the field. You lose the game with 10:0!",
         {"lose", "change"}},
    };
    CTeam& club = StartWithFirstClub();
    ASSERT_TRUE(RunToUserMatch());
    ASSERT_GE(club.squad.size(), 13u);
    for (const Case& c : cases) {
        club.lineup.fill(0);
        for (int i = 0; i < c.filled; ++i)
            club.lineup[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
        runner.ClearRecords();
        runner.Script(ModalAnswer::Choice(1));  // "change"
        view->StartUserMatch();
        ASSERT_EQ(runner.Records().size(), 1u) << c.filled;
        const ModalRecord& box = runner.Records()[0];
        EXPECT_EQ(box.title, "incomplete lineup");
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.flags, 0x81u);
        EXPECT_EQ(box.extra, 4);
        EXPECT_EQ(std::vector<std::string>(box.choiceLabels.begin(), box.choiceLabels.begin() + 2), c.choices);
        EXPECT_EQ(view->ScreenId(), CGameView::kTeamScreen);
        EXPECT_TRUE(view->WaitsForUserMatch());
    }
    runner.Script(ModalAnswer::Choice(0));  // "lose": the match is given up
    view->StartUserMatch();
    EXPECT_EQ(view->ScreenId(), CGameView::kMatchScreen);
    EXPECT_FALSE(view->WaitsForUserMatch());
}

TEST_F(UserMatch, WithoutTheLiveMatchTheDayIsPlayedAtOnce) {
    StartWithFirstClub(kOptQuickUserMatch);
    ASSERT_TRUE(RunToUserMatch());
    const Date day = g_gameDate;
    view->StartUserMatch();
    EXPECT_EQ(view->ScreenId(), CGameView::kMatchReportScreen);
    EXPECT_FALSE(view->Running());
    EXPECT_FALSE(view->WaitsForUserMatch());
    view->LetTimeRun();
    system.AdvanceTime(2 * CGameView::kRevealTicks * CGameView::kDayTickMs);
    EXPECT_EQ(g_gameDate, day.AddDays(1));
}

// The live day stops at half-time for the user; his start goes on with
// the second half, and the day ends with the figures.
TEST_F(UserMatch, TheLiveMatchBreaksAtHalfTimeAndGoesOn) {
    CTeam& club = StartWithFirstClub(kOptNoReport);
    ASSERT_TRUE(RunToUserMatch());
    club.AutoLineup(true);
    view->StartUserMatch();
    EXPECT_EQ(view->ScreenId(), CGameView::kMatchScreen);
    PlayOn();
    EXPECT_TRUE(view->WaitsForUserMatch()) << "a break at half-time";
    EXPECT_TRUE(g_matchDayStarted);
    runner.ClearRecords();
    view->StartUserMatch();
    EXPECT_TRUE(runner.Records().empty()) << "nothing is asked after a break";
    PlayOn();
    for (int breaks = 0; view->WaitsForUserMatch() && breaks < 4; ++breaks) {
        view->StartUserMatch();
        PlayOn();
    }
    EXPECT_EQ(view->ScreenId(), CGameView::kMatchFiguresScreen);
    EXPECT_FALSE(g_matchDayStarted);
    EXPECT_FALSE(view->Running());
}

// On the match day the user makes room on the full bench by dragging its
// last player onto the squad list, then drags a player left out from the
// list onto an offence place, whose player goes to the bench: the match
// reads the new lineup and the newcomer plays it.
TEST_F(UserMatch, ALineupSetOnTheScreenIsTheOneTheMatchPlays) {
    constexpr int kOffenceSlot = 9;
    CTeam& club = StartWithFirstClub(kOptQuickUserMatch);
    ASSERT_TRUE(RunToUserMatch());
    club.AutoLineup(true);
    const int lastSlot = SlotsInUse(g_matchSheetSize) - 1;
    ASSERT_NE(club.lineup[lastSlot], 0) << "a full match sheet";
    int newcomer = -1;
    for (int i = 0; i < static_cast<int>(club.squad.size()) && newcomer < 0; ++i) {
        bool inOffence = false, inDefence = false;
        if (!club.IsPlayerFielded(i, g_matchSheetSize, inOffence, inDefence) &&
            club.squad[i]->IsAvailable(g_userMatchMask)) {
            newcomer = i;
        }
    }
    ASSERT_GE(newcomer, 0) << "a player left out of the sheet";
    // Through the main window's mouse handlers, as the window system calls them.
    const auto drag = [&](Point from, Point to) {
        view->OnLButtonDown(0, from);
        view->OnMouseMove(0, {(from.x + to.x) / 2, (from.y + to.y) / 2});
        view->OnMouseMove(0, to);
        view->OnLButtonUp(0, to);
    };
    view->MoveWindow(Rect{0, 0, 1280, 800});
    const auto paint = [&] {
        DeviceContext dc(&view->Surface());
        view->OnPaint(dc);
    };
    const auto rowOf = [&] {
        return static_cast<int>(std::find(g_screenListA.begin(), g_screenListA.end(), newcomer) -
                                g_screenListA.begin());
    };
    paint();
    ASSERT_EQ(view->ScreenId(), CGameView::kTeamScreen);
    const Rect& list = g_screenListRect;
    const uint8_t benched = club.lineup[lastSlot];
    drag(g_lineupCardRects[lastSlot].Center(), {list.left + list.Width() / 3, list.top + 2});
    ASSERT_EQ(club.lineup[lastSlot], 0) << "off the sheet";

    g_screenListTop = rowOf();
    paint();
    const int rowHeight = list.Height() / kLineupListRows;
    const uint8_t replaced = club.lineup[kOffenceSlot];
    drag({list.left + list.Width() / 3, list.top + (rowOf() - g_screenListTop) * rowHeight + rowHeight / 2},
         g_lineupCardRects[kOffenceSlot].Center());
    ASSERT_EQ(club.lineup[kOffenceSlot], newcomer + 1);
    EXPECT_EQ(club.lineup[lastSlot], replaced) << "to the bench";

    const match_team::SquadFielding sheet(club, g_matchSheetSize);
    EXPECT_TRUE(sheet.Of(newcomer).inOffence);
    EXPECT_FALSE(sheet.Of(benched - 1).onSheet);
    const uint16_t matches = club.squad[static_cast<size_t>(newcomer)]->allMatches;
    const uint16_t benchedMatches = club.squad[static_cast<size_t>(benched - 1)]->allMatches;
    view->StartUserMatch();
    EXPECT_EQ(club.squad[static_cast<size_t>(newcomer)]->allMatches, matches + 1) << "he played the match";
    EXPECT_EQ(club.squad[static_cast<size_t>(benched - 1)]->allMatches, benchedMatches) << "he did not";
}

}  // namespace
