#include <gtest/gtest.h>

#include <memory>

#include "finance/IncomeFormulae.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Six clubs, ten match days; the club under test has fourteen players of
// strength 4 at 10,000 a year and 100 a match: a wage bill of 151,200.
struct ForecastLeague {
    CLeague league;
    ForecastLeague() {
        for (int i = 0; i < 6; ++i)
            league.clubs.push_back(std::make_unique<CTeam>());
        league.ValidateSettings();
        for (int i = 0; i < 14; ++i) {
            auto p = std::make_unique<CPlayer>();
            p->SetSalary(10000);
            p->bonusTens = 10;
            p->strengthTalent = 4 << 4;
            Club().squad.push_back(std::move(p));
        }
    }
    CTeam& Club() { return *league.clubs[0]; }
};

}  // namespace

TEST(HealthForecast, ClubWithoutContractsReckonsWithStaffAndYouthCosts) {
    constexpr uint32_t kWageBill = 151200;
    for (int division : {1, 2}) {
        SCOPED_TRACE(division);
        ForecastLeague f;
        f.league.division = static_cast<uint8_t>(division);
        CTeam& club = f.Club();
        club.account.Reset();
        club.capital = -1000000;  // a thousand thousands of debt at the 7.5 % a game starts with
        const uint32_t staff = CalcStaffSalary(5, division, true) * (division == 1 ? 5 : 4) / 3;
        const uint32_t costs = kWageBill + staff + CalcYouthTeamCosts(4.0f);
        const uint32_t income = club.account.CalcSeasonIncome(f.league, club, 25);
        EXPECT_EQ(club.account.CalcHealthForecast(f.league, club),
                  club.account.CalcHealthForecast(income, costs, club.capital, 75));
        EXPECT_EQ(club.account.CalcHealthForecast(income, costs, club.capital, 75),
                  club.account.CalcHealthForecast(income, costs + 1000 * 75, 0, 0));
    }
}

TEST(HealthForecast, ProfessionalClubCountsItsContractsInstead) {
    ForecastLeague f;
    CTeam& club = f.Club();
    club.account.SetProfessional(1);
    club.account.Reset();
    club.account.ApplyProfessionalSize();
    club.capital = 5000000;
    const uint32_t income = club.account.CalcSeasonIncome(f.league, club, 25);
    EXPECT_GT(income, club.account.CalcSeasonIncome(f.league, club, 0)) << "assets earn interest";
    EXPECT_EQ(club.account.CalcHealthForecast(f.league, club),
              club.account.CalcHealthForecast(income, 151200, club.capital, 75));
}
