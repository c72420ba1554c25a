#include "squad/LineupRules.h"

#include "platform/GameOptions.h"
#include "squad/LineupSlots.h"
#include "world/Team.h"

namespace {
constexpr int kReferenceHeight = 185;
constexpr int kWomensReferenceHeight = 175;
}  // namespace

uint16_t LineupAvailabilityMask(const CTeam& team) {
    return IsUserTeam(&team) ? g_userMatchMask : g_dayMatchMask;
}

int ReferenceHeight() { return IsWomensGame() ? kWomensReferenceHeight : kReferenceHeight; }
