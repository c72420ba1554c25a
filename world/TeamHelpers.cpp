#include <algorithm>
#include <array>

#include "platform/Date.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Team.h"
#include "world/Vocabulary.h"

namespace {

// Cumulative shares in percent of the positions among generated players.
constexpr std::array<int, kPositionCount> kPositionShares = {14, 7, 7, 18, 18, 18, 18};

constexpr size_t kMaxShorthandWords = 3;
constexpr size_t kShortWordLength = 2;

}  // namespace

int GetSeasonDayIndex(const Date& date) {
    const int year = SeasonYearOf(date);
    int days = date.DaysSince(FirstMondayOfSeason(year));
    // 1-6 July before the first Monday still belong to the old season.
    if (days < 0)
        days = date.DaysSince(FirstMondayOfSeason(year - 1));
    return days < 0 ? 0 : days;
}

int SeasonDaySlot(int dayIndex, int slotCount) {
    return dayIndex >= 0 && dayIndex < slotCount ? dayIndex : -1;
}

uint8_t DrawRandomPosition() {
    const int r = RandBelow(100);
    int sum = 0;
    for (int p = 0; p < kPositionCount; ++p) {
        sum += kPositionShares[p];
        if (sum > r)
            return static_cast<uint8_t>(p);
    }
    return kCentreBack;
}

std::string MakeShorthand(const std::string& clubName) {
    std::string result;
    size_t words = 0;
    size_t pos = 0;
    while (words < kMaxShorthandWords && pos < clubName.size()) {
        const size_t start = clubName.find_first_not_of(' ', pos);
        if (start == std::string::npos)
            break;
        const size_t end = std::min(clubName.find(' ', start), clubName.size());
        const size_t length = end - start;
        result += length <= kShortWordLength ? clubName.substr(start, length) : clubName.substr(start, 1);
        ++words;
        pos = end;
    }
    return result;
}
