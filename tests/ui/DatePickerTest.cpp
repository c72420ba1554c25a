#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/RecordingDeviceContext.h"
#include "tests/ui/ControlInput.h"
#include "ui/ControlLook.h"
#include "ui/DatePicker.h"

namespace {

using Field = DatePicker::Field;

class DatePickerTest : public ::testing::Test {
protected:
    void SetUp() override { picker.SetRect({20, 20, 220, 45}); }

    // Makes a field active with the arrow keys from the day.
    void Activate(Field field) {
        while (picker.ActiveField() != Field::Day)
            picker.OnKeyDown(Key::kLeft, 0);
        while (picker.ActiveField() != field)
            picker.OnKeyDown(Key::kRight, 0);
    }

    DatePicker picker;
};

}  // namespace

TEST_F(DatePickerTest, ArrowsTurnTheActiveFieldAndTheDayStaysInItsMonth) {
    struct Case {
        Date start;
        Field field;
        unsigned key;
        Date result;
        Reaction::Kind reaction;
    };
    const Case cases[] = {
        {Date(2000, 1, 31), Field::Month, Key::kUp, Date(2000, 2, 29), Reaction::Changed},
        {Date(2001, 3, 31), Field::Month, Key::kDown, Date(2001, 2, 28), Reaction::Changed},
        {Date(2000, 2, 29), Field::Year, Key::kUp, Date(2001, 2, 28), Reaction::Changed},
        {Date(2000, 2, 29), Field::Year, Key::kDown, Date(1999, 2, 28), Reaction::Changed},
        {Date(2000, 12, 31), Field::Day, Key::kUp, Date(2000, 12, 1), Reaction::Changed},  // no carry
        {Date(2000, 1, 1), Field::Day, Key::kDown, Date(2000, 1, 31), Reaction::Changed},
        {Date(2001, 2, 28), Field::Day, Key::kUp, Date(2001, 2, 1), Reaction::Changed},
        {Date(2000, 12, 15), Field::Month, Key::kUp, Date(2000, 1, 15), Reaction::Changed},
        {Date(2000, 1, 15), Field::Month, Key::kDown, Date(2000, 12, 15), Reaction::Changed},
        {Date(9999, 6, 1), Field::Year, Key::kUp, Date(9999, 6, 1), Reaction::Taken},  // the years stop
        {Date(1753, 6, 1), Field::Year, Key::kDown, Date(1753, 6, 1), Reaction::Taken},
    };
    for (const Case& c : cases) {
        picker.SetDate(c.start);
        Activate(c.field);
        const Reaction r = picker.OnKeyDown(c.key, 0);
        EXPECT_EQ(picker.GetDate(), c.result) << c.start.Day() << "." << c.start.Month() << "." << c.start.Year();
        EXPECT_EQ(r.kind, c.reaction) << c.start.Day() << "." << c.start.Month() << "." << c.start.Year();
    }
}

TEST_F(DatePickerTest, ADayThatDoesNotExistBecomesTheNearestThatDoes) {
    struct Case {
        int year, month, day;
        Date result;
    };
    const Case cases[] = {
        {2001, 2, 31, Date(2001, 2, 28)}, {2000, 2, 30, Date(2000, 2, 29)}, {1900, 2, 29, Date(1900, 2, 28)},
        {1990, 13, 0, Date(1990, 12, 1)}, {1500, 4, 31, Date(1753, 4, 30)}, {12000, 1, 1, Date(9999, 1, 1)},
    };
    for (const Case& c : cases) {
        picker.SetDate(c.year, c.month, c.day);
        EXPECT_EQ(picker.GetDate(), c.result) << c.day << "." << c.month << "." << c.year;
    }
    picker.SetDate(Date(2001, 2, 31));  // kept invalid by the date, brought back by the picker
    EXPECT_EQ(picker.GetDate(), Date(2001, 2, 28));
}

TEST_F(DatePickerTest, TypedDigitsFillAFieldAndMoveOnWhenNoMoreCanFollow) {
    picker.SetDate(2000, 1, 1);
    EXPECT_EQ(picker.OnChar('3', 0).kind, Reaction::Taken);  // 30 and 31 could follow
    EXPECT_EQ(picker.OnChar('1', 0).kind, Reaction::Changed);
    EXPECT_EQ(picker.GetDate(), Date(2000, 1, 31));
    EXPECT_EQ(picker.ActiveField(), Field::Month);
    EXPECT_EQ(picker.OnChar('2', 0).kind, Reaction::Changed);  // no month 2x: February at once
    EXPECT_EQ(picker.GetDate(), Date(2000, 2, 29));
    EXPECT_EQ(picker.ActiveField(), Field::Year);
    for (char c : std::string("198"))
        EXPECT_EQ(picker.OnChar(static_cast<unsigned char>(c), 0).kind, Reaction::Taken);
    EXPECT_EQ(picker.OnChar('1', 0).kind, Reaction::Changed);
    EXPECT_EQ(picker.GetDate(), Date(1981, 2, 28));

    Activate(Field::Day);
    picker.OnChar('4', 0);  // February has no day 4x
    EXPECT_EQ(picker.GetDate(), Date(1981, 2, 4));
    Activate(Field::Year);
    picker.OnChar('1', 0);
    picker.OnChar('9', 0);
    EXPECT_EQ(picker.OnKeyDown(Key::kLeft, 0).kind, Reaction::Taken);  // "19" is no year: dropped
    EXPECT_EQ(picker.GetDate(), Date(1981, 2, 4));
    EXPECT_FALSE(picker.OnChar('x', 0));
}

TEST_F(DatePickerTest, ClicksPickAFieldAndTheArrowsTurnIt) {
    ControlSet set;
    set.Add(picker);
    picker.SetDate(1981, 1, 1);
    Click(set, picker.FieldRect(Field::Year).Center());
    EXPECT_EQ(picker.ActiveField(), Field::Year);
    EXPECT_EQ(set.Focused(), &picker);
    EXPECT_TRUE(set.OnLButtonDown(0, picker.UpRect().Center()).Is(picker, Reaction::Changed));
    set.OnLButtonUp(0, picker.UpRect().Center());
    Click(set, picker.DownRect().Center());
    Click(set, picker.DownRect().Center());
    EXPECT_EQ(picker.GetDate(), Date(1980, 1, 1));
    Click(set, picker.FieldRect(Field::Month).Center());
    Click(set, picker.DownRect().Center());
    EXPECT_EQ(picker.GetDate(), Date(1980, 12, 1));
}

TEST_F(DatePickerTest, ShowsDayMonthAndYearWithTheActiveFieldMarkedWhileFocused) {
    Bitmap picture(300, 100);
    RecordingDeviceContext dc(&picture);
    picker.SetDate(1981, 7, 5);
    Activate(Field::Month);
    picker.Paint(dc);  // alone it has the focus
    std::string shown;
    for (const TextRecord& t : dc.Texts())
        shown += t.utf8;
    EXPECT_EQ(shown, "05.07.1981");
    for (const TextRecord& t : dc.Texts())
        EXPECT_EQ(t.colour, t.utf8 == "07" ? kSelectionText : kControlText) << t.utf8;
    EXPECT_EQ(dc.Texts()[2].rect.left, picker.FieldRect(Field::Month).left);
}
