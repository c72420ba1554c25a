#pragma once

#include <string>

#include "platform/Date.h"
#include "ui/Control.h"

// A date in up-down style: day, month and year as "dd.mm.yyyy" with an
// up-down pair at the right. One field is active: a click or Left and Right
// pick it, the arrows and Up and Down turn it by one. Day and month wrap
// round within their range without carrying into the next field; the year
// stops at the ends of its range. Digits typed go into the active field and
// move on to the next once no further digit could follow. The day never
// passes the end of its month: a month or year that makes it do so brings
// it back to the last day.
class DatePicker : public Control {
public:
    enum class Field { Day, Month, Year };
    static constexpr int kFirstYear = 1753;
    static constexpr int kLastYear = 9999;

    // A day that does not exist becomes the nearest that does.
    void SetDate(const Date& date) { SetDate(date.Year(), date.Month(), date.Day()); }
    void SetDate(int year, int month, int day);
    Date GetDate() const { return Date(year_, month_, day_); }
    Field ActiveField() const { return field_; }

    // Where each field's digits and the two arrows lie.
    Rect FieldRect(Field field) const;
    Rect UpRect() const;
    Rect DownRect() const;

    Reaction OnLButtonDown(unsigned flags, Point p) override;
    Reaction OnLButtonUp(unsigned flags, Point p) override;
    Reaction OnKeyDown(unsigned key, unsigned flags) override;
    Reaction OnChar(unsigned character, unsigned flags) override;
    void OnFocus(bool gained, bool byTab) override;

protected:
    void Draw(DeviceContext& dc) override;

private:
    enum class Arrow { None, Up, Down };

    std::string FieldText(Field field) const;
    int FieldValue(Field field) const;
    int FieldLowest(Field field) const;
    int FieldHighest(Field field) const;
    // Sets a field and keeps the day within its month; true when the date changed.
    bool SetField(Field field, int value);
    bool Step(int delta);
    bool CommitTyped();
    Reaction Activate(Field field);

    int year_ = 2000;
    int month_ = 1;
    int day_ = 1;
    Field field_ = Field::Day;
    std::string typed_;  // digits typed into the active field so far
    Arrow pressed_ = Arrow::None;
};
