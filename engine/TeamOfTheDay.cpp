#include "engine/TeamOfTheDay.h"

#include <algorithm>

#include "world/Match.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// A match grade (lower is better, 0 for a player who did not play) becomes
// 0-15 in steps of seven.
constexpr int kGradeSteps = 7;
constexpr int kBestGrade = 15;
constexpr uint8_t kNoGrade = 255;

}  // namespace

TeamOfTheDay RateTeamOfTheDay(const std::vector<CMatch*>& matches, const ClubNumberLookup& clubNumber) {
    TeamOfTheDay day;
    day.players.fill(TeamOfTheDay::kNobody);
    std::array<uint8_t, kPositionCount> best;
    best.fill(kNoGrade);
    for (const CMatch* match : matches)
        for (const MatchSide* side : {&match->home, &match->away}) {
            int number;
            if (!side->team || !clubNumber(side->team, number))
                continue;
            const size_t players = std::min(side->team->squad.size(), side->grades.size());
            for (size_t i = 0; i < players; ++i) {
                const int position = std::min(side->team->squad[i]->GetPosition(), kPositionCount - 1);
                const uint8_t grade = side->grades[i];
                if (grade != 0 && grade < best[position]) {
                    best[position] = grade;
                    day.players[position] = static_cast<uint32_t>(number) << TeamOfTheDay::kSquadIndexBits | i;
                }
            }
        }
    for (int p = 0; p < kPositionCount; ++p)
        day.grades[p] = static_cast<uint8_t>(std::clamp(kBestGrade - best[p] / kGradeSteps, 0, kBestGrade));
    return day;
}
