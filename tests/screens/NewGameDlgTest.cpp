#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "tests/screens/NewGameWizard.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/Vocabulary.h"

namespace {

void SetSquadStrengths(CTeam& team, const std::vector<int>& strengths) {
    team.squad.resize(strengths.size());
    for (size_t i = 0; i < strengths.size(); ++i)
        team.squad[i]->strengthTalent = static_cast<uint8_t>(strengths[i] << 4);
}

}  // namespace

TEST_F(NewGameWizard, BackOnTheFirstPageCancelsAndWritesNothing) {
    g_manager.firstName = "Old";
    Type("Anna");
    Back();
    EXPECT_FALSE(dlg.Open(*world));
    EXPECT_LT(dlg.Page(), 0);
    EXPECT_EQ(g_manager.firstName, "Old");
    for (const auto& c : world->continents)
        for (const auto& n : c->nations)
            EXPECT_FALSE(n->IsInactive());
}

TEST_F(NewGameWizard, RealCareerWithTheOptionOffEndsOnTheFirstNext) {
    options = 0;
    Type("Konstantinopolitanus");
    Next();
    EXPECT_TRUE(dlg.Open(*world));
    EXPECT_EQ(g_manager.firstName, "Konstantinopoli");  // the line takes 15 characters
    EXPECT_EQ(g_manager.coachingLevel, 1);
    EXPECT_EQ(g_manager.club, &g_noClubTeam);
    EXPECT_EQ(g_manager.nationalTeam, &g_noClubTeam);
    EXPECT_EQ(g_manager.birthday, static_cast<uint32_t>((world->startYear - 20) << 16 | 1 << 8 | 1));
    EXPECT_EQ(g_manager.clubCareerNames.size(), 1u);
}

TEST_F(NewGameWizard, GoesThroughEveryPageAndBackRefusingWhatItMustNot) {
    const size_t nations = 4;
    Area(CNewGameDlg::kSelectClub);
    Next();
    Check([&] {
        ASSERT_EQ(dlg.Page(), 1);
        EXPECT_EQ(dlg.ActiveNations().size(), nations);
    });
    // The second continent's first active nation, deactivated while the
    // first continent is selected: refused across continents.
    Row(CNewGameDlg::kContinentList, 1, 12);
    FirstRow(CNewGameDlg::kActiveList, 4);
    Check([&] { EXPECT_EQ(dlg.Selection(0), 1); });
    FirstRow(CNewGameDlg::kContinentList, 12);
    Area(CNewGameDlg::kDeactivate);
    Check([&] { EXPECT_EQ(dlg.ActiveNations().size(), nations); });
    // On its own continent the selected nation goes, then all others but one.
    FirstRow(CNewGameDlg::kActiveList, 4);
    Area(CNewGameDlg::kDeactivate);
    Check([&] {
        EXPECT_EQ(dlg.ActiveNations().size(), nations - 1);
        EXPECT_EQ(dlg.PassiveCount(0), 1);
    });
    FirstRow(CNewGameDlg::kActiveList, 4);
    Area(CNewGameDlg::kPassivateOthers);
    Check([&] { EXPECT_EQ(dlg.ActiveNations().size(), 1u); });
    Area(CNewGameDlg::kDeactivate);  // the last active nation stays
    Area(CNewGameDlg::kPassivateOthers);
    Check([&] { EXPECT_EQ(dlg.ActiveNations().size(), 1u); });
    Next();
    Back();
    Check([&] { EXPECT_EQ(dlg.Page(), 1); });
    Next();
    Check([&] { ASSERT_EQ(dlg.Page(), 2); });
    // The selections carry over from page 1, so nation and league are picked too.
    FirstRow(CNewGameDlg::kNationColumn, 8);
    FirstRow(CNewGameDlg::kLeagueColumn, 8);
    FirstRow(CNewGameDlg::kTeamColumn, 8);
    Next();
    EXPECT_TRUE(dlg.Open(*world));
    EXPECT_NE(g_manager.club, &g_noClubTeam);
    int passive = 0;
    for (const auto& c : world->continents)
        for (const auto& n : c->nations)
            passive += n->IsInactive();
    EXPECT_EQ(passive, 3);
}

TEST_F(NewGameWizard, TheLevelComesFromTheChosenClubsAverageStrength) {
    struct Case {
        std::vector<int> strengths;
        int level;
    };
    const Case cases[] = {{{13, 14}, 6}, {{6, 6, 6, 6, 6, 6, 6, 6, 6, 5}, 2}, {{}, 1}};
    options = 0;
    for (const Case& c : cases) {
        world = MakeSampleWorld();
        // The nation list is alphabetical: its first entry leads to the club taken.
        CNation* firstNation = nullptr;
        int best = kNationCount;
        for (const auto& cont : world->continents)
            for (const auto& n : cont->nations) {
                const int at = static_cast<int>(std::find(g_nationDisplayOrder, g_nationDisplayOrder + kNationCount,
                                                          n->nationNumber) - g_nationDisplayOrder);
                if (at < best) {
                    best = at;
                    firstNation = n.get();
                }
            }
        CTeam& first = *firstNation->leagues[0]->clubs[0];
        SetSquadStrengths(first, c.strengths);
        ScriptedWindowSystem run;
        WindowModalRunner runsOn{run, windowless};
        SetWindowSystem(&run);
        SetModalRunner(&runsOn);
        CNewGameDlg wizard;
        auto click = [&](std::function<Rect()> where) {
            run.AddStep([&, where] {
                const Point p = where().Center();
                const Rect w = wizard.WindowRect();
                run.Queue(InputEvent::Down({w.left + p.x, w.top + p.y}));
            });
        };
        click([&] { return wizard.HitArea(CNewGameDlg::kSelectClub); });
        click([&] { return wizard.NextRect(); });
        click([&] { return wizard.NextRect(); });
        EXPECT_TRUE(wizard.Open(*world));
        EXPECT_EQ(g_manager.club, &first);
        EXPECT_EQ(g_manager.coachingLevel, c.level) << c.strengths.size();
        SetWindowSystem(&screen);
        SetModalRunner(&runner);
    }
}

// With a single nation left to choose, the nations' page is passed over
// both ways; the last name takes 25 characters.
TEST_F(NewGameWizard, ASingleActiveNationSkipsTheNationsPageBothWays) {
    bool first = true;
    for (const auto& c : world->continents)
        for (const auto& n : c->nations) {
            if (!first)
                n->MakeInactive();
            first = false;
        }
    screen.AddStep([this] { screen.Queue(InputEvent::KeyDown(Key::kTab)); });
    Type("Abcdefghijklmnopqrstuvwxyz");
    Area(CNewGameDlg::kSelectClub);
    Next();
    Check([&] { EXPECT_EQ(dlg.Page(), 2); });
    Back();
    Check([&] { EXPECT_EQ(dlg.Page(), 0); });
    Next();
    Next();
    EXPECT_TRUE(dlg.Open(*world));
    EXPECT_EQ(g_manager.lastName, "Abcdefghijklmnopqrstuvwxy");
}
