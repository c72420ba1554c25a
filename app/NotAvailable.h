#pragma once

#include <string>

// Tells the player that a menu item leads to a part of the game this
// version does not have; the item names the box.
void TellNotAvailable(const std::string& item);
