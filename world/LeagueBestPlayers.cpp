#include <algorithm>
#include <array>

#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

// The season's best players of a league: its top scorer and the all-star
// team of the best player on each position.

namespace {

// Average grades run from about 0.7 (best) to 6.3 (worst); ten times the
// grade taken from this, a better grade weighs more.
constexpr int kGradeMirror = 60;
constexpr float kTenths = 10.0f;
constexpr int kFormShift = 2;
constexpr uint32_t kScoreScale = 10;

// Talent and strength weighed by how he played and how fit he was. A grade
// worse than the mirror, and no grade at all (a player who has not played),
// weighs nothing rather than wrapping round or counting as the best.
uint32_t AllStarScore(const CPlayer& p) {
    if (p.averageGrade <= 0)
        return 0;
    const int grade = std::max(kGradeMirror - static_cast<int>(kTenths * p.averageGrade), 0);
    const int form = static_cast<int>(kTenths * p.averageForm) >> kFormShift;
    return static_cast<uint32_t>(p.GetTalent() * p.GetStrengthClass()) * kScoreScale * static_cast<uint32_t>(grade) *
           static_cast<uint32_t>(form);
}

}  // namespace

CPlayer* CLeague::FindTopScorer() const {
    CPlayer* best = nullptr;
    for (const auto& club : clubs)
        for (const auto& player : club->squad)
            if (player->leagueGoals > (best ? best->leagueGoals : 0))
                best = player.get();
    return best;
}

AllStarTeam CLeague::PickAllStarTeam() const {
    AllStarTeam team{};
    std::array<uint32_t, kPositionCount> best{};
    for (const auto& club : clubs)
        for (const auto& player : club->squad) {
            const int position = player->GetPosition();
            if (position >= kPositionCount)
                continue;
            const uint32_t score = AllStarScore(*player);
            if (score > best[position]) {
                best[position] = score;
                team[position] = player.get();
            }
        }
    return team;
}
