#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/MatchTeam.h"
#include "world/Match.h"
#include "world/Player.h"
#include "world/Team.h"

// Each side's percent bonus on all its ratings: the weaker side's spirit
// against the stronger side's complacency, home advantage, missing
// starters and the fight of a side that trails.

using namespace match_team;

namespace {

constexpr int kStarters = 7;
constexpr int kLowestStarterPenalty = -90;
constexpr int kLiveEdge = 3;

struct SideMood {
    int mood = 0;    // captain's motivation and team spirit
    int spirit = 0;  // fighting spirit, more with a leader as captain
};

}  // namespace

void CMatch::ComputeSideBonuses() {
    MatchSide* sides[2] = {&home, &away};
    float strength[2] = {0, 0};
    SideMood moods[2];
    for (int s = 0; s < 2; ++s) {
        CTeam& team = *sides[s]->team;
        for (int slot = kSlotGoalkeeper; slot <= kSlotLastOffence; ++slot) {
            const int player = SlotPlayer(team, slot);
            if (player < 0)
                continue;
            CPlayer& p = PlayerAt(team, player);
            p.UpdatePlayingStrength(slot >= kSlotFirstOffence);
            strength[s] += p.playingStrength;
        }
        if (strength[s] == 0)
            strength[s] = 1;
        moods[s].mood = 3 * team.teamSpirit / 4;
        moods[s].spirit = team.fightingSpirit;
        if (SquadSize(team) > 0) {
            const CPlayer& captain = PlayerAt(team, match_team::PickCaptain(team, sheetSize));
            moods[s].mood = (captain.motivation + 3 * team.teamSpirit) / 4;
            moods[s].spirit += captain.HasCharacterTrait(kLeader) ? 10 : 0;
        }
    }

    const int strong = strength[1] > strength[0] ? 1 : 0;
    const int weak = 1 - strong;
    const float gap = std::fabs(strength[0] - strength[1]);
    int bonus[2];
    const int strongHeart = (moods[strong].mood + 2 * moods[strong].spirit) / 3;
    bonus[strong] = static_cast<int>((200 - strongHeart) * (-(gap / strength[strong] * 100) / 4) / 100);
    const int weakHeart = (moods[weak].mood + 2 * moods[weak].spirit) / 3;
    const float x = gap / strength[weak] * 100 / 4;
    bonus[weak] = static_cast<int>(weakHeart * x / 100 - x / 2);

    bonus[0] += atmosphere;

    for (int s = 0; s < 2; ++s) {
        const int n = static_cast<int>(match_team::CountAvailableStarters(*sides[s]->team));
        if (n >= kStarters)
            continue;
        const int perMissing = s == strong ? 5 : 8;
        const int base = s == strong ? -20 : -10;
        bonus[s] += std::max(base - (kStarters - n) * ((8 - n) / 2) * perMissing, kLowestStarterPenalty);
    }

    const int difference = home.goals - away.goals;
    if (difference != 0) {
        const int trailing = difference > 0 ? 1 : 0;
        const int d = std::abs(difference);
        bonus[trailing] += sides[trailing]->team->fightingSpirit * 5 / 100 - 2 * d + (d & ~7);
    }

    if (!quick) {
        bonus[strong] += kLiveEdge;
        bonus[weak] -= kLiveEdge;
    }
    for (int s = 0; s < 2; ++s)
        sides[s]->bonus = static_cast<int8_t>(std::clamp(bonus[s], -128, 127));
}
