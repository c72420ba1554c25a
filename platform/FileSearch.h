#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Date.h"

// A file or folder that a search found; its names in code page 1252.
struct FoundFile {
    std::string name;   // with its extension
    std::string title;  // without it: the name up to its last point
    bool folder = false;
    uint64_t size = 0;
    // When the file was made, in local time; where the file system keeps no
    // such time, when it was last written.
    Date created;
};

// The files of one type in the folder at a stored path (see Path.h): every
// file whose name ends in a point and the type, without regard to case; with
// an empty type every sub-folder whose name has no point. At most `limit`
// of them, in the order of their names without regard to case; none when
// the folder does not exist.
std::vector<FoundFile> FindFiles(const std::string& storedFolder, const std::string& type, size_t limit);

// The file or folder at a stored path; none when there is nothing there.
std::optional<FoundFile> FindFile(const std::string& storedPath);
