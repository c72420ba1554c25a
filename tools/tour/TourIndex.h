#pragma once

#include <filesystem>
#include <string>

#include "tools/tour/ScreenTour.h"

// The tour's index page: for each size a table of its pictures in the order
// they were taken, each with the screen's number and name, the sub-button
// that pressed a page or the dialog shown over it, the picture scaled down
// and linked at full size, and what is to be said about it: not available,
// another screen shown, only the frame painted, the boxes on the way, why it
// fails.
std::string TourIndexHtml(const TourSettings& settings, const TourResult& result);
bool WriteTourIndex(const std::filesystem::path& file, const TourSettings& settings, const TourResult& result);
