#pragma once

#include <array>

#include "screens/ScreenFramework.h"

// Which manager screens paint contents of their own over their frame (the
// background and the title). The tour fails when a screen marked here shows
// nothing but its frame: switch a screen on here when its contents are
// painted.
constexpr std::array<bool, kLastScreenId - kFirstScreenId + 1> kScreenHasContents = {
    true,   // 1 lineup
    true,   // 2 defence tactics
    true,   // 3 offence tactics
    false,  // 4 year planning
    false,  // 5 week planning
    false,  // 6 individual skills
    false,  // 7 year overview
    false,  // 8 finances
    false,  // 9 pool of players
    false,  // 10 stadium
    false,  // 11 skills
    false,  // 12 club
    false,  // 13 personal
    false,  // 14 calendar
    false,  // 15 week overview
    false,  // 16 statistics
    true,   // 17 options, the game menu
    false,  // 18 national team
};

// False outside the screens 1-18.
inline bool ScreenHasContents(int screenId) {
    return screenId >= kFirstScreenId && screenId <= kLastScreenId &&
           kScreenHasContents.at(static_cast<size_t>(screenId - kFirstScreenId));
}
