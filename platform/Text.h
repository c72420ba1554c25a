#pragma once

#include <string>
#include <string_view>

// The game's strings are std::string holding code page 1252 bytes.
// They become UTF-8 only where text is drawn or a file name is built.

// printf-style formatting into a new string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

std::string Cp1252ToUtf8(std::string_view cp1252);
// Characters that code page 1252 lacks become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

char AsciiLower(char c);
// Lower case for code page 1252 letters (A-Z and the accented capitals).
std::string LowerCp1252(std::string_view s);
