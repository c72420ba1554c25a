#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

// Nation maps ("Maps\NationNNN.bmp", 150 × 150): the game marks towns on
// them at byte coordinates 0-150. The land is a shape grown from the
// nation's index, so each nation keeps its own outline from build to build.
constexpr int kNationMapSide = 150;

Bitmap DrawNationMap(int nation);
// The stored path of a nation's map, three digits of the index.
std::string NationMapPath(int nation);

// data/nation-maps.txt: the indexes of the nations that get a map, any
// whitespace between them, '#' starts a comment. A missing file is an empty
// list; anything else that is not an index 0-999 is an error.
bool LoadNationMapList(const std::filesystem::path& file, std::vector<int>* nations, std::string* error);
