#pragma once

#include <string>

// Tells the player that a file he expects to be kept could not be written;
// what was there before is still there.
void TellSavingFailed(const std::string& fileName);
