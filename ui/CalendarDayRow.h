#pragma once

#include "platform/Date.h"
#include "platform/DeviceContext.h"

// One day of the calendar screen's list: a shaded badge across the row with
// the day of the month, the weekday and what the day holds for the user
// (career/CalendarDayEntry.h). A day with an entry is shown in the entry's
// colour with black text; without one, the game date stands out in skin
// colour 48 with black text, weekends in skin colour 47 and other days in
// skin colour 46, both with white text. A row less than two pixels high
// draws nothing.
void DrawCalendarDayRow(DeviceContext& dc, const Rect& r, const Date& date);
