#pragma once

#include <string>

#include "platform/Date.h"
#include "platform/DeviceContext.h"

// What the calendar holds for a day: its label and colour.
struct CalendarDayEntry {
    std::string label;
    Colour colour = kBlack;
};

// One day of the calendar screens: a grey header band, a shaded body in the
// day's colour (skin colour 73 without an entry), and the month and year,
// the day, the weekday and the label. A rectangle too small for its bands
// draws nothing.
void DrawCalendarDay(DeviceContext& dc, const Rect& r, const Date& date, const CalendarDayEntry* entry);
