#include "squad/LineupRules.h"

#include "platform/GameOptions.h"
#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {
constexpr int kReferenceHeight = 185;
constexpr int kWomensReferenceHeight = 175;
}  // namespace

bool IsBarred(const CPlayer& p) { return p.matchMarks & MatchMarks::kOutOfPlay; }
bool IsNeverNominated(const CPlayer& p) { return p.handAndSlot & kNeverNominate; }
bool IsAlwaysNominated(const CPlayer& p) { return p.handAndSlot & kAlwaysNominate; }

void SetLineupPosition(CPlayer& p, int position) {
    const uint8_t keep = p.handAndSlot & ((1u << CPlayer::kSlotShift) - 1);
    p.handAndSlot = static_cast<uint8_t>(keep | position << CPlayer::kSlotShift);
}

uint16_t LineupAvailabilityMask(const CTeam& team) {
    return IsUserTeam(&team) ? g_userMatchMask : g_dayMatchMask;
}

int ReferenceHeight() { return IsWomensGame() ? kWomensReferenceHeight : kReferenceHeight; }
