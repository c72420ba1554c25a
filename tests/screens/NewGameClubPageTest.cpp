#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/screens/NewGameWizard.h"
#include "ui/SkinBitmaps.h"
#include "world/Continent.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"

namespace {

// The scroll bar picture's thumb cell is painted in a colour nothing else
// of the page has, so the thumb can be found on the wizard's surface.
constexpr Colour kThumbColour = Rgb(255, 0, 255);
constexpr Rect kThumbCell{kScrollThumbCell.x, kScrollThumbCell.y, kScrollThumbCell.x + kScrollBarCell,
                          kScrollThumbCell.y + kScrollBarCell};

// The page's click areas of a column: list i, bar 5 + i, arrows 10 + 2i and 11 + 2i.
int BarOf(int column) { return 5 + column; }
int UpArrowOf(int column) { return 10 + 2 * column; }
int DownArrowOf(int column) { return 11 + 2 * column; }
int RowsOf(int column) { return column < CNewGameDlg::kContinentColumn ? 8 : 6; }

// Where the thumb stands in its bar.
enum Thumb { kNoThumb, kThumbAtTop, kThumbBetween, kThumbAtBottom };

// The thumb's place, from the thumb-coloured pixels down the bar's middle.
Thumb ThumbIn(Bitmap& surface, const Rect& bar) {
    int first = -1, last = -1;
    for (int y = bar.top; y < bar.bottom; ++y) {
        if (surface.GetPixel(bar.Center().x, y) != kThumbColour)
            continue;
        if (first < 0)
            first = y;
        last = y;
    }
    if (first < 0)
        return kNoThumb;
    if (first == bar.top)
        return kThumbAtTop;
    return last + 1 == bar.bottom ? kThumbAtBottom : kThumbBetween;
}

// Two continents of seven nations, each with two leagues of twelve clubs:
// the nation, team and national-team columns hold more rows than they show.
class NewGameClubPage : public NewGameWizard {
protected:
    void SetUp() override {
        NewGameWizard::SetUp();
        world = MakeSampleWorld({.continents = 2, .nations = 7, .leagues = 2, .clubs = 12, .players = 8});
        savedScrollBar_ = g_bmpScrollBar;
        g_bmpScrollBar.Create(kThumbCell.right, kThumbCell.bottom, kBlack);
        for (int y = kThumbCell.top; y < kThumbCell.bottom; ++y)
            for (int x = kThumbCell.left; x < kThumbCell.right; ++x)
                g_bmpScrollBar.SetPixel(x, y, kThumbColour);
    }
    void TearDown() override {
        g_bmpScrollBar = savedScrollBar_;
        NewGameWizard::TearDown();
    }

    void Wheel(int column, int delta) {
        screen.AddStep([this, column, delta] {
            screen.Queue(InputEvent::Wheel(dlg.ClientToScreen(dlg.HitArea(column).Center()), delta));
        });
    }

private:
    Bitmap savedScrollBar_;
};

}  // namespace

// Clicks at the centres of a column's arrows and bar, and the wheel over
// its list, move the rows it shows (a click on its first row picks the
// first row shown) and its thumb, never past either end.
TEST_F(NewGameClubPage, ArrowsBarsAndTheWheelMoveTheShownRowsAndTheThumb) {
    enum Move { kUp, kDown, kBarMiddle, kBarEnd };
    struct Case {
        const char* what;
        int column;
        std::vector<Move> clicks;
        int wheelDelta;
        int scroll;
        Thumb thumb;
    };
    const int nations = CNewGameDlg::kNationColumn, teams = CNewGameDlg::kTeamColumn;
    const int continents = CNewGameDlg::kContinentColumn, nationalTeams = CNewGameDlg::kNationalTeamColumn;
    const Case cases[] = {
        {"three down, one up", nations, {kDown, kDown, kDown, kUp}, 0, 2, kThumbBetween},
        {"down past the last full page", nations, std::vector<Move>(9, kDown), 0, 14 - 8, kThumbAtBottom},
        {"up at the top", teams, {kUp}, 0, 0, kThumbAtTop},
        {"the bar's middle", nations, {kBarMiddle}, 0, 3, kThumbBetween},
        {"the bar's end", teams, {kBarEnd}, 0, 12 - 8, kThumbAtBottom},
        {"the national teams' bar", nationalTeams, {kBarMiddle}, 0, 1, kThumbBetween},
        {"down in a column that fits", continents, {kDown}, 0, 0, kNoThumb},
        {"the bar of a column that fits", continents, {kBarMiddle}, 0, 0, kNoThumb},
        {"the wheel two notches down", nations, {}, -240, 2, kThumbBetween},
        {"the wheel past the end", nationalTeams, {}, -600, 8 - 6, kThumbAtBottom},
        {"the wheel up past the top", teams, {kDown}, 360, 0, kThumbAtTop},
    };
    options = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Area(CNewGameDlg::kSelectClub);
        Next();
        Check([&] { ASSERT_EQ(dlg.Page(), 2); });
        for (const Move click : c.clicks) {
            switch (click) {
                case kUp: Area(UpArrowOf(c.column)); break;
                case kDown: Area(DownArrowOf(c.column)); break;
                case kBarMiddle: Area(BarOf(c.column)); break;
                case kBarEnd:
                    Click([&] {
                        const Rect bar = dlg.HitArea(BarOf(c.column));
                        return Rect{bar.left, bar.bottom - 1, bar.right, bar.bottom};
                    });
            }
        }
        if (c.wheelDelta != 0)
            Wheel(c.column, c.wheelDelta);
        Check([&] {
            EXPECT_EQ(dlg.Scroll(c.column), c.scroll);
            EXPECT_EQ(ThumbIn(dlg.Surface(), dlg.HitArea(BarOf(c.column))), c.thumb);
        });
        FirstRow(c.column, RowsOf(c.column));
        Check([&] { EXPECT_EQ(dlg.Selection(c.column), c.scroll); });
        dlg.Open(*world);
    }
}

// Page 2 shares its selections and scroll positions with page 1: coming
// back from page 1 it shows every column from its first row again, keeps
// what was selected and takes the continent chosen on page 1 as the
// selected nation.
TEST_F(NewGameClubPage, ReenteredFromTheNationsPageItShowsTheFirstRowsAndKeepsTheSelections) {
    const std::array<int, CNewGameDlg::kColumnCount> scrolled{2, 0, 1, 0, 1};
    Area(CNewGameDlg::kSelectClub);
    Next();
    Next();
    Check([&] { ASSERT_EQ(dlg.Page(), 2); });
    for (int column = 0; column < CNewGameDlg::kColumnCount; ++column)
        for (int i = 0; i < scrolled[column]; ++i)
            Area(DownArrowOf(column));
    Row(CNewGameDlg::kNationColumn, 0, 8);
    Row(CNewGameDlg::kTeamColumn, 1, 8);
    Row(CNewGameDlg::kContinentColumn, 1, 6);
    Row(CNewGameDlg::kNationalTeamColumn, 2, 6);
    Check([&] {
        for (int column = 0; column < CNewGameDlg::kColumnCount; ++column)
            EXPECT_EQ(dlg.Scroll(column), scrolled[column]) << column;
        EXPECT_EQ(dlg.Selection(CNewGameDlg::kNationalTeamColumn), 3);
    });
    Back();
    Check([&] {
        ASSERT_EQ(dlg.Page(), 1);
        for (int column = 0; column < CNewGameDlg::kColumnCount; ++column)
            EXPECT_EQ(dlg.Scroll(column), 0) << column;
    });
    Row(CNewGameDlg::kContinentList, 1, 12);
    Next();
    Check([&] {
        ASSERT_EQ(dlg.Page(), 2);
        for (int column = 0; column < CNewGameDlg::kColumnCount; ++column)
            EXPECT_EQ(dlg.Scroll(column), 0) << column;
        const std::array<int, CNewGameDlg::kColumnCount> selected{1, 0, 2, 1, 3};
        for (int column = 0; column < CNewGameDlg::kColumnCount; ++column)
            EXPECT_EQ(dlg.Selection(column), selected[column]) << column;
    });
    dlg.Open(*world);
}

// Page 2 offers the national teams of every nation of a continent, active
// or not: one whose nation was deactivated on page 1 is still assigned.
TEST_F(NewGameWizard, ANationalTeamOfANationDeactivatedOnTheNationsPageIsAssigned) {
    uint16_t deactivated = 0;
    Area(CNewGameDlg::kSelectClub);
    Next();
    FirstRow(CNewGameDlg::kActiveList, 4);
    Area(CNewGameDlg::kDeactivate);
    Check([&] {
        ASSERT_EQ(dlg.PassiveNations().size(), 1u);
        deactivated = dlg.PassiveNations().front();
    });
    Next();
    FirstRow(CNewGameDlg::kNationColumn, 8);
    FirstRow(CNewGameDlg::kLeagueColumn, 8);
    FirstRow(CNewGameDlg::kTeamColumn, 8);
    Click([&] { return RowRect(dlg.HitArea(CNewGameDlg::kContinentColumn), deactivated >> 8, 6); });
    // The continent's nations follow the row "none".
    Click([&] { return RowRect(dlg.HitArea(CNewGameDlg::kNationalTeamColumn), (deactivated & 0xFF) + 1, 6); });
    Next();
    ASSERT_TRUE(dlg.Open(*world));
    CNation& nation = *world->continents[deactivated >> 8]->nations[deactivated & 0xFF];
    EXPECT_TRUE(nation.IsInactive());
    EXPECT_EQ(g_manager.nationalTeam, &nation.nationalTeam);
    EXPECT_NE(g_manager.club, &g_noClubTeam);
    EXPECT_EQ(g_manager.nationalCareerNames, std::vector<std::string>{nation.nationalTeam.name});
}
