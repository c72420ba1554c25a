#pragma once

#include <filesystem>
#include <string>

#include "platform/Bitmap.h"

// One picture of every bitmap of a skin folder for a person to look at:
// each under its file name and size, its cells outlined and labelled with
// the pixel position the painters use (flags with their nation index).
// Files that cannot be read are named in missing.
Bitmap DrawContactSheet(const std::filesystem::path& skinFolder, std::string* missing);
