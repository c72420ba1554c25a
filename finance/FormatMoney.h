#pragma once

#include <cstdint>
#include <string>

// Money as the screens show it, in code page 1252 with the euro sign 0x80:
// "1.23 m €" from a million (digits cut, not rounded), "45 th. €" from ten
// thousand, else "9999 €". A negative amount gets a leading "-".
std::string FormatMoney(int64_t euros);
