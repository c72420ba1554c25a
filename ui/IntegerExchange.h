#pragma once

#include <optional>
#include <string>

class EditLine;

// The number in an edit line, as a dialog takes its values: an optional
// sign and digits, with spaces or tabs around them, within the range of int.
std::optional<int> ParseInteger(const std::string& text);

// Reads the edit line's number. Any other text is refused: the player is
// told to enter an integer, the line gets the focus with its whole text
// selected, and nothing is returned, so the dialog stays open.
std::optional<int> ReadInteger(EditLine& edit);
void WriteInteger(EditLine& edit, int value);

// The refusal, as the player reads it.
constexpr const char* kIntegerRefusalTitle = "not possible";
constexpr const char* kIntegerRefusalText = "Please enter an integer.";
