#pragma once

#include <filesystem>
#include <string>

// Paths as the game stores them: code page 1252, backslashes, any case,
// relative to the program folder ("Save\auto.ksv", "Bitmaps\Original\").
// ResolvePath maps them onto the file system: "\" becomes "/", each existing
// component is found without regard to case, the rest is kept as given.
std::filesystem::path ResolvePath(const std::string& storedPath);

// The folder of the running program; tests and tools may set another one.
const std::filesystem::path& ProgramFolder();
void SetProgramFolder(const std::filesystem::path& folder);
// Back to the running program's own folder.
void ResetProgramFolder();

// Full path of the running program file.
std::filesystem::path GetModulePath();
