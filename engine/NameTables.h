#pragma once

// The name tables of generated people and clubs, fixed for the whole game.

// First names: men's names, then as many women's names (the women's game).
// The list lives in data/ and is made into g_firstNames at build time.
constexpr int kFirstNamesPerBlock = 90;
constexpr int kFirstNameCount = 2 * kFirstNamesPerBlock;
constexpr int kWomensFirstNames = kFirstNamesPerBlock;  // index of the first woman's name
extern const char* const g_firstNames[kFirstNameCount];

// A generated surname is one start, one middle and one ending.
constexpr int kSurnamePartCount = 30;
extern const char* const g_surnameStarts[kSurnamePartCount];
extern const char* const g_surnameMiddles[kSurnamePartCount];
extern const char* const g_surnameEndings[kSurnamePartCount];

// A generated club is a prefix and its nation's name.
constexpr int kClubPrefixCount = 10;
extern const char* const g_clubPrefixes[kClubPrefixCount];
