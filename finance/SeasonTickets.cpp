#include <algorithm>

#include "finance/IncomeFormulae.h"
#include "platform/Random.h"
#include "world/Finance.h"
#include "world/Team.h"

// Admission fees and season tickets of a club's home matches. Fees and the
// season-ticket price are cents per match.

namespace {

// A standard-sized arena for the league level takes the standard fees; a
// smaller one asks more, a larger one less.
constexpr int32_t kArenaSizeBase = 10000;
constexpr int32_t kMinArenaShare = -150;
constexpr int32_t kMaxArenaShare = 400;
constexpr int kMaxShift = 31;
// A season ticket costs this share of the mean fee per match, in percent.
constexpr int64_t kSeasonTicketShare = 70;
constexpr int32_t kFeeStep = 10;
constexpr uint32_t kFeeLimit = 0xFFFF;

int64_t MeanFee(const CArena& arena, int64_t bench, int64_t seat) {
    const CArena::OpenPlaces open = arena.CountOpenPlaces();
    return (open.standing * bench + open.seats * seat) / open.capacity;
}

uint16_t StoredFee(int64_t fee) {
    return static_cast<uint16_t>(std::clamp<int64_t>(fee - fee % kFeeStep, 0, kFeeLimit));
}

}  // namespace

void CFinance::SetDefaultAdmissionFees(int leagueLevel, const CTeam& team) {
    if (figures_.size() < kShortFigureCount)
        return;
    const CArena& arena = team.arena;
    const int32_t capacity = static_cast<int32_t>(arena.GetCapacity());
    AdmissionFees fees = CalcAdmissionFees(leagueLevel, team);
    const int32_t spread = 10 - RandBelow(20);
    fees.seat += spread * fees.seat / 100;
    fees.bench += spread * fees.bench / 100;
    const int shift = std::clamp(leagueLevel, 0, kMaxShift);
    const int32_t share = std::clamp((((kArenaSizeBase >> shift) - capacity) >> shift) / 10, kMinArenaShare,
                                     kMaxArenaShare);
    const uint16_t seat = StoredFee(fees.seat + int64_t{fees.seat} * share / 1000);
    const uint16_t bench = StoredFee(fees.bench + int64_t{fees.bench} * share / 900);
    SetWord(kAdmissionFeesWord, uint32_t{seat} << 16 | bench);
    SetWord(kSeasonTicketsWord, StoredFee(MeanFee(arena, bench, seat) * kSeasonTicketShare / 100));
}

int32_t CFinance::CalcSeasonTicketHolders(int leagueLevel, const CTeam& team) const {
    const int64_t demand = team.GetSpectatorDemand(leagueLevel);
    int32_t m = 500 + RandBelow(100);
    switch (team.GetFanMood()) {
        case kMoodEuphorical: m += RandBelow(100); break;
        case kMoodFaithful: m += 20 + RandBelow(50); break;
        case kMoodFrustrated: m -= 100 + RandBelow(100); break;
        default: break;
    }
    for (int i = 0; i <= 5 - team.GetFanAmount(); ++i)
        m -= 60 + 5 * i;
    const int64_t base = demand * std::max(m, 0) / 1000;

    const AdmissionFees standard = CalcAdmissionFees(leagueLevel, team);
    const int64_t standardFee = std::max<int64_t>(MeanFee(team.arena, standard.bench, standard.seat), 1);
    const int64_t priceEquivalent = int64_t{GetSeasonTicketPrice()} * 100 / kSeasonTicketShare;
    int64_t shift = (priceEquivalent - standardFee) * base / standardFee;
    shift = shift * (shift < 0 ? 5 : 15) / 10;
    const int64_t holders = base - shift;
    const int64_t capacity = team.arena.GetCapacity();
    if (holders > capacity)
        return static_cast<int32_t>(capacity * 9 / 10);
    return static_cast<int32_t>(std::max<int64_t>(holders, 0));
}

void CFinance::SellSeasonTickets(int32_t count, int32_t homeMatches) {
    if (figures_.size() < kShortFigureCount)
        return;
    const uint16_t sold = static_cast<uint16_t>(std::clamp<int32_t>(count, 0, kFeeLimit));
    const int64_t money = (int64_t{sold} - GetSeasonTicketsSold()) * GetSeasonTicketPrice() * homeMatches / 100;
    Book(kIncomeSpectators, static_cast<uint32_t>(money));
    SetWord(kSeasonTicketsWord, (Word(kSeasonTicketsWord) & kFeeLimit) | uint32_t{sold} << 16);
}

uint32_t CFinance::CalcSeasonGateMoney(const CArena& arena, int64_t spectators, int64_t seasonTicketHolders,
                                       int homeMatches) const {
    const int64_t meanFee = MeanFee(arena, GetAdmissionFee(kBenchAdmission), GetAdmissionFee(kSeatAdmission));
    const int64_t paying = std::min<int64_t>(spectators, arena.GetCapacity()) - seasonTicketHolders;
    if (paying < 1)
        return 0;
    return static_cast<uint32_t>(std::clamp<int64_t>(paying * meanFee / 100 * homeMatches, 0, UINT32_MAX));
}
