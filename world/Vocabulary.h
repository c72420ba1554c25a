#pragma once

#include <cstdint>
#include <string>

// The world's word tables: nations by index and positions by number.
constexpr int kNationCount = 197;
constexpr int kPositionCount = 7;

enum Position : int {
    kGoalkeeper = 0,
    kRightWing = 1,
    kRightBack = 2,
    kCentreBack = 3,
    kLeftBack = 4,
    kLeftWing = 5,
    kLinePlayer = 6,
};

// Wings and backs mirror each other across the court: 6 - p.
inline bool HasMirrorPosition(int p) { return p == 1 || p == 2 || p == 4 || p == 5; }
inline int MirrorPosition(int p) { return 6 - p; }

extern const char* const g_nationNames[kNationCount];
// The nation numbers in the order nation lists show them: alphabetical by name.
extern const uint8_t g_nationDisplayOrder[kNationCount];
extern const char g_nationCodes[];   // 591 characters, nation i at 3i
extern const char g_positionCodes[];  // "GKRWRBCBLBLWLP ", position p at 2p

// Empty for an index outside the tables.
std::string NationName(int nation);
std::string NationCode(int nation);
std::string PositionCode(int position);
