#include <gtest/gtest.h>

#include <memory>

#include "platform/Input.h"
#include "platform/RecordingDeviceContext.h"
#include "tests/ui/ControlInput.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/DatePicker.h"
#include "ui/EditLine.h"
#include "ui/ListBox.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/StaticText.h"

namespace {

// The page of a dialog: a label, two names, a hidden and a disabled control,
// a choice, a list, a check box, a bar and a button, in this tab order.
class ControlSetTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        label.SetRect({10, 10, 100, 30});
        firstName.SetRect({110, 10, 300, 33});
        lastName.SetRect({110, 40, 300, 63});
        hidden.SetRect({110, 70, 300, 93});
        hidden.Show(false);
        disabled.SetRect({310, 10, 400, 33});
        disabled.Enable(false);
        nation.SetRect({110, 100, 300, 250});
        for (const char* name : {"Denmark", "France", "Germany", "Spain"})
            nation.AddString(name);
        clubs.SetRect({310, 100, 450, 160});
        for (int i = 0; i < 20; ++i)
            clubs.AddString("club " + std::to_string(i));
        events.SetRect({110, 260, 300, 280});
        bar.SetRect({110, 290, 300, 300});
        next.SetRect({310, 260, 400, 283});
        set.Add({&label, &firstName, &lastName, &hidden, &disabled, &nation, &clubs, &events, &bar, &next});
    }

    StaticText label;
    EditLine firstName, lastName, hidden;
    PushButton disabled;
    ComboBox nation;
    ListBox clubs;
    CheckBox events;
    ProgressBar bar;
    PushButton next;
    ControlSet set;
};

}  // namespace

TEST_F(ControlSetTest, TabWalksTheControlsThatTakeTheFocusAndWrapsShiftTabGoesBack) {
    set.FocusFirst();
    EXPECT_EQ(set.Focused(), &firstName);
    const Control* forward[] = {&lastName, &nation, &clubs, &events, &next, &firstName};
    for (const Control* expected : forward) {
        const ControlEvent e = set.OnKeyDown(Key::kTab, 0);
        EXPECT_TRUE(e);
        EXPECT_EQ(set.Focused(), expected);
        EXPECT_EQ(e.control, expected);
    }
    const Control* backward[] = {&next, &events, &clubs, &nation, &lastName, &firstName};
    for (const Control* expected : backward) {
        set.OnKeyDown(Key::kTab, MK_SHIFT);
        EXPECT_EQ(set.Focused(), expected);
    }
    EXPECT_TRUE(firstName.HasFocus());
    EXPECT_FALSE(lastName.HasFocus());
}

TEST_F(ControlSetTest, AClickFocusesTheControlUnderItAndTheReleaseGoesToTheSameControl) {
    set.FocusFirst();
    struct Case {
        Control* at;
        Control* focus;  // after the click
        bool taken;
    };
    const Case cases[] = {
        {&lastName, &lastName, true}, {&events, &events, true},  {&label, &events, false},
        {&bar, &events, false},        {&hidden, &events, false}, {&disabled, &events, false},
        {&next, &next, true},
    };
    for (const Case& c : cases) {
        const Point centre = c.at->GetRect().Center();
        const ControlEvent down = set.OnLButtonDown(0, centre);
        EXPECT_EQ(static_cast<bool>(down), c.taken) << centre.x << "," << centre.y;
        set.OnLButtonUp(0, centre);
        EXPECT_EQ(set.Focused(), c.focus) << centre.x << "," << centre.y;
    }
    EXPECT_TRUE(events.IsChecked());

    // Pressed on the check box, released elsewhere: the box keeps its tick
    // and the release does not reach the button under it.
    set.OnLButtonDown(0, events.GetRect().Center());
    const ControlEvent up = set.OnLButtonUp(0, next.GetRect().Center());
    EXPECT_EQ(up.control, &events);
    EXPECT_NE(up.reaction.kind, Reaction::Changed);
    EXPECT_TRUE(events.IsChecked());

    EXPECT_TRUE(Click(set, next.GetRect().Center()).Is(next, Reaction::Clicked));
    EXPECT_FALSE(Click(set, Point{5, 400}));  // nothing there: the dialog's own click
}

TEST_F(ControlSetTest, KeysAndCharactersGoToTheFocusedControl) {
    set.SetFocus(&lastName);
    for (char c : std::string("Nowak"))
        set.OnChar(static_cast<unsigned char>(c), 0);
    set.OnChar(Key::kTab, 0);  // the character that follows a Tab key changes nothing
    EXPECT_EQ(lastName.GetText(), "Nowak");
    EXPECT_EQ(firstName.GetText(), "");

    set.SetFocus(&nation);
    EXPECT_TRUE(set.OnKeyDown(Key::kDown, 0).Is(nation, Reaction::Changed));
    EXPECT_EQ(nation.Selected(), 0);

    set.SetFocus(nullptr);
    EXPECT_FALSE(set.OnKeyDown(Key::kDown, 0));
    EXPECT_FALSE(set.OnChar('a', 0));
}

TEST_F(ControlSetTest, AnOpenListLiesAboveTheOthersAndAClickElsewhereOnlyClosesIt) {
    Click(set, nation.BoxRect().Center());
    ASSERT_TRUE(nation.IsOpen());

    // The open list is painted last.
    Bitmap picture(500, 400);
    RecordingDeviceContext dc(&picture);
    set.Paint(dc);
    ASSERT_FALSE(dc.Texts().empty());
    EXPECT_EQ(dc.Texts().back().utf8, "Spain");

    const ControlEvent e = set.OnLButtonDown(0, lastName.GetRect().Center());
    EXPECT_TRUE(e.Is(nation, Reaction::Taken));
    set.OnLButtonUp(0, lastName.GetRect().Center());
    EXPECT_FALSE(nation.IsOpen());
    EXPECT_EQ(set.Focused(), &nation);  // the click did not reach the name

    Click(set, nation.BoxRect().Center());
    set.OnKeyDown(Key::kTab, 0);
    EXPECT_FALSE(nation.IsOpen());  // leaving closes it
}

TEST_F(ControlSetTest, TheWheelGoesToTheControlUnderTheMouse) {
    EXPECT_TRUE(set.OnMouseWheel(0, -kWheelDelta, clubs.GetRect().Center()).Is(clubs, Reaction::Taken));
    EXPECT_EQ(clubs.TopRow(), ListBox::kWheelRows);
    EXPECT_FALSE(set.OnMouseWheel(0, -kWheelDelta, Point{5, 400}));
    EXPECT_EQ(clubs.TopRow(), ListBox::kWheelRows);
}

TEST_F(ControlSetTest, AControlThatCannotTakeInputGivesTheFocusUp) {
    set.SetFocus(&lastName);
    lastName.Show(false);
    EXPECT_EQ(set.Focused(), nullptr);
    set.OnKeyDown(Key::kTab, 0);
    EXPECT_EQ(set.Focused(), &firstName);
    firstName.Enable(false);
    EXPECT_EQ(set.Focused(), nullptr);
    set.OnKeyDown(Key::kTab, MK_SHIFT);
    EXPECT_EQ(set.Focused(), &next);
}

TEST(ControlSet, ControlsAndTheirSetMayGoInEitherOrder) {
    auto early = std::make_unique<EditLine>();
    EditLine stays;
    {
        ControlSet set;
        set.Add({early.get(), &stays});
        set.FocusFirst();
        early.reset();  // leaves the set
        EXPECT_EQ(set.Focused(), nullptr);
        set.OnKeyDown(Key::kTab, 0);
        EXPECT_EQ(set.Focused(), &stays);
    }
    EXPECT_TRUE(stays.HasFocus());  // alone it has its dialog's keys
    stays.Focus();
    EXPECT_TRUE(stays.OnChar('a'));
}

TEST_F(ControlTest, APageLaidOutInDialogUnitsTakesItsNamesAndDateByKeyboardAndMouse) {
    // A new game's first page: first name, last name and birthday.
    EditLine firstName, lastName;
    DatePicker birthday;
    ControlSet page;
    page.Add({&firstName, &lastName, &birthday});
    firstName.SetRectInDialogUnits({170, 70, 170 + 131, 70 + 14});
    lastName.SetRectInDialogUnits({170, 100, 170 + 131, 100 + 14});
    birthday.SetRectInDialogUnits({170, 130, 170 + 132, 130 + 15});
    EXPECT_EQ(firstName.GetRect(), (Rect{255, 114, 452, 137}));
    firstName.SetLimit(15);
    lastName.SetLimit(25);
    birthday.SetDate(1981, 1, 1);

    auto type = [&](const std::string& text) {
        for (char c : text)
            page.OnChar(static_cast<unsigned char>(c), 0);
    };
    page.FocusFirst();
    type("Konstantinopolitanus");
    page.OnKeyDown(Key::kTab, 0);
    type("Schmidt-Hohenzollern-Sigmaringen");
    page.OnKeyDown(Key::kTab, 0);
    type("24121979");
    EXPECT_EQ(firstName.GetText(), "Konstantinopoli");
    EXPECT_EQ(lastName.GetText(), "Schmidt-Hohenzollern-Sigm");
    EXPECT_EQ(birthday.GetDate(), Date(1979, 12, 24));

    page.OnKeyDown(Key::kTab, MK_SHIFT);
    type("Meyer");  // Tab selected the whole name, so typing replaces it
    EXPECT_EQ(lastName.GetText(), "Meyer");
    Click(page, firstName.GetRect().Center());
    EXPECT_EQ(page.Focused(), &firstName);
}
