#pragma once

#include <string>

// The colour file of a skin ("Grafik.txt"): every entry of the skin's colour
// table as R,G,B between asterisks, in table order, each after a label that
// says where the game shows it. Text outside the asterisks is only read by
// people, so it never holds an asterisk itself.
std::string SkinColourFileText();
