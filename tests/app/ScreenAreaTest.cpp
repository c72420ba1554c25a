#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/ScreenArea.h"
#include "platform/RecordingDeviceContext.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// A mode-button picture of 2 × 2 cells per button: column i, row s in the
// colour of button i, selected or not.
Colour CellColour(int button, bool selected) { return Rgb(40 * button + 10, selected ? 200 : 100, 0); }

Bitmap ModeButtonPicture() {
    Bitmap picture(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            picture.Row(y)[x] = CellColour(x / 2, y >= 2);
    return picture;
}

TEST(ModeButtons, EachButtonShowsItsCellTheCurrentScreensSelected) {
    // 403 wide: buttons of 100 × 100 from y 200; the last rectangle reaches 403.
    const ScreenAreaLayout l = LayOutScreenArea({0, 0, 403, 300}, {8, 4}, {}, {}, false);
    ASSERT_EQ(l.buttonHeight, 100);
    for (int screenId : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE(screenId);
        Bitmap window(403, 300, kWhite);
        DeviceContext dc(&window);
        PaintModeButtons(dc, l, ModeButtonPicture(), screenId);
        for (int i = 0; i < kModeButtonCount; ++i) {
            const bool selected = screenId == i + 1;
            EXPECT_EQ(window.GetPixel(100 * i, 200), CellColour(i, selected)) << i;
            EXPECT_EQ(window.GetPixel(100 * i + 99, 299), CellColour(i, selected)) << i;
        }
        EXPECT_EQ(window.GetPixel(100, 199), kWhite);
        EXPECT_EQ(window.GetPixel(400, 250), kWhite);  // the picture is a button wide
    }
}

class RunningTeamPanel : public ::testing::Test {
protected:
    void SetUp() override {
        team.name = "Home Club";
        team.shorthand = "HC";
        opponent.name = "Away Club";
        opponent.shorthand = "AC";
        team.nextOpponent = &opponent;
        team.AddPlayer(std::make_unique<CPlayer>());
        team.lineup[kSlotFirstDefence] = 1;
        team.squad[0]->freshness = 77;
        team.AddPlayer(std::make_unique<CPlayer>());  // on the bench
        team.squad[1]->freshness = 13;
    }

    const TextRecord* Find(const std::string& text) const {
        const auto it = std::find_if(dc.Texts().begin(), dc.Texts().end(),
                                     [&](const TextRecord& t) { return t.utf8 == text; });
        return it == dc.Texts().end() ? nullptr : &*it;
    }
    // The text lies in the rectangle.
    static bool Within(const TextRecord* t, const Rect& r) {
        return t && t->rect.left >= r.left && t->rect.right <= r.right && t->rect.top >= r.top &&
               t->rect.bottom <= r.bottom;
    }

    CTeam team;
    CTeam opponent;
    Bitmap window{1200, 900, kWhite};
    RecordingDeviceContext dc{&window};
};

TEST_F(RunningTeamPanel, BarsAndGaugesFillTheirRows) {
    for (bool live : {false, true}) {
        SCOPED_TRACE(live);
        dc.ClearTexts();
        const ScreenAreaLayout l = LayOutScreenArea({0, 0, 1200, 900}, {800, 160}, {400, 600}, {200, 150}, live);
        PaintRunningTeamPanel(dc, l, team);
        EXPECT_TRUE(Within(Find("Away Club - defence"), l.offenceBar));
        EXPECT_TRUE(Within(Find("Home Club - offence"), l.offenceBar));
        EXPECT_TRUE(Within(Find("Away Club - offence"), l.defenceBar));
        EXPECT_TRUE(Within(Find("Home Club - defence"), l.defenceBar));
        EXPECT_TRUE(Within(Find("freshness"), l.freshness));
        EXPECT_TRUE(Within(Find("77"), l.freshness));  // the lineup, not the whole squad
        EXPECT_TRUE(Within(Find("fitness"), l.fitness));
        EXPECT_TRUE(Within(Find("team spirit"), l.teamSpirit));
        EXPECT_TRUE(Within(Find("fighting spirit"), l.fightingSpirit));
        if (live)  // the score line's row is left to the caller
            for (const TextRecord& t : dc.Texts())
                EXPECT_FALSE(Within(&t, l.scoreLine)) << t.utf8;
    }
}

}  // namespace
