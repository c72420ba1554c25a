#pragma once

#include "platform/Geometry.h"

// Where a picture stands in a window of another size: as large as fits with
// its proportions kept, centred, with black bars on the two sides left
// over. A window of the picture's size shows it at its place, pixel for
// pixel.
Rect FitPicture(Size picture, Size window);

// The picture's pixel under a point of the window, for a picture placed at
// `placed` by FitPicture; a point on a bar falls outside the picture.
Point WindowToPicture(Point windowPoint, Size picture, const Rect& placed);
