#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "engine/MatchOptions.h"
#include "screens/DefenceSystemLabels.h"
#include "screens/LineupList.h"
#include "screens/LineupScreen.h"
#include "tests/screens/CourtScreenFixture.h"
#include "ui/PlayerViews.h"

namespace {

class LineupScreen : public CourtScreen {
protected:
    // The centre of the list row that shows the squad player, scrolled into
    // view.
    Point ListRow(int player) {
        Paint(true);
        const auto at = std::find(g_screenListA.begin(), g_screenListA.end(), player);
        EXPECT_NE(at, g_screenListA.end()) << player;
        const int row = static_cast<int>(at - g_screenListA.begin());
        g_screenListTop = row;
        Paint(false);
        const Rect& list = g_screenListRect;
        const int height = list.Height() / kLineupListRows;
        return {list.left + list.Width() / 2, list.top + (row - g_screenListTop) * height + height / 2};
    }
    Point OffScreen() const { return {950, 680}; }
};

// Each case starts from the base lineup with its own changes, drags a
// player onto a slot or the list and compares every slot after.
TEST_F(LineupScreen, DropsFollowTheLineupRules) {
    struct Case {
        const char* name;
        int player;      // the dragged squad player
        int fromSlot;    // his card, or -1 for his list row
        int toSlot;      // the card he is dropped on, -1 the list, -2 off the court
        std::vector<std::pair<int, uint8_t>> before;  // changes to the base lineup
        bool changed;
        std::vector<std::pair<int, uint8_t>> after;  // changes of the drop
    };
    const Case cases[] = {
        {"onto a free bench place", 10, -1, 16, {}, true, {{16, 11}}},
        {"onto a defence place with both places free", 13, -1, 6, {{6, 0}, {12, 0}}, true, {{6, 14}, {12, 14}}},
        {"onto an offence place, its player goes to the bench", 10, -1, 9, {}, true, {{9, 11}, {16, 5}}},
        {"from the bench onto the offence, the two swap", 8, 14, 7, {}, true, {{7, 9}, {14, 3}}},
        {"the substitute goalkeeper into goal", 1, 13, 0, {}, true, {{0, 2}, {13, 1}}},
        {"into the defence, his offence place on the bench", 11, -1, 4, {}, true, {{4, 12}, {16, 12}}},
        {"into the defence with the bench full", 11, -1, 4, {{16, 15}, {17, 16}}, false, {}},
        {"onto the list, off the sheet", 8, 14, -1, {}, true, {{14, 0}}},
        {"from the list onto the list", 12, -1, -1, {}, false, {}},
        {"off the court", 8, 14, -2, {}, false, {}},
    };
    for (const Case& c : cases) {
        club.lineup = BaseLineup();
        for (auto [slot, value] : c.before)
            club.lineup[slot] = value;
        club.ValidateLineup();
        Lineup expected = club.lineup;
        for (auto [slot, value] : c.after)
            expected[slot] = value;
        const Point from = c.fromSlot >= 0 ? (Paint(true), SlotCentre(c.fromSlot)) : ListRow(c.player);
        Point to = OffScreen();
        if (c.toSlot >= 0) {
            Paint(true);
            to = SlotCentre(c.toSlot);
        } else if (c.toSlot == -1) {
            to = {g_screenListRect.Center().x, g_screenListRect.top + 2};
        }
        const Drag d = DragFromTo(from, to);
        EXPECT_FALSE(d.downChanged) << c.name;
        EXPECT_TRUE(d.downRedraw) << c.name;
        EXPECT_EQ(d.upChanged, c.changed) << c.name;
        EXPECT_FALSE(d.upRedraw) << c.name << ": the drop repaints over what stands";
        EXPECT_EQ(club.lineup, expected) << c.name;
    }
}

// While the match is live a player out of play may not come back, nor may
// anybody take an out player's place.
TEST_F(LineupScreen, WhileTheMatchIsLiveOnlySubstitutionsAreTaken) {
    struct Case {
        const char* name;
        int player;
        int fromSlot;
        int toSlot;
        int outOfPlay;  // the squad player marked out of play, -1 none
        bool changed;
    };
    const Case cases[] = {
        {"an out player onto the bench", 2, 7, 16, 2, false},
        {"an out bench player onto the court", 8, 14, 7, 8, false},
        {"a bench player for an out player", 8, 14, 7, 2, false},
        {"onto the bench place of an out player", 2, 7, 14, 8, false},
        {"a bench player for a player on the court", 8, 14, 7, -1, true},
    };
    g_matchDayStarted = true;
    for (const Case& c : cases) {
        ResetLineup(c.outOfPlay);
        const Lineup before = club.lineup;
        Paint(true);
        const Drag d = DragFromTo(SlotCentre(c.fromSlot), SlotCentre(c.toSlot));
        EXPECT_EQ(d.upChanged, c.changed) << c.name;
        EXPECT_EQ(club.lineup != before, c.changed) << c.name;
    }
    // Nothing starts on the list, and nothing is taken off there.
    const Lineup before = club.lineup;
    const Point row = ListRow(12);
    Paint(true);
    EXPECT_FALSE(DragFromTo(row, SlotCentre(16)).upChanged);
    EXPECT_FALSE(DragFromTo(SlotCentre(14), {g_screenListRect.Center().x, g_screenListRect.top + 2}).upChanged);
    EXPECT_EQ(club.lineup, before);
}

// The card follows the pointer over a copy of what it covers; the button-up
// puts every pixel back before anything is repainted, whether the drop
// changed the lineup or not, and the player's lineup position with it.
TEST_F(LineupScreen, TheDragPictureLeavesTheScreenAsItWas) {
    struct Case {
        int fromSlot;
        int lastMoveSlot;  // the card last shown over this place
        int toSlot;        // -1 off the court
        bool changed;
    };
    const Case cases[] = {{14, 9, 9, true}, {15, 7, -1, false}};
    for (const Case& c : cases) {
        Paint(true);
        const Bitmap before = surface;
        CPlayer& dragged = *club.squad[club.lineup[c.fromSlot] - 1];
        const uint8_t slotBits = dragged.handAndSlot;
        bool redraw = false;
        Click(SlotCentre(c.fromSlot), &redraw);
        DeviceContext dc(&surface);
        club.OnScreenMouseMove({300, 300}, dc, screenId);
        EXPECT_NE(std::memcmp(before.Pixels(), surface.Pixels(), 1000 * 700 * 4), 0) << "the card is shown";
        club.OnScreenMouseMove({320, 310}, dc, screenId);
        club.OnScreenMouseMove(SlotCentre(c.lastMoveSlot), dc, screenId);
        EXPECT_EQ(dragged.GetSlot(), c.lastMoveSlot - kOffenceSlotOffset) << "the card shows him there";
        const Point to = c.toSlot >= 0 ? SlotCentre(c.toSlot) : Point{950, 680};
        EXPECT_EQ(club.OnScreenLButtonUp(to, dc, screenId, &redraw), c.changed);
        EXPECT_EQ(std::memcmp(before.Pixels(), surface.Pixels(), 1000 * 700 * 4), 0) << c.fromSlot;
        if (!c.changed) {
            EXPECT_EQ(dragged.handAndSlot, slotBits);
        }
    }
}

TEST_F(LineupScreen, ASystemButtonChoosesItsSystemAndEndsEveryMarking) {
    Paint(true);
    for (int button = 0; button < 6; ++button) {
        club.markingAssignments = 0x600000;
        bool redraw = false;
        EXPECT_TRUE(Click(g_screenButtonRects[button].Center(), &redraw)) << button;
        EXPECT_TRUE(redraw);
        EXPECT_EQ(club.defenceSystem, 6 - button);
        EXPECT_EQ(club.markingAssignments, 0u);
    }
    const std::vector<std::string> texts = Paint(true);
    EXPECT_EQ(texts[5], "  6 : 0  ") << "the top of the stair";
}

// Goalkeeper and players in both formations green, one defence or bench
// place yellow, one offence place light green, a formation and the bench
// light green, off the sheet red.
TEST_F(LineupScreen, TheListShowsEachPlayerOnceWithTheMarkOfHisPlaces) {
    club.lineup = BaseLineup();
    club.lineup[8] = 0;   // player 3 only in defence
    club.lineup[3] = 0;   // player 4 only in offence
    club.lineup[16] = 6;  // player 5 in both formations and on the bench
    Paint(true);
    const std::vector<uint8_t> rows = {0, 2, 3, 5, 6, 7, 4, 1, 8, 9, 10, 11, 12, 13, 14, 15};
    const std::vector<uint8_t> marks = {1, 1, 2, 3, 1, 1, 3, 2, 2, 2, 4, 4, 4, 4, 4, 4};
    EXPECT_EQ(g_screenListA, rows);
    EXPECT_EQ(g_screenListB, marks);
}

TEST_F(LineupScreen, TheListScrollsWithinTheSquad) {
    struct Case {
        int entry;  // arrow or track, -1 the wheel
        int rows;   // wheel notches
        int from;
        bool changed;
        int to;
    };
    const Case cases[] = {
        {kListUpButton, 0, 0, true, 0},   {kListUpButton, 0, 3, true, 2},
        {kListDownButton, 0, 7, true, 8}, {kListDownButton, 0, 8, true, 8},
        {-1, 1, 0, true, 1},              {-1, -1, 0, false, 0},
        {-1, 3, 6, false, 6},
    };
    for (const Case& c : cases) {
        g_screenListTop = c.from;
        Paint(true);
        bool changed = false;
        bool redraw = true;
        if (c.entry >= 0) {
            changed = Click(g_screenButtonRects[c.entry].Center(), &redraw);
            EXPECT_FALSE(redraw);
        } else {
            changed = club.OnScreenMouseWheel(g_screenListRect.Center(), c.rows, screenId);
        }
        EXPECT_EQ(changed, c.changed) << c.entry << " from " << c.from;
        EXPECT_EQ(g_screenListTop, c.to) << c.entry << " from " << c.from;
    }
}

TEST_F(LineupScreen, AutoFillsTheFreePlacesAndIsHiddenWhileTheMatchIsLive) {
    Paint(true);
    ASSERT_FALSE(g_screenButtonRects[kAutoLineupButton].IsEmpty());
    const Point autoButton = g_screenButtonRects[kAutoLineupButton].Center();
    bool redraw = true;
    EXPECT_TRUE(Click(autoButton, &redraw));
    EXPECT_FALSE(redraw);
    EXPECT_NE(club.lineup[16], 0);
    EXPECT_NE(club.lineup[17], 0);

    club.lineup = BaseLineup();
    g_matchDayStarted = true;
    Paint(true);
    EXPECT_TRUE(g_screenButtonRects[kAutoLineupButton].IsEmpty());
    EXPECT_TRUE(g_screenButtonRects[kSpecialLineupButton].IsEmpty());
    EXPECT_FALSE(Click(autoButton, &redraw));
    EXPECT_EQ(club.lineup, BaseLineup());
}

TEST_F(LineupScreen, TheListHeadsAndRowsShowTheSquad) {
    const std::vector<std::string> texts = Paint(true);
    for (const DetailColumn& column : kDetailColumns)
        EXPECT_NE(std::find(texts.begin(), texts.end(), column.heading), texts.end()) << column.heading;
    EXPECT_NE(std::find(texts.begin(), texts.end(), "First Player0"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "GK"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Player8"), texts.end()) << "his bench card";
}

}  // namespace
