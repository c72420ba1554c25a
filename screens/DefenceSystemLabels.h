#pragma once

#include <string_view>

// The captions of the six defence-system buttons, nine characters each,
// left to right: "1 : 5", "3 : 3", "3 : 2 : 1", "4 : 2", "5 : 1", "6 : 0".
constexpr int kDefenceSystemLabelWidth = 9;
extern const char* const g_defenceSystemLabels;

// Button k from the left (0-5) stands for defence system 6 - k, so the
// same sum turns a system (1-6) into its button.
int DefenceSystemButton(int system);
// The caption of system 1-6, blanks included.
std::string_view DefenceSystemLabel(int system);
