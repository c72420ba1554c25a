#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/DeviceContext.h"

// The course of a value over the weeks of a season as a line chart: a
// rounded panel in the colour with the title, a plot with five labelled
// value lines and nine week lines (0 to 52, captioned "week"), and the
// curve through the weeks given, from week 0 on. The scale runs from a
// fifth below the smallest to a quarter above the largest value; without
// weeks it runs from 0 at the top to 52428 at the bottom and no curve is
// drawn. A panel narrower than 12 pixels draws nothing.
void DrawWeeklyValues(DeviceContext& dc, const Rect& r, Colour colour, const std::string& title,
                      std::span<const uint8_t> weeks);
