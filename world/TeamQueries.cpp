#include <set>

#include "world/Player.h"
#include "world/Team.h"

// Means and sums over the first team only; an empty squad gives 0.

namespace {

constexpr uint8_t kExclusionBits = 0x07;
constexpr int kRedCardShift = 3;

template <typename Value, typename Get>
Value SumOver(const PlayerList& squad, Get get) {
    Value sum{};
    for (const auto& p : squad)
        sum += get(*p);
    return sum;
}

}  // namespace

float CTeam::GetAverageStrength() const {
    if (squad.empty())
        return 0;
    const int sum = SumOver<int>(squad, [](const CPlayer& p) { return p.GetStrengthClass(); });
    return static_cast<float>(sum) / static_cast<float>(squad.size());
}

float CTeam::GetAverageTalent() const {
    if (squad.empty())
        return 0;
    const int sum = SumOver<int>(squad, [](const CPlayer& p) { return p.GetTalent(); });
    return static_cast<float>(sum) / static_cast<float>(squad.size());
}

double CTeam::GetAverageAge() const {
    if (squad.empty())
        return 0;
    const int sum = SumOver<int>(squad, [](const CPlayer& p) { return p.GetAge(); });
    return static_cast<double>(sum) / static_cast<double>(squad.size());
}

int CTeam::GetAverageTrend() const {
    if (squad.empty())
        return 0;
    return SumOver<int>(squad, [](const CPlayer& p) { return p.GetDevelopmentTrend(); }) /
           static_cast<int>(squad.size());
}

int CTeam::GetAverageMotivation() const {
    if (squad.empty())
        return 0;
    return SumOver<int>(squad, [](const CPlayer& p) { return p.motivation; }) / static_cast<int>(squad.size());
}

// A goalkeeper counts only the five attributes that matter in goal.
int CTeam::GetAverageAttributeLevel() const {
    int sum = 0;
    int values = 0;
    for (const auto& p : squad) {
        const int count = p->IsGoalkeeper() ? kKeeperAttributeCount : kAttributeCount;
        for (int i = 0; i < count; ++i)
            sum += p->GetAttribute(i);
        values += count;
    }
    return values == 0 ? 0 : sum / values;
}

uint32_t CTeam::GetTotalTransferValue(int inflationPermille) const {
    return SumOver<uint32_t>(squad, [&](const CPlayer& p) { return p.GetTransferValue(inflationPermille); });
}

// The squad's own wishes: motivation, age and development left out.
uint32_t CTeam::SumWageDemands(bool professional, int leagueLevel, int inflationPermille) const {
    return SumOver<uint32_t>(squad, [&](const CPlayer& p) {
        return p.GetWageDemand(professional, leagueLevel, true, false, inflationPermille) / 100;
    });
}

// One counter per call: exclusions before suspensions before red cards.
uint32_t CTeam::SumPlayerCardCounts(bool /*red*/, bool suspensions, bool exclusions) const {
    return SumOver<uint32_t>(squad, [&](const CPlayer& p) -> uint32_t {
        if (exclusions)
            return p.cards & kExclusionBits;
        if (suspensions)
            return p.suspensions;
        return p.cards >> kRedCardShift;
    });
}

int CTeam::CountNationalities() const {
    std::set<uint16_t> nations;
    for (const auto& p : squad)
        nations.insert(p.get()->nationality);
    return static_cast<int>(nations.size());
}
