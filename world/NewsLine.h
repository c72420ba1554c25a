#pragma once

#include <cstdint>
#include <string>

// A line of the main window's news list: the text followed by the red,
// green and blue bytes of its colour (0x00BBGGRR), which the news painter
// reads back.
std::string NewsLine(const std::string& text, uint32_t colour);
