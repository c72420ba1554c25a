#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/RecordingDeviceContext.h"
#include "tests/ui/ControlInput.h"
#include "ui/ComboBox.h"
#include "ui/ControlLook.h"

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* kind : {"none", "score board", "small LED score board", "big LED score board",
                                 "video score board"})
            combo.AddString(kind);
        combo.SetRect({20, 20, 220, 220});
        set.Add(combo);
    }

    ComboBox combo;
    ControlSet set;
};

}  // namespace

TEST_F(ComboBoxTest, AClickDropsTheListAndAClickOnARowChoosesItAndFoldsIt) {
    EXPECT_EQ(combo.Selected(), ListBox::kNone);
    EXPECT_TRUE(set.OnLButtonDown(0, combo.BoxRect().Center()).Is(combo, Reaction::Taken));
    set.OnLButtonUp(0, combo.BoxRect().Center());
    ASSERT_TRUE(combo.IsOpen());
    EXPECT_EQ(set.Focused(), &combo);
    // The list shows every row below the box, within the rectangle.
    EXPECT_EQ(combo.DroppedRect().top, combo.BoxRect().bottom);
    EXPECT_EQ(combo.DroppedRect().Height(), 5 * ControlLineHeight() + 2);

    const ControlEvent chosen = set.OnLButtonDown(0, combo.DroppedRowRect(3).Center());
    EXPECT_TRUE(chosen.Is(combo, Reaction::Changed));
    set.OnLButtonUp(0, combo.DroppedRowRect(3).Center());
    EXPECT_EQ(combo.Selected(), 3);
    EXPECT_FALSE(combo.IsOpen());

    Click(set, combo.BoxRect().Center());
    EXPECT_TRUE(set.OnLButtonDown(0, combo.BoxRect().Center()));  // a second click folds it
    EXPECT_FALSE(combo.IsOpen());
    EXPECT_EQ(combo.Selected(), 3);
}

TEST_F(ComboBoxTest, KeysChooseWithTheListDroppedOrNot) {
    set.FocusFirst();
    struct Step {
        unsigned key;  // or a typed character when below 'a'-'z' keys
        bool typed;
        int selected;
        Reaction::Kind reaction;
    };
    const Step steps[] = {
        {Key::kDown, false, 0, Reaction::Changed}, {Key::kDown, false, 1, Reaction::Changed},
        {Key::kUp, false, 0, Reaction::Changed},   {Key::kUp, false, 0, Reaction::Ignored},
        {Key::kEnd, false, 4, Reaction::Changed},  {'s', true, 1, Reaction::Changed},
        {'b', true, 3, Reaction::Changed},         {Key::kHome, false, 0, Reaction::Changed},
    };
    for (bool dropped : {false, true}) {
        combo.Select(ListBox::kNone);
        if (dropped)
            set.OnKeyDown(Key::kF1 + 3, 0);  // F4
        EXPECT_EQ(combo.IsOpen(), dropped);
        for (const Step& s : steps) {
            const ControlEvent e = s.typed ? set.OnChar(s.key, 0) : set.OnKeyDown(s.key, 0);
            EXPECT_EQ(combo.Selected(), s.selected) << s.key << (dropped ? " dropped" : "");
            EXPECT_EQ(e.reaction.kind, s.reaction) << s.key << (dropped ? " dropped" : "");
        }
        EXPECT_EQ(combo.IsOpen(), dropped);
    }
}

TEST_F(ComboBoxTest, TheWheelChoosesWhileFoldedAndScrollsWhileDropped) {
    combo.Select(1);
    EXPECT_TRUE(set.OnMouseWheel(0, -kWheelDelta, combo.BoxRect().Center()).Is(combo, Reaction::Changed));
    EXPECT_EQ(combo.Selected(), 2);
    EXPECT_TRUE(set.OnMouseWheel(0, kWheelDelta, combo.BoxRect().Center()).Is(combo, Reaction::Changed));
    EXPECT_EQ(combo.Selected(), 1);

    ComboBox nation;
    for (int i = 0; i < 30; ++i)
        nation.AddString("nation " + std::to_string(i));
    nation.SetRect({300, 20, 450, 30});  // no room below the box: the list takes its own height
    set.Add(nation);
    Click(set, nation.BoxRect().Center());
    ASSERT_TRUE(nation.IsOpen());
    EXPECT_EQ(nation.DroppedRect().Height(), ComboBox::kDefaultDroppedRows * ControlLineHeight() + 2);
    set.OnMouseWheel(0, -kWheelDelta, nation.DroppedRect().Center());
    EXPECT_EQ(nation.Selected(), ListBox::kNone);
    EXPECT_EQ(nation.DroppedRowRect(2), Rect{});  // scrolled out of sight
    EXPECT_FALSE(nation.DroppedRowRect(ListBox::kWheelRows).IsEmpty());
}

TEST_F(ComboBoxTest, TheClosedBoxShowsTheChoiceMarkedWhileItHasTheFocus) {
    Bitmap picture(300, 300);
    RecordingDeviceContext dc(&picture);
    combo.Select(2);
    ListBox other;
    set.Add(other);
    set.SetFocus(&other);
    combo.Paint(dc);
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].utf8, "small LED score board");
    EXPECT_EQ(dc.Texts()[0].colour, kControlText);

    dc.ClearTexts();
    set.SetFocus(&combo);
    combo.Paint(dc);
    EXPECT_EQ(dc.Texts()[0].colour, kSelectionText);

    dc.ClearTexts();
    combo.Drop();
    combo.Paint(dc);
    ASSERT_EQ(dc.Texts().size(), 1u + 5u);  // the box and the five rows
    EXPECT_EQ(dc.Texts()[3].utf8, "small LED score board");
    EXPECT_EQ(dc.Texts()[3].colour, kSelectionText);
    EXPECT_EQ(dc.Texts()[4].colour, kControlText);
}
