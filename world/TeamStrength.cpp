#include <array>
#include <vector>

#include "world/Player.h"
#include "world/Team.h"

namespace {

// The leader of each position counts fully, the next players up to the
// twelfth counted at half weight, the thirteenth and fourteenth at a quarter.
constexpr int kHalfWeightUpTo = 12;
constexpr int kQuarterWeightUpTo = 14;

int StrengthValue(const CPlayer& p) { return 10 * p.GetStrengthClass() + p.GetForm(); }

// Before the first entry of strictly lower value: equal values keep their order.
void InsertRanked(std::vector<int>& rest, int value) {
    auto at = rest.begin();
    while (at != rest.end() && *at >= value)
        ++at;
    rest.insert(at, value);
}

}  // namespace

float CTeam::GetStrength() const {
    std::array<int, kPositionCount> leader;
    leader.fill(-1);
    std::vector<int> rest;
    for (const auto& player : squad) {
        const int value = StrengthValue(*player);
        const int position = player->GetPosition();
        if (position >= kPositionCount) {
            InsertRanked(rest, value);
            continue;
        }
        int& best = leader[position];
        if (best < 0) {
            best = value;
        } else if (value >= best) {
            InsertRanked(rest, best);
            best = value;
        } else {
            InsertRanked(rest, value);
        }
    }
    int sum = 0;
    int counted = 0;
    for (int value : leader) {
        if (value >= 0) {
            sum += value;
            ++counted;
        }
    }
    for (int value : rest) {
        if (counted >= kQuarterWeightUpTo)
            break;
        sum += counted < kHalfWeightUpTo ? value / 2 : value / 4;
        ++counted;
    }
    return sum / 10.0f;
}
