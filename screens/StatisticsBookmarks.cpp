#include "screens/StatisticsBookmarks.h"

#include <algorithm>
#include <string>

#include "screens/ScreenState.h"
#include "world/Manager.h"

namespace {

constexpr int kBitsPerList = 8;
constexpr int kPageShift = kBitsPerList * kStatisticsSelectionLists;
constexpr uint32_t kEntryMask = 0xFF;
constexpr int kListBoxRows = 8;  // a heading and the entries shown
constexpr int kListMarginDivisor = 20;

int EntryShift(int list) { return kBitsPerList * (kStatisticsSelectionLists - 1 - list); }
int EntryOf(uint32_t key, int list) { return static_cast<int>((key >> EntryShift(list)) & kEntryMask); }

// The caption of an entry as its list last showed it; empty when it was not shown.
std::string CaptionOf(int list, int entry) {
    const std::vector<std::string>& captions = g_statisticsEntryCaptions[list];
    const int shown = entry - g_statisticsSelections[list].first;
    return shown >= 0 && shown < static_cast<int>(captions.size()) ? captions[shown] : std::string();
}

std::string BookmarkName(uint32_t key) {
    std::string name = g_statisticsMenuNames[key >> kPageShift];
    for (int list = 0; list < kStatisticsSelectionLists && EntryOf(key, list) != kNoStatisticsEntry; ++list)
        name += " - " + CaptionOf(list, EntryOf(key, list));
    return name;
}

void RemoveBookmark(size_t index) {
    g_manager.statisticsBookmarks.erase(g_manager.statisticsBookmarks.begin() + index);
    g_manager.statisticsBookmarkNames.erase(g_manager.statisticsBookmarkNames.begin() + index);
}

// Adds the view in key order, or removes it when the manager keeps it.
void ToggleBookmark(uint32_t key) {
    std::vector<uint32_t>& keys = g_manager.statisticsBookmarks;
    const auto at = std::lower_bound(keys.begin(), keys.end(), key);
    const size_t index = static_cast<size_t>(at - keys.begin());
    if (at != keys.end() && *at == key) {
        RemoveBookmark(index);
        return;
    }
    keys.insert(at, key);
    g_manager.statisticsBookmarkNames.insert(g_manager.statisticsBookmarkNames.begin() + index, BookmarkName(key));
}

// The entry row of a list box under y, counted from its first entry shown:
// inside a margin of a twentieth of its width the box holds a heading and
// seven entries, and the heading counts as the first entry.
int EntryRowAt(const Rect& box, int y) {
    const int margin = box.Width() / kListMarginDivisor;
    const int rowHeight = (box.Height() - 2 * margin) / kListBoxRows;
    if (rowHeight <= 0)
        return 0;
    return std::max((y - (box.top + margin)) / rowHeight - 1, 0);
}

bool OnBookmarkList(Point p) {
    const Rect& box = g_screenButtonRects[0];
    if (!box.Contains(p))
        return false;
    const size_t index = static_cast<size_t>(EntryRowAt(box, p.y) + g_statisticsBookmarkList.first);
    if (index < g_manager.statisticsBookmarks.size())
        RemoveBookmark(index);
    return true;
}

bool OnSelectionList(int list, Point p) {
    const bool deepest = list == kStatisticsSelectionLists - 1 || g_statisticsSelections[list + 1].count == 0;
    const StatisticsSelection& s = g_statisticsSelections[list];
    const int entry = s.first + EntryRowAt(g_screenButtonRects[list], p.y);
    if (!deepest || entry >= s.count)
        return false;
    StatisticsEntries entries;
    for (int k = 0; k < kStatisticsSelectionLists; ++k)
        entries[k] = k < list ? g_statisticsSelections[k].selected : k == list ? entry : kNoStatisticsEntry;
    ToggleBookmark(StatisticsBookmarkKey(g_statisticsPage, entries));
    return true;
}

}  // namespace

uint32_t StatisticsBookmarkKey(int page, const StatisticsEntries& entries) {
    uint32_t key = static_cast<uint32_t>(page) << kPageShift;
    for (int list = 0; list < kStatisticsSelectionLists; ++list)
        key |= (static_cast<uint32_t>(entries[list]) & kEntryMask) << EntryShift(list);
    return key;
}

bool OnStatisticsListRightClick(Point p) {
    if (g_statisticsBookmarkMode)
        return OnBookmarkList(p);
    for (int list = 0; list < kStatisticsSelectionLists; ++list)
        if (g_screenButtonRects[list].Contains(p))
            return OnSelectionList(list, p);
    return false;
}
