#include <algorithm>
#include <cstdlib>

#include "platform/Random.h"
#include "world/Team.h"

// The club's surroundings move in small random steps: confidence and
// reputation by weighted amounts, the spirits by a walk of single steps,
// the packed nibbles by one step with a chance.

namespace {

constexpr int kMaxPercentValue = 100;
constexpr int kMaxSpirit = 200;
constexpr int kMaxBoardAttitude = 5;
constexpr int kMaxMediaAttention = 7;
constexpr int kMaxFinancialEnvironment = 7;
// A spirit far from neutral still finds its way back at this chance.
constexpr int kReturnToNeutralChance = 75;

bool ChancePercent(int percent) { return RandBelow(100) < percent; }

int Clamp(int value, int low, int high) { return std::clamp(value, low, high); }

// One step in the sign of delta with a chance of |delta| percent, kept
// within 0..high. The chance is drawn before the range is looked at.
bool NibbleStep(int& value, int delta, int chance, int high) {
    if (!ChancePercent(chance))
        return false;
    const int moved = value + (delta > 0 ? 1 : -1);
    if (moved < 0 || moved > high)
        return false;
    value = moved;
    return true;
}

uint8_t WithLowNibble(uint8_t byte, int value) { return static_cast<uint8_t>((byte & 0xF0) | value); }
uint8_t WithHighNibble(uint8_t byte, int value) {
    return static_cast<uint8_t>((byte & 0x0F) | (value << 4));
}

}  // namespace

void CTeam::ChangeClubConfidence(int delta) {
    const int board = GetBoardAttitude();
    const int base = board <= 3 ? (4 - board) * 25 + 80 : (6 - board) * 25 + 40;
    const int half = base >> 1;
    const int factor = half + RandBelow(half);
    int x = delta * factor;
    // A content board moves less, a worried one more.
    if (clubConfidence + 2 * board > 90)
        x >>= 1;
    else if (clubConfidence <= 60 - 2 * board)
        x = (3 * x) >> 1;
    clubConfidence = static_cast<uint8_t>(Clamp(clubConfidence + x / 100, 0, kMaxPercentValue));
}

void CTeam::ChangeFanReputation(int delta) {
    int spread = (10 - GetFanAmount()) * (GetMediaAttention() + 2) * 2;
    switch (GetFanMood()) {
    case kMoodLoud:
        if (spread > 100)
            spread = spread * 12 / 10;
        break;
    case kMoodEuphorical:
        if (delta > 0)
            spread = spread * 12 / 10;
        break;
    case kMoodSuccessSpoiled:
        if (delta < 0)
            spread = spread * 13 / 10;
        break;
    case kMoodFaithful:
        if (delta < 0)
            spread = spread * 8 / 10;
        break;
    case kMoodFrustrated:
        if (delta > 0)
            spread = spread * 8 / 10;
        break;
    case kMoodFastidiously:
        if (spread > 120)
            spread = spread * 14 / 10;
        break;
    case kMoodSuccessAddicted:
        if (delta < 0 && spread > 80)
            spread = spread * 13 / 10;
        break;
    default:
        break;
    }
    const int r = RandBelow(spread);
    const int weight = fanReputation < 50 ? r + 10 : r + 50;
    fanReputation = static_cast<uint8_t>(Clamp(fanReputation + delta * weight / 100, 0, kMaxPercentValue));
}

void CTeam::SpiritStep(uint8_t& value, int delta, int bonusAttitude) {
    if (delta == 0)
        return;
    const int step = delta < 0 ? -1 : 1;
    int chance = kNeutralSpirit - std::abs(kNeutralSpirit - value);
    const bool towardNeutral = (value > kNeutralSpirit && delta < 0) || (value < kNeutralSpirit && delta > 0);
    if (chance < kReturnToNeutralChance && towardNeutral)
        chance = kReturnToNeutralChance;
    if (HasCoach() && delta > 0 && GetCoachAttitude() == bonusAttitude)
        chance += chance / 5;
    int v = value;
    for (int n = std::abs(delta); n > 0; --n) {
        if (!ChancePercent(chance))
            continue;
        v += step;
        if (v < 0 || v > kMaxSpirit)
            v = delta >= 0 ? kMaxSpirit : 0;
    }
    value = static_cast<uint8_t>(v);
}

void CTeam::ChangeFightingSpirit(const int& delta) { SpiritStep(fightingSpirit, delta, kAttitudeMotivating); }

void CTeam::ChangeTeamSpirit(const int& delta) { SpiritStep(teamSpirit, delta, kAttitudeGamelover); }

bool CTeam::ChangeFanCount(int delta) {
    int amount = GetFanAmount();
    if (!NibbleStep(amount, delta, std::abs(delta), GetMaxFanAmount()))
        return false;
    fanAmount = WithLowNibble(fanAmount, amount);
    return true;
}

bool CTeam::ChangeMediaAttention(int delta) {
    int chance = std::abs(delta);
    if (flags & kTeamMediaTown)
        chance = (chance * 3) >> 1;
    if (delta > 0 && HasCoach() && GetCoachAttitude() == kAttitudeShowmaster)
        chance += chance / 5;
    int media = GetMediaAttention();
    if (!NibbleStep(media, delta, chance, kMaxMediaAttention))
        return false;
    boardAndMedia = WithHighNibble(boardAndMedia, media);
    return true;
}

bool CTeam::ChangeBoardAttitude(int delta) {
    int board = GetBoardAttitude();
    if (!NibbleStep(board, delta, std::abs(delta), kMaxBoardAttitude))
        return false;
    boardAndMedia = WithLowNibble(boardAndMedia, board);
    return true;
}

bool CTeam::ChangeFinancialEnvironment(int delta) {
    int environment = GetFinancialEnvironment();
    if (!NibbleStep(environment, delta, std::abs(delta), kMaxFinancialEnvironment))
        return false;
    fansAndFinance = WithHighNibble(fansAndFinance, environment);
    return true;
}

bool CTeam::SetFanMood(int mood, int chancePercent) {
    if (!ChancePercent(chancePercent))
        return false;
    fansAndFinance = WithLowNibble(fansAndFinance, mood & 0x0F);
    return true;
}
