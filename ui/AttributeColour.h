#pragma once

#include "platform/Colour.h"

// The colour of a ball or disc that shows an attribute level (0 to 15):
// skin colour 16 below 5, 15 below 10, 14 from 10.
Colour AttributeColour(int level);
