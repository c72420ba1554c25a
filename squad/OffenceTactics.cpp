#include <algorithm>
#include <array>

#include "squad/LineupRules.h"
#include "squad/LineupSlots.h"
#include "squad/Tactics.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kTacticianAttitude = 1;

// How much each way of attacking suits the offence formation: duels for
// small, duelling players, combinations for creative technicians, distance
// throws for tall, powerful jumpers. Per player, weighted by strength class.
struct OffenceSuits {
    int duels = 0;
    int combinations = 0;
    int distance = 0;
};

bool SumOffence(const CTeam& team, OffenceSuits& sums) {
    const int h = ReferenceHeight();
    int players = 0;
    for (int slot = kSlotFirstOffence; slot <= kSlotLastOffence; ++slot) {
        const CPlayer* p = SlotPlayer(team, slot);
        if (!p)
            continue;
        ++players;
        const int s = p->GetStrengthClass();
        sums.duels +=
            ((h - p->height) / 10 + 2 * p->GetSkillLevel(kSkillDuelling) + 1) * s + 2 * p->GetAttribute(kSkillDuelling);
        sums.combinations += (p->GetSkillLevel(kSkillCreativity) + p->GetSkillLevel(kSkillTechnique) + 1) * s +
                             p->GetAttribute(kSkillCreativity) + p->GetAttribute(kSkillTechnique);
        sums.distance +=
            (p->GetSkillLevel(kSkillJumping) + p->GetSkillLevel(kSkillShotPower) + 1 + (p->height - h) / 10) * s +
            p->GetAttribute(kSkillShotPower) + p->GetAttribute(kSkillJumping);
    }
    if (players == 0)
        return false;
    sums.duels /= players;
    sums.combinations /= players;
    sums.distance /= players;
    return true;
}

// The common ground of the three is taken off, so what is left shows what
// the formation does best; a good coach, a tactician above all, takes off more.
int CommonGround(const OffenceSuits& sums, uint8_t coachCode) {
    int m = std::min({sums.duels, sums.combinations, sums.distance});
    if (coachCode >> 4 == kTacticianAttitude)
        m = m + m / 5;
    const int m4 = 4 * m / 10;
    return m4 + m4 * (coachCode & 0x0F) / 10;
}

// Spreads the three around the normal setting and cuts them to 0-4.
std::array<int, 3> ToSettings(std::array<int, 3> v) {
    const double divisor = (v[0] + v[1] + v[2]) / 3.0 / 2.5;
    if (divisor == 0)
        return {0, 0, 0};
    for (int& x : v)
        x = static_cast<int>(x / divisor);
    int limit = kTacticsLevelMax;
    double factor = 1.0;
    for (int x : v) {
        if (x > limit) {
            limit = x;
            factor = static_cast<double>(kTacticsLevelMax) / x;
        }
    }
    for (int& x : v)
        x = std::max(0, static_cast<int>(x * factor));
    return v;
}

}  // namespace

void CTeam::ChooseOffenceTactics() {
    OffenceSuits sums;
    if (!SumOffence(*this, sums)) {
        offenceWeights = PackTactics(offenceWeights, 2, 2, 2);
        return;
    }
    const int m = CommonGround(sums, coachCode);
    const auto s = ToSettings({sums.duels - m, sums.combinations - m, sums.distance - m});
    offenceWeights = PackTactics(offenceWeights, s[0], s[1], s[2]);
}
