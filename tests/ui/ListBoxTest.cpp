#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Input.h"
#include "platform/RecordingDeviceContext.h"
#include "ui/ControlLook.h"
#include "ui/ListBox.h"

namespace {

constexpr int kShownRows = 6;

// A list six rows high holding `count` rows "row 0", "row 1", ...
class ListBoxTest : public ::testing::Test {
protected:
    void Fill(int count) {
        list.SetRect({20, 20, 220, 20 + kShownRows * ControlLineHeight() + 2});
        for (int i = 0; i < count; ++i)
            list.AddString("row " + std::to_string(i));
    }
    Point Centre(int row) const { return list.RowRect(row).Center(); }

    ListBox list;
};

}  // namespace

TEST_F(ListBoxTest, SingleSelectionFollowsClicksAndKeys) {
    Fill(20);
    ASSERT_EQ(list.ShownRows(), kShownRows);
    EXPECT_EQ(list.Selected(), ListBox::kNone);
    struct Step {
        bool click;
        int rowOrKey;
        int selected;
        Reaction::Kind reaction;
    };
    const Step steps[] = {
        {true, 2, 2, Reaction::Changed},        {true, 2, 2, Reaction::Taken},
        {false, Key::kDown, 3, Reaction::Changed}, {false, Key::kHome, 0, Reaction::Changed},
        {false, Key::kUp, 0, Reaction::Ignored},   {false, Key::kPageDown, 5, Reaction::Changed},
        {false, Key::kEnd, 19, Reaction::Changed}, {false, Key::kDown, 19, Reaction::Ignored},
        {false, Key::kPageUp, 14, Reaction::Changed},
    };
    for (const Step& s : steps) {
        const Reaction r = s.click ? list.OnLButtonDown(0, Centre(s.rowOrKey)) : list.OnKeyDown(s.rowOrKey, 0);
        EXPECT_EQ(list.Selected(), s.selected) << s.rowOrKey;
        EXPECT_EQ(r.kind, s.reaction) << s.rowOrKey;
        EXPECT_EQ(list.SelectedRows(), (std::vector<int>{s.selected})) << s.rowOrKey;
    }
    EXPECT_EQ(list.TopRow(), 14);  // End showed the last rows; Page Up left them in sight
}

TEST_F(ListBoxTest, MultipleSelectionTakesCtrlAndShift) {
    Fill(10);
    list.SetSelectionMode(ListBox::Selection::Multiple);
    struct Step {
        bool click;
        int rowOrKey;
        unsigned flags;
        std::vector<int> selected;
    };
    const Step steps[] = {
        {true, 1, 0, {1}},
        {true, 3, MK_CONTROL, {1, 3}},
        {true, 5, MK_SHIFT, {3, 4, 5}},              // from the anchor, the Ctrl-clicked row
        {true, 4, MK_CONTROL, {3, 5}},               // turned over
        {false, Key::kDown, MK_SHIFT, {4, 5}},       // anchor 4 to row 5
        {false, Key::kUp, MK_CONTROL, {4, 5}},       // the focus row alone moves, to 4
        {false, Key::kUp, MK_CONTROL, {4, 5}},       // and to 3
        {false, Key::kSpace, MK_CONTROL, {3, 4, 5}},
        {false, Key::kHome, 0, {0}},
        {false, Key::kEnd, MK_SHIFT, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {true, 7, 0, {7}},                           // End scrolled rows 4-9 into sight
    };
    for (const Step& s : steps) {
        if (s.click)
            list.OnLButtonDown(s.flags, Centre(s.rowOrKey));
        else
            list.OnKeyDown(s.rowOrKey, s.flags);
        EXPECT_EQ(list.SelectedRows(), s.selected) << s.rowOrKey << " " << s.flags;
    }
    list.SetSelected(2, true);
    list.SetSelected(7, false);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2}));
}

TEST_F(ListBoxTest, ADragSelectsAsShiftDoesAndADoubleClickIsReported) {
    Fill(10);
    list.SetSelectionMode(ListBox::Selection::Multiple);
    list.OnLButtonDown(0, Centre(1));
    EXPECT_EQ(list.OnMouseMove(MK_LBUTTON, Centre(3)).kind, Reaction::Changed);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.OnLButtonDblClk(0, Centre(4)).kind, Reaction::DoubleClicked);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{4}));
    const Rect below{list.GetRect().left + 5, list.GetRect().bottom - 1, 0, 0};
    list.Clear();
    list.AddString("only");
    EXPECT_EQ(list.OnLButtonDblClk(0, Point{below.left, below.top}).kind, Reaction::Taken);  // no row there
}

TEST_F(ListBoxTest, TheWheelAndTheScrollBarMoveTheTopRowWithinTheRows) {
    Fill(20);
    struct Case {
        int delta;
        int top;
        bool taken;
    };
    const Case cases[] = {{kWheelDelta, 0, false},       {-kWheelDelta, 3, true}, {-2 * kWheelDelta, 9, true},
                          {-10 * kWheelDelta, 14, true}, {-kWheelDelta, 14, false}, {kWheelDelta, 11, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<bool>(list.OnMouseWheel(0, c.delta, Centre(list.TopRow()))), c.taken) << c.delta;
        EXPECT_EQ(list.TopRow(), c.top) << c.delta;
    }
    // The bar's arrows at the top and bottom of its right edge.
    const Rect& r = list.GetRect();
    list.OnLButtonDown(0, Point{r.right - 5, r.bottom - 5});
    EXPECT_EQ(list.TopRow(), 12);
    list.OnLButtonDown(0, Point{r.right - 5, r.top + 5});
    EXPECT_EQ(list.TopRow(), 11);
    EXPECT_EQ(list.Selected(), ListBox::kNone);  // scrolling chooses nothing
}

TEST_F(ListBoxTest, ATypedLetterMovesToTheNextRowBeginningWithIt) {
    list.SetRect({0, 0, 200, 100});
    for (const char* name : {"Aalborg", "Berlin", "Bietigheim", "Celje", "bjerringbro"})
        list.AddString(name);
    const int expected[] = {1, 2, 4, 1};
    for (int row : expected) {
        EXPECT_TRUE(list.OnChar('b', 0));
        EXPECT_EQ(list.Selected(), row);
    }
    EXPECT_FALSE(list.OnChar('z', 0));
    EXPECT_EQ(list.Selected(), 1);
}

TEST_F(ListBoxTest, ASortedListPlacesRowsWithoutRegardToCase) {
    list.SetSorted(true);
    EXPECT_EQ(list.AddString("Veszprem"), 0);
    EXPECT_EQ(list.AddString("aalborg"), 0);
    EXPECT_EQ(list.AddString("Kielce"), 1);
    list.Select(2);  // Veszprem
    EXPECT_EQ(list.AddString("Barcelona"), 1);
    EXPECT_EQ(list.Selected(), 3);  // still Veszprem
    std::vector<std::string> rows;
    for (int i = 0; i < list.Count(); ++i)
        rows.push_back(list.Row(i));
    EXPECT_EQ(rows, (std::vector<std::string>{"aalborg", "Barcelona", "Kielce", "Veszprem"}));
}

TEST_F(ListBoxTest, ATabMovesTheTextOnToTheNextStop) {
    Bitmap picture(600, 200);
    RecordingDeviceContext dc(&picture);
    list.SetRect({10, 10, 590, 190});
    list.AddString("7\t12\t++\tLW");  // each part shorter than the stops are apart
    list.Select(0);
    struct Case {
        std::vector<int> stops;
        std::vector<int> lefts;  // of the four parts in pixels, from the row's text start
    };
    const Case cases[] = {
        {{0, 135, 155, 175}, {0, 203, 233, 263}},  // a dialog unit is 1.5 pixels, rounded
        {{30}, {0, 45, 90, 135}},                  // every 30 units
        {{}, {0, 48, 96, 144}},                    // every 32 units
    };
    const int textStart = 10 + 1 + 2;
    for (const Case& c : cases) {
        list.SetTabStops(c.stops);
        dc.ClearTexts();
        list.Paint(dc);
        ASSERT_EQ(dc.Texts().size(), 4u);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(dc.Texts()[i].rect.left - textStart, c.lefts[i]) << i;
            EXPECT_EQ(dc.Texts()[i].colour, kSelectionText);
        }
    }
    EXPECT_EQ(dc.Texts()[1].utf8, "12");
}
