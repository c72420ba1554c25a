#include <algorithm>

#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kTopLeagueDemand = 700000;  // hundredths of spectators
constexpr int kFullFanAmount = 6;
// Squad players beyond this many play fewer matches each.
constexpr size_t kRegularSquadSize = 12;

}  // namespace

// Each lower league draws fewer, and each step of fans below "full" a
// third fewer in the top league, less so further down.
int CTeam::GetSpectatorDemand(int leagueLevel) const {
    int d = kTopLeagueDemand;
    for (int k = leagueLevel; k >= 2; --k)
        d = d * 100 / std::max(570 - (k - 1) * 120, 120);
    const int fanDivisor = std::max(150 - (leagueLevel - 1) * 5, 135);
    for (int step = GetFanAmount(); step < kFullFanAmount; ++step)
        d = d * 100 / fanDivisor;
    return d / 100;
}

uint32_t CTeam::CalcSquadWageBill(const CLeague& league) const {
    uint32_t matches = static_cast<uint32_t>(std::max(league.GetMatchDayCount(true, true, true), 0));
    for (size_t i = kRegularSquadSize; i < squad.size(); ++i)
        matches = matches * 97 / 100;
    uint32_t bill = 0;
    for (const auto& p : squad)
        bill += p->GetSalary() + p->GetBonus() * matches;
    return bill;
}

uint32_t CTeam::GetYouthWageBill() const {
    uint32_t bill = 0;
    for (const auto& p : youth)
        bill += p->GetSalary();
    return bill;
}
