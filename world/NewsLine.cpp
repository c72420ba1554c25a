#include "world/NewsLine.h"

std::string NewsLine(const std::string& text, uint32_t colour) {
    std::string line = text;
    line += static_cast<char>(colour & 0xFF);
    line += static_cast<char>((colour >> 8) & 0xFF);
    line += static_cast<char>((colour >> 16) & 0xFF);
    return line;
}
