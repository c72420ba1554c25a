#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/ScreenWords.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/RecordingDeviceContext.h"
#include "screens/GameMenuScreen.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenState.h"
#include "world/GameDate.h"
#include "world/HighscoreList.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

// The screen in the middle of a 1000 x 700 surface: h = 600 / 12 = 50.
constexpr Rect kScreen{100, 50, 900, 650};
constexpr int kUnit = 50;
constexpr Rect kPressed{-10, -10, 0, 0};

// The user's club shows the screen; its questions are answered by a
// scripted dialog runner.
class GameMenu : public ::testing::Test {
protected:
    void SetUp() override {
        previousRunner_ = SetModalRunner(&runner);
        g_manager.firstName = "Erik";
        g_manager.lastName = "Lindqvist";
        g_gameDate = Date(2003, 7, 7);
    }
    void TearDown() override { SetModalRunner(previousRunner_); }

    std::vector<std::string> Paint(bool full) {
        RecordingDeviceContext dc(&surface);
        club.DrawScreen(kScreen, kScreenGameMenu, dc, full);
        std::vector<std::string> texts;
        for (const TextRecord& t : dc.Texts())
            texts.push_back(t.utf8);
        return texts;
    }
    bool Click(Point p, bool* redraw) { return club.OnScreenLButtonDown(p, kScreenGameMenu, redraw); }

    Bitmap surface{1000, 700, kBlack};
    CTeam club;
    HeadlessModalRunner runner;

private:
    ModalRunner* previousRunner_ = nullptr;
};

bool IsBlack(const Bitmap& b) {
    return std::all_of(b.Pixels(), b.Pixels() + b.Width() * b.Height(), [](uint32_t p) { return p == kBlack; });
}

TEST_F(GameMenu, TheSixButtonsStandInAColumnAndAClickChoosesTheOneUnderIt) {
    Paint(true);
    EXPECT_EQ(g_screenButtonRects[0], (Rect{300, 250, 700, 300}));
    for (int i = 1; i < kGameMenuButtonCount; ++i) {
        Rect below = g_screenButtonRects[i - 1];
        below.Offset(0, kUnit);
        EXPECT_EQ(g_screenButtonRects[i], below) << i;
    }
    struct Case {
        Point p;
        bool ok;
        int choice;
        const char* asked;  // the question's title, null for none
        const char* text;
    };
    const char* kNewGameText = "Do you really like to quit the game and start a new game?";
    const char* kQuitText = "Do you really want to quit the game ?";
    const Case cases[] = {
        {g_screenButtonRects[0].Center(), true, kChoiceNewGame, "new game", kNewGameText},
        {g_screenButtonRects[0].Center(), false, kNoMenuChoice, "new game", kNewGameText},
        {g_screenButtonRects[1].Center(), true, kChoiceGameOptions, nullptr, nullptr},
        {g_screenButtonRects[2].Center(), true, kChoiceSoundOptions, nullptr, nullptr},
        {g_screenButtonRects[3].Center(), true, kChoiceSaveGame, nullptr, nullptr},
        {g_screenButtonRects[4].Center(), true, kChoiceLoadGame, nullptr, nullptr},
        {g_screenButtonRects[5].Center(), true, kChoiceQuitGame, "quit game", kQuitText},
        {g_screenButtonRects[5].Center(), false, kNoMenuChoice, "quit game", kQuitText},
        {{299, 275}, true, kNoMenuChoice, nullptr, nullptr},  // just left of the column
        {{500, 550}, true, kNoMenuChoice, nullptr, nullptr},  // just below it
    };
    for (const Case& c : cases) {
        runner.ClearRecords();
        if (c.asked)
            runner.Script(c.ok ? ModalAnswer::Ok() : ModalAnswer::Cancel());
        g_gameMenuChoice = kChoiceLoadGame;  // left by an earlier click
        bool redraw = false;
        EXPECT_FALSE(Click(c.p, &redraw)) << c.choice;
        EXPECT_EQ(g_gameMenuChoice, c.choice) << c.p.x << "," << c.p.y;
        EXPECT_EQ(g_gameMenuPage, kOptionsPage);
        ASSERT_EQ(runner.Records().size(), c.asked ? 1u : 0u) << c.choice;
        if (c.asked) {
            EXPECT_EQ(runner.Records()[0].title, c.asked);
            EXPECT_EQ(runner.Records()[0].text, c.text);
            EXPECT_EQ(runner.Records()[0].flags, 0x168u);
            EXPECT_EQ(runner.Records()[0].extra, 4);
        }
    }
}

// The sub-buttons press buttons 9 and 10 by a click off the screen.
TEST_F(GameMenu, ThePageButtonsSwitchThePageForAWholeRepaint) {
    struct Case {
        int from;
        int button;
        int page;
    };
    const Case cases[] = {
        {kOptionsPage, kHighscorePageButton, kHighscorePage},
        {kHighscorePage, kOptionsPageButton, kOptionsPage},
        {kOptionsPage, kOptionsPageButton, kOptionsPage},
    };
    for (const Case& c : cases) {
        g_gameMenuPage = c.from;
        Paint(true);
        g_screenButtonRects[static_cast<size_t>(c.button)] = kPressed;
        bool redraw = false;
        EXPECT_TRUE(Click(kPressed.Center(), &redraw)) << c.button;
        EXPECT_TRUE(redraw);
        EXPECT_EQ(g_gameMenuPage, c.page);
        EXPECT_EQ(g_gameMenuChoice, kNoMenuChoice);
    }
}

// A repaint without the background leaves the options page as it stands;
// the highscore page is painted whole, and takes no click of its own.
TEST_F(GameMenu, WithoutTheBackgroundOnlyTheHighscorePageIsPainted) {
    EXPECT_TRUE(Paint(false).empty());
    EXPECT_TRUE(IsBlack(surface));
    EXPECT_TRUE(g_screenButtonRects[0].IsEmpty()) << "no buttons were laid out";

    Paint(true);
    const Point newGame = g_screenButtonRects[0].Center();
    g_gameMenuPage = kHighscorePage;
    surface = Bitmap(1000, 700, kBlack);
    EXPECT_FALSE(Paint(false).empty());
    EXPECT_FALSE(IsBlack(surface));
    for (int k = 0; k <= kHighscorePageButton; ++k)
        EXPECT_TRUE(g_screenButtonRects[static_cast<size_t>(k)].IsEmpty()) << k;
    bool redraw = false;
    EXPECT_FALSE(Click(newGame, &redraw));
    EXPECT_EQ(g_gameMenuChoice, kNoMenuChoice);
    EXPECT_TRUE(runner.Records().empty());
}

TEST_F(GameMenu, TheOptionsPageShowsTheDateAndTheManager) {
    const std::vector<std::string> texts = Paint(true);
    ASSERT_EQ(texts.size(), 1u + kGameMenuButtonCount + 2u);  // the title first
    EXPECT_EQ(texts[0], "options");
    for (int i = 0; i < kGameMenuButtonCount; ++i)
        EXPECT_EQ(texts[1 + i], g_gameMenuButtons[static_cast<size_t>(i)]);
    EXPECT_EQ(texts[7], "07.07.03");
    EXPECT_EQ(texts[8], "Erik Lindqvist");
}

// The texts of the careers' table: after its heading, six column titles,
// then row by row.
std::vector<std::string> CareerTexts(const std::vector<std::string>& texts) {
    const auto heading = std::find(texts.begin(), texts.end(), "best careers");
    return heading == texts.end() ? std::vector<std::string>{} : std::vector<std::string>(heading + 7, texts.end());
}

TEST_F(GameMenu, AnUnusedHighscoreEntryShowsOnlyItsName) {
    g_highscores.names[0] = "Ole Hansen";
    g_highscores.clubs[0] = "IK Savehof";
    g_highscores.level[0] = 7;
    g_highscores.years[0] = 12;
    g_highscores.season[0] = 2009;
    g_highscores.score[0] = 87;
    for (int i = 1; i < kHighscoreEntries; ++i) {
        g_highscores.names[static_cast<size_t>(i)] = "unused " + std::to_string(i);
        g_highscores.clubs[static_cast<size_t>(i)] = "a club";
        g_highscores.score[static_cast<size_t>(i)] = 50;
    }
    g_gameMenuPage = kHighscorePage;
    std::vector<std::string> expected = {"Ole Hansen", "7", "IK Savehof", "12", "09/10", "87 %"};
    for (int i = 1; i < kHighscoreEntries; ++i)
        expected.push_back("unused " + std::to_string(i));
    EXPECT_EQ(CareerTexts(Paint(true)), expected);
}

// Without a club his successes alone make the total; the total row names
// the level of every five percent.
TEST_F(GameMenu, TheEvaluationShowsEachAreasResultWeightingAndShare) {
    g_manager.club = &g_noClubTeam;
    g_manager.promotions = 6;  // 1500 points, whose root the game takes as 39
    g_gameMenuPage = kHighscorePage;
    const std::vector<std::string> texts = Paint(true);
    const auto rows = std::find(texts.begin(), texts.end(), "area") + 4;  // past the column titles
    const auto row = [&](const char* area, size_t cells) {
        const auto at = std::find(rows, texts.end(), area);
        return at == texts.end() ? std::vector<std::string>{} : std::vector<std::string>(at, at + cells);
    };
    EXPECT_EQ(row("team", 4), (std::vector<std::string>{"team", "0 %", "0.0 %", "0.0 %"}));
    EXPECT_EQ(row("actual successes", 4), (std::vector<std::string>{"actual successes", "39 %", "100.0 %", "39.0 %"}));
    EXPECT_EQ(row("property", 2), (std::vector<std::string>{"property", "0 %"}));
    EXPECT_EQ(row("total", 3), (std::vector<std::string>{"total", "39 %", g_managerLevelNames[7]}));
}

TEST(GameMenuTotals, ASmallLossKeepsItsMinus) {
    struct Case {
        int tenths;
        const char* shown;
    };
    const Case cases[] = {
        {-5, "-0.5 %"}, {-15, "-1.5 %"}, {-10, "-1.0 %"}, {0, "0.0 %"}, {7, "0.7 %"}, {385, "38.5 %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatWeightedScore(c.tenths), c.shown) << c.tenths;
}

}  // namespace
