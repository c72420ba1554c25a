#include <gtest/gtest.h>

#include "platform/Random.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/TransferMarket.h"
#include "world/World.h"

namespace {

class NationTransfersTest : public ::testing::Test {
protected:
    void SetUp() override {
        world = MakeSampleWorld();
        nation = world->continents[0]->nations[1].get();
        seller = nation->leagues[0]->clubs[2].get();
        buyer = nation->leagues[0]->clubs[3].get();
        player = seller->squad[5].get();
        player->styleTraits = 0;
        player->contractFlags = CPlayer::kProfessional;
        player->contractYears = 3;
        SeedRandom(7);
    }
    void TearDown() override {
        g_manager.world = nullptr;
        g_manager.history.Reset();
    }

    std::unique_ptr<CWorld> world;
    CNation* nation = nullptr;
    CTeam* seller = nullptr;
    CTeam* buyer = nullptr;
    CPlayer* player = nullptr;
};

}  // namespace

TEST_F(NationTransfersTest, LoansCloseWithTheWindowAndShortContractsGoFree) {
    g_gameDate = Date(2005, 1, 15);
    EXPECT_FALSE(nation->AddToTransferList(player, 50000, true, false, false));
    g_gameDate = Date(2005, 1, 14);
    ASSERT_TRUE(nation->AddToTransferList(player, 50000, true, false, true));
    TransferEntry entry;
    ASSERT_TRUE(nation->GetTransferEntryOfPlayer(player, entry));
    EXPECT_TRUE(entry.loan);
    EXPECT_EQ(entry.leagueByte, 0);
    EXPECT_TRUE(player->IsOnTransferList(true));
    EXPECT_FALSE(nation->AddToTransferList(player, 50000, false, false, false)) << "already listed";

    ASSERT_TRUE(nation->RemoveFromTransferList(player));
    EXPECT_FALSE(player->IsOnTransferList(false));
    g_gameDate = Date(2005, 2, 10);
    player->contractYears = 1;
    ASSERT_TRUE(nation->AddToTransferList(player, 50000, false, false, false));
    ASSERT_TRUE(nation->GetTransferEntryOfPlayer(player, entry));
    EXPECT_TRUE(entry.free);
    EXPECT_FALSE(nation->WithdrawFromTransferList(player)) << "a free transfer stays listed in the window";
}

TEST_F(NationTransfersTest, RenewedTalksKeepTheirDayAndTakeTheNewClub) {
    g_gameDate = Date(2004, 9, 6);
    CTeam* other = nation->leagues[0]->clubs[4].get();
    for (const auto& league : nation->leagues)
        league->division = 1;  // professional top division: every player talks
    ASSERT_TRUE(nation->OpenTransferTalks(player, buyer, 3, true));
    ASSERT_TRUE(nation->OpenTransferTalks(player, other, 5, true));
    TransferEntry entry;
    ASSERT_TRUE(nation->GetTransferEntryOfPlayer(player, entry));
    EXPECT_EQ(entry.talksOffset, 3);
    ASSERT_EQ(std::count_if(nation->transferTalks.begin(), nation->transferTalks.end(),
                            [&](const TransferPair& t) { return t.player == player; }),
              1);
    EXPECT_TRUE(nation->HasTransferTalks(player));
    EXPECT_FALSE(nation->WithdrawFromTransferList(player)) << "talks are under way";
    EXPECT_FALSE(nation->OpenTransferTalks(player, buyer, 6, true));
}

TEST_F(NationTransfersTest, SaleEntersTheHistorysTransferFees) {
    g_manager.history.Reset();
    ASSERT_TRUE(nation->CompleteTransfer(player, seller, buyer, nation->leagues[0].get(), false, false, 750000));
    const CHistory::RecordEntry top = g_manager.history.EntryAt(CHistory::kTransferFees, 0);
    EXPECT_EQ(top.name, player->GetDisplayName(false));
    EXPECT_EQ(top.text, buyer->name);
    EXPECT_EQ(top.value, 750000u);
}

TEST_F(NationTransfersTest, SaleInMarchWaitsForTheSeasonChange) {
    g_gameDate = Date(2005, 3, 20);
    ASSERT_TRUE(nation->CompleteTransfer(player, seller, buyer, nation->leagues[0].get(), true, true, 0));
    size_t index = 0;
    EXPECT_TRUE(seller->FindPlayer(player, index));
    EXPECT_TRUE(nation->IsTransferAgreed(player));
    EXPECT_TRUE(player->HasChangedTeam());
    std::vector<CPlayer*> coming;
    EXPECT_TRUE(world->GetAgreedTransfersToTeam(buyer, coming));
    EXPECT_NE(std::find(coming.begin(), coming.end(), player), coming.end());
    PlayerContract terms;
    ASSERT_TRUE(nation->GetAgreedTransferTerms(player, terms));

    nation->CarryOutAgreedTransfers(*world);
    EXPECT_TRUE(buyer->FindPlayer(player, index));
    EXPECT_FALSE(seller->FindPlayer(player, index));
    EXPECT_EQ(player->contractYears, terms.years + 1);
    EXPECT_FALSE(player->HasChangedTeam());
    EXPECT_TRUE(nation->agreedTransfers.empty());
    EXPECT_TRUE(nation->agreedTransferTerms.empty());
}

TEST_F(NationTransfersTest, LoanedPlayerReturnsToHisClubAtTheSeasonChange) {
    g_gameDate = Date(2004, 8, 20);
    CNation* buyerNation = world->continents[1]->nations[0].get();
    CTeam* foreignBuyer = buyerNation->leagues[0]->clubs[0].get();
    ASSERT_TRUE(nation->AddToTransferList(player, 0, true, false, false));
    ASSERT_TRUE(nation->CompleteTransfer(player, seller, foreignBuyer, buyerNation->leagues[0].get(), true, true, 0));
    size_t index = 0;
    EXPECT_TRUE(foreignBuyer->FindPlayer(player, index));
    CTeam* returnsTo = nullptr;
    ASSERT_TRUE(buyerNation->GetAgreedTransferTeam(player, returnsTo));
    EXPECT_EQ(returnsTo, seller);
    EXPECT_EQ(player->contractYears, 1);

    buyerNation->CarryOutAgreedTransfers(*world);
    EXPECT_TRUE(seller->FindPlayer(player, index));
}

TEST_F(NationTransfersTest, DroppedTeamLeavesNoDealBehind) {
    g_gameDate = Date(2004, 8, 20);
    CPlayer* buyersPlayer = buyer->squad[0].get();
    buyersPlayer->styleTraits = 0;
    ASSERT_TRUE(nation->AddToTransferList(buyersPlayer, 0, false, false, false));
    nation->transferTalks.push_back({player, buyer});
    nation->agreedTransfers.push_back({seller->squad[6].get(), buyer});
    nation->SetAgreedTransferTerms(seller->squad[6].get(), PlayerContract{});
    world->DropTeamFromTransferDeals(buyer);
    for (const TransferPair& t : nation->transferTalks)
        EXPECT_NE(t.club, buyer);
    for (const TransferPair& a : nation->agreedTransfers)
        EXPECT_NE(a.club, buyer);
    EXPECT_FALSE(buyersPlayer->IsOnTransferList(false));
    EXPECT_EQ(nation->agreedTransferTerms.size(), nation->agreedTransfers.size() * 2);
}
