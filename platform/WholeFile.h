#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// A file read into memory at once, for the readers of whole files (pictures,
// a skin's colour file, sounds). Nothing but a plain file is read: a folder
// or a pipe in the file's place, a file that cannot be opened or a failed
// read gives no bytes at all (no exception, no wait for a writer), so the
// caller treats it as a missing file.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& file);
