#include "ui/DatePicker.h"

#include <algorithm>
#include <array>

#include "platform/Input.h"
#include "platform/Text.h"
#include "ui/ControlLook.h"
#include "ui/ScrollStrip.h"

namespace {

constexpr int kTextMargin = 3;
constexpr const char* kSeparator = ".";
constexpr std::array<DatePicker::Field, 3> kFields = {DatePicker::Field::Day, DatePicker::Field::Month,
                                                      DatePicker::Field::Year};
constexpr unsigned kFieldFormat = TextLeft | TextVCenter | TextSingleLine;

Reaction ChangedOrTaken(bool changed) { return changed ? Reaction::Changed : Reaction::Taken; }

}  // namespace

void DatePicker::SetDate(int year, int month, int day) {
    year_ = std::clamp(year, kFirstYear, kLastYear);
    month_ = std::clamp(month, 1, 12);
    day_ = std::clamp(day, 1, Date::DaysInMonth(year_, month_));
    typed_.clear();
}

int DatePicker::FieldValue(Field field) const {
    return field == Field::Day ? day_ : field == Field::Month ? month_ : year_;
}

int DatePicker::FieldLowest(Field field) const { return field == Field::Year ? kFirstYear : 1; }

int DatePicker::FieldHighest(Field field) const {
    return field == Field::Day ? Date::DaysInMonth(year_, month_) : field == Field::Month ? 12 : kLastYear;
}

std::string DatePicker::FieldText(Field field) const {
    if (field == field_ && !typed_.empty())
        return typed_;
    return Format(field == Field::Year ? "%04d" : "%02d", FieldValue(field));
}

bool DatePicker::SetField(Field field, int value) {
    const Date before = GetDate();
    SetDate(field == Field::Year ? value : year_, field == Field::Month ? value : month_,
            field == Field::Day ? value : day_);
    return !(GetDate() == before);
}

bool DatePicker::Step(int delta) {
    const bool committed = CommitTyped();
    const int value = FieldValue(field_) + delta;
    const int lowest = FieldLowest(field_), highest = FieldHighest(field_);
    if (field_ == Field::Year)
        return SetField(field_, std::clamp(value, lowest, highest)) || committed;
    const int span = highest - lowest + 1;
    return SetField(field_, lowest + ((value - lowest) % span + span) % span) || committed;
}

// Digits that make no value of the field are dropped.
bool DatePicker::CommitTyped() {
    if (typed_.empty())
        return false;
    const int value = std::stoi(typed_);
    typed_.clear();
    if (value < FieldLowest(field_) || value > FieldHighest(field_))
        return false;
    return SetField(field_, value);
}

Reaction DatePicker::Activate(Field field) {
    const bool changed = CommitTyped();
    if (field == field_ && !changed)
        return Reaction::Taken;
    field_ = field;
    return ChangedOrTaken(changed);
}

Rect DatePicker::UpRect() const {
    const Rect& r = GetRect();
    return {r.right - 1 - kScrollStripWidth, r.top + 1, r.right - 1, r.top + r.Height() / 2};
}

Rect DatePicker::DownRect() const {
    const Rect& r = GetRect();
    return {r.right - 1 - kScrollStripWidth, r.top + r.Height() / 2, r.right - 1, r.bottom - 1};
}

Rect DatePicker::FieldRect(Field field) const {
    const Rect& r = GetRect();
    int left = r.left + kTextMargin;
    for (Field f : kFields) {
        const int width = ControlTextWidth(FieldText(f));
        if (f == field)
            return {left, r.top + 2, left + width, r.bottom - 2};
        left += width + ControlTextWidth(kSeparator);
    }
    return {};
}

Reaction DatePicker::OnLButtonDown(unsigned /*flags*/, Point p) {
    if (UpRect().Contains(p) || DownRect().Contains(p)) {
        const bool up = UpRect().Contains(p);
        pressed_ = up ? Arrow::Up : Arrow::Down;
        return ChangedOrTaken(Step(up ? 1 : -1));
    }
    for (Field f : kFields) {
        const Rect field = FieldRect(f);
        // A field takes the whole height of the box and the separator after it.
        if (p.x >= field.left && p.x < field.right + ControlTextWidth(kSeparator))
            return Activate(f);
    }
    return Reaction::Taken;
}

Reaction DatePicker::OnLButtonUp(unsigned /*flags*/, Point /*p*/) {
    if (pressed_ == Arrow::None)
        return Reaction::Ignored;
    pressed_ = Arrow::None;
    return Reaction::Taken;
}

Reaction DatePicker::OnKeyDown(unsigned key, unsigned /*flags*/) {
    const int index = static_cast<int>(field_);
    switch (key) {
    case Key::kLeft:
        return index > 0 ? Activate(kFields[index - 1]) : Reaction::Ignored;
    case Key::kRight:
        return index + 1 < static_cast<int>(kFields.size()) ? Activate(kFields[index + 1]) : Reaction::Ignored;
    case Key::kUp:
        return ChangedOrTaken(Step(1));
    case Key::kDown:
        return ChangedOrTaken(Step(-1));
    default:
        return Reaction::Ignored;
    }
}

// A field is complete with all its digits, or when one more digit would
// pass its highest value.
Reaction DatePicker::OnChar(unsigned character, unsigned /*flags*/) {
    if (character < '0' || character > '9')
        return Reaction::Ignored;
    typed_ += static_cast<char>(character);
    const size_t digits = field_ == Field::Year ? 4 : 2;
    if (typed_.size() < digits && std::stoi(typed_) * 10 <= FieldHighest(field_))
        return Reaction::Taken;
    const bool changed = CommitTyped();
    const int next = static_cast<int>(field_) + 1;
    if (next < static_cast<int>(kFields.size()))
        field_ = kFields[next];
    return ChangedOrTaken(changed);
}

void DatePicker::OnFocus(bool gained, bool /*byTab*/) {
    if (!gained) {
        CommitTyped();
        pressed_ = Arrow::None;
    }
}

void DatePicker::Draw(DeviceContext& dc) {
    PaintControlWell(dc, GetRect());
    SelectControlText(dc, IsEnabled());
    const Colour ink = dc.TextColour();
    for (Field f : kFields) {
        const Rect field = FieldRect(f);
        const bool active = f == field_ && HasFocus();
        if (active)
            dc.FillRect(field, kSelectionFill);
        dc.SetTextColour(active ? kSelectionText : ink);
        dc.DrawText(FieldText(f), field, kFieldFormat);
        dc.SetTextColour(ink);
        if (f != Field::Year)
            dc.DrawText(kSeparator, Rect{field.right, field.top, UpRect().left, field.bottom}, kFieldFormat);
    }
    PaintArrowButton(dc, UpRect(), ArrowDirection::Up, pressed_ == Arrow::Up, IsEnabled());
    PaintArrowButton(dc, DownRect(), ArrowDirection::Down, pressed_ == Arrow::Down, IsEnabled());
}
