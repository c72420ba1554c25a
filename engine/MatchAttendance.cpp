#include <algorithm>

#include "finance/IncomeFormulae.h"
#include "world/Match.h"
#include "world/Team.h"

namespace {

// Away fans within this squared map distance make it a derby.
constexpr int64_t kDerbyDistance = 200;
// A crowd below this share of the arena (tenths) comes for strong sides.
constexpr int64_t kStarPullBelowTenths = 6;
constexpr int kStarStrength = 95;
constexpr int kSuperStarStrength = 105;

int64_t SquaredDistance(uint16_t a, uint16_t b) {
    const int64_t dx = int64_t{a & 0xFF} - (b & 0xFF);
    const int64_t dy = int64_t{a >> 8} - (b >> 8);
    return dx * dx + dy * dy;
}

// The home crowd reacts to its squad's motivation as its mood tells.
int64_t ByFanMood(int64_t h, const CTeam& home, float homeStrength, float awayStrength) {
    const int m = home.GetAverageMotivation();
    switch (home.GetFanMood()) {
        case kMoodEuphorical: return m >= 101 ? h * 11 / 10 : h;
        case kMoodSuccessSpoiled: return m < 100 ? h * 8 / 10 : h;
        case kMoodFaithful: return m < 100 ? h * 11 / 10 : h;
        case kMoodFrustrated: return m >= 101 ? h * 11 / 10 : m < 100 ? h * m / 100 : h;
        case kMoodFastidiously: return 10 * awayStrength < 7 * homeStrength ? h * 7 / 10 : h;
        default: return h;
    }
}

// Fees above the standard keep people away, fees below draw more.
int64_t ByAdmissionFees(int64_t s, int leagueLevel, const CTeam& home) {
    const CArena& arena = home.arena;
    const CArena::OpenPlaces open = arena.CountOpenPlaces();
    const int64_t bench = open.standing;
    const int64_t seats = open.seats;
    const int64_t capacity = open.capacity;
    const AdmissionFees standard = CalcAdmissionFees(leagueLevel, home);
    const int64_t own = (home.account.GetAdmissionFee(kBenchAdmission) * bench +
                         home.account.GetAdmissionFee(kSeatAdmission) * seats) / capacity;
    const int64_t usual = std::max<int64_t>((standard.bench * bench + standard.seat * seats) / capacity, 1);
    int64_t e = (own - usual) * s / usual;
    e = e >= 0 ? e * 12 / 10 : e * 8 / 10;
    return s - e;
}

int StarCount(float strength) {
    const int whole = static_cast<int>(strength);
    return (whole > kStarStrength) + (whole > kSuperStarStrength);
}

}  // namespace

uint32_t ComputeMatchAttendance(int leagueLevel, const CTeam& home, const CTeam& away) {
    int64_t h = int64_t{home.GetSpectatorDemand(leagueLevel)} * 100;
    int64_t a = int64_t{away.GetSpectatorDemand(leagueLevel)} * 100;

    const int64_t distance = SquaredDistance(home.mapPosition, away.mapPosition);
    if (distance < kDerbyDistance)
        h = h * 12 / 10;
    for (int64_t t = distance; t > 0; t /= 3)
        a = a * 4 / 5;

    const float sh = home.GetStrength();
    const float sa = away.GetStrength();
    if (sh > sa) {
        const int64_t p = static_cast<int64_t>((sh - sa) / sh * 100);
        h = h * (120 - p) / 100;
        a = a * (100 - 2 * p) / 100;
    } else if (sa > sh) {
        const int64_t p = static_cast<int64_t>((sa - sh) / sa * 100);
        a = a * (p / 2 + 100) / 100;
        h = h * (p + 90) / 100;
    }
    h = ByFanMood(h, home, sh, sa);
    h = h * (home.GetMediaAttention() * 5 + 83) / 100;

    int64_t s = ByAdmissionFees((a + h) / 100, leagueLevel, home);
    const int64_t capacity = home.arena.GetCapacity();
    if (s < capacity * kStarPullBelowTenths / 10) {
        const int k = StarCount(sh) + StarCount(sa);
        if (k > 0)
            s += s * (5 << k) / 100;
    }
    return static_cast<uint32_t>(std::clamp<int64_t>(s, 0, capacity));
}
