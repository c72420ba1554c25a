#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "career/Diary.h"
#include "platform/Colour.h"
#include "world/Manager.h"

// A colour table in which entry i is grey i, so a colour names its index.
inline const std::array<Colour, 100> kIndexColours = [] {
    std::array<Colour, 100> colours{};
    for (int i = 0; i < 100; ++i)
        colours[static_cast<size_t>(i)] = Rgb(i, i, i);
    return colours;
}();

// Appends the entry to the manager's diary (starting it with its marker)
// and points the day's slot at it.
inline void BookDiaryEntry(int day, uint32_t head, const std::vector<uint32_t>& data) {
    if (g_manager.diary.empty())
        g_manager.diary.push_back(kDiaryMarker);
    g_manager.daySlots[static_cast<size_t>(day)] = static_cast<uint16_t>(g_manager.diary.size());
    g_manager.diary.push_back(head);
    g_manager.diary.insert(g_manager.diary.end(), data.begin(), data.end());
}
