#pragma once

#include <string>

#include "app/StateBlock.h"

// The options file beside the program: one state block, scrambled in
// blocks of 1024 bytes, so its length is always a whole number of blocks.
constexpr const char* kConfigFileName = "Config.dat";

// True when the file held a whole block; `block` changes only then. A file
// that is missing, cut short or not a whole number of blocks gives false.
bool ReadConfigFile(const std::string& storedPath, StateBlock& block);
// Writes beside the old file and replaces it only when all went well.
bool WriteConfigFile(const std::string& storedPath, const StateBlock& block);
