#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Whether a picture shows in `area` exactly what the frame of the screen
// alone (its background and title, DrawScreenFrame) paints there: a screen
// whose own contents are missing. Pixels outside the area do not count.
bool ShowsOnlyItsFrame(const Bitmap& picture, const Rect& area, int screenId);
