#pragma once

#include <span>
#include <string>

#include "platform/Colour.h"

// What a day of the season holds for the user: the matches of his club
// (league, the nation's cups, the continent's club cups) and of the national
// team he coaches, then his diary's appointment. Each text found is
// appended to label, one after the other, and its colour replaces the one
// before, so the appointment's colour wins. The colours come from the
// skin's colour table passed in (the painters own it), but for a lower
// league's match day, which has a fixed colour. True when anything was
// found; a negative day index empties the label.
bool GetCalendarDayEntry(std::string& label, int dayIndex, Colour& colour, std::span<const Colour> skinColours);
