#pragma once

#include <filesystem>
#include <functional>
#include <string>

// The artwork's data tables are text: one entry a line, '#' starts a
// comment. Each line's text without its comment goes to `parse`, which
// returns false with a message to stop; the error then names the file and
// the line. A missing file is an empty table unless it must exist.
using TableLineParser = std::function<bool(const std::string& text, std::string* message)>;
bool ForEachTableLine(const std::filesystem::path& file, bool mustExist, const TableLineParser& parse,
                      std::string* error);
