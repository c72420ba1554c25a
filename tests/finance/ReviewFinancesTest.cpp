#include <gtest/gtest.h>

#include "finance/ComputerClub.h"
#include "tests/finance/BigArena.h"
#include "tests/finance/ComputerClubFixture.h"
#include "tests/finance/ForecastTuning.h"
#include "world/League.h"

namespace {

// A club of an even squad whose arena already holds more than its crowds
// want and whose score board is at its top, so that a budget goes to the
// youth and amateur teams alone.
class ReviewFinancesTest : public ComputerClubTest {
protected:
    void SetUp() override {
        ComputerClubTest::SetUp();
        SignEvenSquad();
        const auto wanted = static_cast<uint32_t>(Club().GetSpectatorDemand(League().division) * 5 / 4 + 1);
        EnlargeArena(Club().arena, wanted, kStandingLarge);
        ASSERT_GE(Club().arena.GetCapacity(), wanted);
        Club().arena.SetScoreBoard(CArena::kMaxScoreBoard);
    }
};

}  // namespace

// From a forecast of 100 on the club spends seven eighths of its net assets
// (and of the surplus it expects, none at 100). A subsidy is paid only when
// it is below what is left of that budget.
TEST_F(ReviewFinancesTest, SpendsOnYouthAndAmateursFromBreakEvenOn) {
    const struct {
        uint32_t health;
        int64_t netAssets;
        int32_t tickets;
        uint32_t youth, amateurs;
    } cases[] = {
        {99, 800000, 0, 0, 0},    {100, 800000, 0, 28000, 19200}, {100, 8000, 0, 280, 192},
        {100, 8000, 1300, 6780, 0}, {100, 8000, 1400, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.health << " " << c.netAssets << " " << c.tickets);
        Club().account.Reset();
        Club().account.SellSeasonTickets(c.tickets, League().GetHomeMatchCount());
        SetForecast(League(), Club(), c.health, c.netAssets);
        ASSERT_EQ(Club().account.CalcHealthForecast(League(), Club()), c.health);

        ReviewFinances(Context(), ReviewSquad(Context()));

        EXPECT_EQ(Club().account.GetFigure(kCostYouthTeam), c.youth);
        EXPECT_EQ(Club().account.GetFigure(kCostAmateurTeam), c.amateurs);
        EXPECT_EQ(Club().account.GetFigure(kCostStadium), 0u);
    }
}

// Short of money the club lists, dearest for his worth first, a player
// whose position keeps another one; players already on their way out count
// as gone.
TEST_F(ReviewFinancesTest, SavesBySellingTheDearestPlayerWhosePositionKeepsAnother) {
    for (bool partnerLent : {false, true}) {
        SCOPED_TRACE(partnerLent);
        Club().squad.clear();
        nation.listedPlayers.clear();
        nation.transferEntries.clear();
        Club().account.Reset();
        Sign(Club(), 0, 8);  // the only goalkeeper
        for (int p = 1; p < kPositionCount; ++p)
            for (int i = 0; i < 2; ++i)
                Sign(Club(), p, 8);
        SquadValuation valuation;
        for (const auto& player : Club().squad) {
            valuation.seasonCost.push_back(GetSeasonCost(*player, League()));
            valuation.costPerValue.push_back(100);
            ++valuation.count[SquadPosition(*player)];
        }
        valuation.costPerValue[0] = 900;  // the goalkeeper
        valuation.costPerValue[1] = 800;  // a right wing
        valuation.costPerValue[3] = 700;  // a right back
        // Either sale covers the shortfall by itself.
        valuation.seasonCost[1] = valuation.seasonCost[3] = 100000000;
        CPlayer& partner = *Club().squad[2];
        if (partnerLent)
            ASSERT_TRUE(nation.AddToTransferList(&partner, 0, true, false, true));
        SetForecast(League(), Club(), 90, 0);

        ReviewFinances(Context(), valuation);

        const CPlayer* sold = Club().squad[partnerLent ? 3 : 1].get();
        for (const auto& player : Club().squad) {
            SCOPED_TRACE(player->GetPosition());
            const bool listed = player.get() == sold || (player.get() == &partner && partnerLent);
            EXPECT_EQ(player->IsOnTransferList(true), listed);
        }
        TransferEntry entry;
        ASSERT_TRUE(nation.GetTransferEntryOfPlayer(sold, entry));
        EXPECT_EQ(entry.price, 0u);
        EXPECT_FALSE(entry.loan);
    }
}
