#pragma once

#include <cstdint>
#include <string>

// The filters of the world-wide player search behind the transfer screens.
// A mask of 0 lets everyone pass that test.
struct PlayerSearchFilter {
    uint16_t strengthMask = 0;  // bit c = strength class c; bit 10 takes in 11-15
    uint8_t positionMask = 0;   // bit p = position p, regular or alternative
    uint8_t talentMask = 0;     // bit t = talent t; bit 3 takes in talent 4
    uint32_t ageMask = 0;       // bit (age - 17) modulo 32
    uint16_t skillMask = 0;     // bits 0-9 field skills, 10-14 goalkeeper skills
    // "first last": both name starts must match (case counts); one word, or
    // text that starts with a blank, is the start of the last name.
    std::string name;
    bool fixedFeeOnly = false;     // a fixed transfer fee is set
    bool contractEndsOnly = false;  // not a professional with more than 1 year left
    uint16_t styleTraitMask = 0;      // bit i = style trait i
    uint16_t characterTraitMask = 0;  // bit i = character trait i
    bool listedOnly = false;          // on the transfer list
    bool oneNation = false;
    uint16_t nationNumber = 0;  // with oneNation
    size_t maxResults = 0;      // 0 = no limit
};
