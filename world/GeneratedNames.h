#pragma once

// The tables from which the game makes up names of new people: first names
// (men's block first, then women's) and surnames put together from a
// start, a middle and an ending.
constexpr int kFirstNamesPerBlock = 90;
constexpr int kFirstNameCount = 2 * kFirstNamesPerBlock;
constexpr int kWomensFirstNames = kFirstNamesPerBlock;  // first index of the women's block
constexpr int kSurnamePartCount = 30;

extern const char* const g_firstNames[kFirstNameCount];
extern const char* const g_surnameStarts[kSurnamePartCount];
extern const char* const g_surnameMiddles[kSurnamePartCount];
extern const char* const g_surnameEndings[kSurnamePartCount];
