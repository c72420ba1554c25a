#include <algorithm>

#include "platform/Random.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kYouthLeavesAt = 18;
constexpr int kVeteranAbove = 32;
constexpr int kFormerCaptainChanceTop = 30;  // percent for the first captain, divided by (i + 1)²
constexpr int kMediaCalmsAbove = 4;
constexpr int kMediaCalming = -50;

}  // namespace

void CTeam::ProcessSeasonChange() {
    for (auto& player : squad)
        player->StartNewSeason();

    for (auto it = youth.begin(); it != youth.end();) {
        if ((*it)->GetAge() >= kYouthLeavesAt) {
            amateurs.push_back(std::move(*it));
            it = youth.erase(it);
        } else {
            ++it;
        }
    }

    std::erase_if(amateurs, [](const PlayerPtr& p) {
        return p->GetAge() > kVeteranAbove && (Rand() >> 14) == 0;
    });

    for (size_t i = 0; i < captains.size(); ++i) {
        if (captains[i] >= squad.size() || squad[captains[i]]->GetAge() <= kVeteranAbove)
            continue;
        const int chance = kFormerCaptainChanceTop / static_cast<int>((i + 1) * (i + 1));
        if (chance > 0 && RandBelow(100) < chance)
            squad[captains[i]]->popularityHealth |= CPlayer::kFormerCaptain;
    }

    for (int m = GetMediaAttention(); m > kMediaCalmsAbove; --m)
        ChangeMediaAttention(kMediaCalming);
}

void CTeam::PrepareNewSeason() {
    RebuildResponsibilityLists();
    if (!IsUserTeam(this)) {
        trainingPlan.fill(0);
        MakeYearlyTrainingPlan(true);
        ChooseTrainingSkills();
    }
    MakePlayerNumbersUnique();
    SortSquad();
    nextOpponent = &g_noClubTeam;
}
