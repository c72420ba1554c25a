#pragma once

#include <array>
#include <cstdint>

#include "platform/Geometry.h"
#include "screens/StatisticsSelection.h"

// The views of the statistics screen that the manager keeps as bookmarks.
// A view's key holds its page in bits 24-31 and its entries of lists 0, 1
// and 2 in bits 16-23, 8-15 and 0-7; kNoStatisticsEntry marks the lists
// below the one where the view stops.
constexpr int kNoStatisticsEntry = 255;
using StatisticsEntries = std::array<int, kStatisticsSelectionLists>;

uint32_t StatisticsBookmarkKey(int page, const StatisticsEntries& entries);

// A right click on the screen's selection lists. In bookmark mode a click
// on a row of the bookmark list removes that bookmark; otherwise a click on
// an entry of the page's deepest list (the lowest with entries) adds or
// removes the view that ends there, kept in key order and named by the
// page's name, then " - " and the caption of each list's entry down to
// where the view stops. True when the screen must be painted again.
bool OnStatisticsListRightClick(Point p);
