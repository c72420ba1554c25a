// New sponsors in the pool of the user's club. In the first weeks of the
// season sponsors join at the yearly amount per participant he asks; the
// season start reckoned how many would join at a fair amount. Asking less
// brings more of them, asking more fewer, with a spread of a fifth either
// way. Each pays his year at once.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "finance/ClubWeek.h"
#include "platform/Random.h"
#include "squad/Training.h"
#include "world/Finance.h"
#include "world/Manager.h"

namespace {

constexpr int kJoiningWeeks = 8;
constexpr int kSpreadPercent = 20;
// The pool keeps its participants in one byte.
constexpr int64_t kMostParticipants = 255;

// Tenths of the participants that join this week at the amount asked.
int64_t JoiningTenths(int64_t supposed, int64_t asked, int64_t fair) {
    int64_t n = supposed * 10 >> 3;
    const int64_t gap = std::abs(asked - fair);
    if (asked < fair)
        n += gap * n / fair >> 1;
    else
        n -= gap * n / fair * 200 / (gap * 100 / fair + 140);
    return n + n * (RandBelow(2 * kSpreadPercent + 1) - kSpreadPercent) / 100;
}

}  // namespace

void WelcomePoolSponsors(CFinance& account) {
    const int64_t fair = g_manager.merchandiseWeekFigure;
    if (GetCurrentSeasonWeek() > kJoiningWeeks || fair <= 0)
        return;
    const SponsorPool pool = account.GetSponsorPool();
    const int64_t joining =
        std::clamp<int64_t>(JoiningTenths(g_manager.merchandiseFigure, pool.yearlyAmount, fair) / 10, 0,
                            kMostParticipants - pool.participants);
    account.Book(kIncomeSponsors, static_cast<uint32_t>(joining * pool.yearlyAmount));
    account.SetSponsorPool(pool.participants + static_cast<uint32_t>(joining), pool.yearlyAmount);
}
