#include <gtest/gtest.h>

#include <memory>

#include "platform/Random.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/TransferMarket.h"
#include "world/World.h"

namespace {

constexpr uint32_t kPrice = 50000;
// A fortune whose interest makes a club's season, or a debt whose interest
// ruins it.
constexpr int32_t kRich = 2000000000;
constexpr int32_t kBroke = -2000000000;

// The weekly decision on a sample nation in October, when sales are carried
// out at once. The listed player is the best of his position and too old
// for the youth terms, so his club rates him at least neutral.
class TransferTalksTest : public ::testing::Test {
protected:
    void SetUp() override {
        world = MakeSampleWorld();
        nation = world->continents[0]->nations[1].get();
        nation->transferTalks.clear();
        for (const auto& league : nation->leagues) {
            league->division = 1;  // every player talks to a professional top division
            league->currentMatchDay = 1;
        }
        CLeague& league = *nation->leagues[0];
        seller = league.clubs[2].get();
        buyer = league.clubs[3].get();
        player = seller->squad[5].get();
        player->styleTraits = 0;
        player->contractFlags = CPlayer::kProfessional;
        player->contractYears = 2;
        player->fixedFeeHundreds = 0;
        player->strengthTalent = 10 << 4 | 2;
        player->motivation = 100;
        player->averageForm = 10;
        player->birthday = 1978 << 16 | 5 << 8 | 1;
        g_gameDate = Date(2004, 10, 4);
        for (CTeam* club : {seller, buyer}) {
            club->account.SetProfessional(1);
            club->account.Reset();
            club->account.ApplyProfessionalSize();
        }
        seller->capital = kBroke;
        SeedRandom(7);
    }
    void TearDown() override {
        g_manager.world = nullptr;
        g_manager.club = savedClub;
    }

    void Offer(bool fromScreens) {
        ASSERT_TRUE(nation->AddToTransferList(player, kPrice, false, false, fromScreens));
        ASSERT_TRUE(nation->OpenTransferTalks(player, buyer, 3, true));
        size_t index = 0;
        ASSERT_TRUE(seller->FindPlayer(player, index));
        ASSERT_GE(seller->RateSquadPlayers(*nation->leagues[0])[index], CTeam::kNeutralRating);
    }
    bool InSquad(const CTeam* club) const {
        size_t index = 0;
        return club->FindPlayer(player, index);
    }

    std::unique_ptr<CWorld> world;
    CNation* nation = nullptr;
    CTeam* seller = nullptr;
    CTeam* buyer = nullptr;
    CPlayer* player = nullptr;
    CTeam* savedClub = g_manager.club;
};

}  // namespace

TEST_F(TransferTalksTest, ClubThatCanAffordHimBuysHim) {
    buyer->capital = kRich;
    Offer(false);
    const int32_t sellerBalance = seller->account.GetBalance();
    const int32_t buyerBalance = buyer->account.GetBalance();
    nation->ResolveTransferTalks();

    EXPECT_TRUE(InSquad(buyer));
    EXPECT_FALSE(InSquad(seller));
    EXPECT_EQ(seller->account.GetBalance(), sellerBalance + static_cast<int32_t>(kPrice));
    EXPECT_EQ(buyer->account.GetBalance(), buyerBalance - static_cast<int32_t>(kPrice));
    EXPECT_EQ(seller->account.GetFigure(kIncomeTransfer), kPrice);
    EXPECT_EQ(buyer->account.GetFigure(kCostTransfer), kPrice);
    TransferEntry entry;
    EXPECT_FALSE(nation->GetTransferEntryOfPlayer(player, entry));
    EXPECT_FALSE(player->IsOnTransferList(false));
    EXPECT_TRUE(player->HasChangedTeam());
    EXPECT_TRUE(nation->transferTalks.empty());
}

TEST_F(TransferTalksTest, ClubThatCannotAffordHimLeavesHimWhereHeIs) {
    buyer->capital = kBroke;
    Offer(false);
    const int32_t sellerBalance = seller->account.GetBalance();
    nation->ResolveTransferTalks();

    EXPECT_TRUE(InSquad(seller));
    EXPECT_FALSE(InSquad(buyer));
    EXPECT_EQ(seller->account.GetBalance(), sellerBalance);
    EXPECT_FALSE(player->IsOnTransferList(false)) << "his club takes him off the list";
    EXPECT_FALSE(player->HasChangedTeam());
    EXPECT_TRUE(nation->transferTalks.empty());
}

TEST_F(TransferTalksTest, EndlessContractKeepsHimAtHisClub) {
    buyer->capital = kRich;
    player->contractYears = 255;
    Offer(false);
    nation->ResolveTransferTalks();
    EXPECT_TRUE(InSquad(seller));
}

TEST_F(TransferTalksTest, PlayerListedFromTheScreensGoesToAnyInterestedClub) {
    buyer->capital = kBroke;
    Offer(true);
    nation->ResolveTransferTalks();
    EXPECT_TRUE(InSquad(buyer));
    EXPECT_FALSE(player->IsOnTransferList(false));
}

// A club that would be left without a whole match sheet keeps the player,
// even one it listed itself, and he stays on its list.
TEST_F(TransferTalksTest, AClubKeepsAPlayerItNeedsForItsMatchSheet) {
    buyer->capital = kBroke;
    Offer(true);
    const CLeague& league = *nation->leagues[0];
    while (seller->squad.size() > league.playersPerMatch)
        seller->RemovePlayer(seller->squad.back().get() == player ? seller->squad.front().get()
                                                                  : seller->squad.back().get());
    nation->ResolveTransferTalks();
    EXPECT_TRUE(InSquad(seller));
    EXPECT_TRUE(player->IsOnTransferList(true));
}

TEST_F(TransferTalksTest, TalksOfTheUsersClubOnlyLapse) {
    buyer->capital = kRich;
    for (CTeam* users : {seller, buyer}) {
        SCOPED_TRACE(users == seller ? "selling" : "buying");
        g_manager.club = users;
        Offer(true);
        nation->ResolveTransferTalks();
        EXPECT_TRUE(InSquad(seller));
        TransferEntry entry;
        ASSERT_TRUE(nation->GetTransferEntryOfPlayer(player, entry)) << "a listing from the screens stays";
        EXPECT_EQ(entry.talksOffset, 0);
        EXPECT_TRUE(nation->transferTalks.empty());
        ASSERT_TRUE(nation->RemoveFromTransferList(player));
    }
}
