#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// The clubs' crests, relative to the program folder; a club's logoFile
// names its crest in there.
constexpr const char* kCrestFolder = "Wappen\\";

// Loads a BMP file given by its stored path (relative to the program folder)
// into bitmap, which first loses its picture. False, with an empty bitmap,
// when the file is missing or no readable BMP.
bool LoadBitmapFromFile(const std::string& storedPath, Bitmap& bitmap);

// A crest, logo or map: the file's picture and its size; when the file cannot
// be loaded, a 51 × 51 picture whose top-left 50 × 50 are light grey, and
// the size 50 × 50.
Size LoadCrestBitmap(const std::string& storedPath, Bitmap& bitmap);
