#include <gtest/gtest.h>

#include <memory>

#include "app/GameView.h"
#include "platform/BinaryFile.h"
#include "platform/Random.h"
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

}  // namespace
