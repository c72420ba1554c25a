#include <gtest/gtest.h>

#include "world/Finance.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Puts the manager at a club and a national team for one test.
class UserTeamTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_manager.club = &club;
        g_manager.nationalTeam = &national;
    }
    void TearDown() override {
        g_manager.club = &g_noClubTeam;
        g_manager.nationalTeam = &g_noClubTeam;
    }
    CTeam club;
    CTeam national;
    CTeam other;
};

}  // namespace

TEST_F(UserTeamTest, UserTeamsAreHisClubAndHisNationalTeam) {
    EXPECT_TRUE(IsUserTeam(&club));
    EXPECT_TRUE(IsUserTeam(&national));
    EXPECT_FALSE(IsUserTeam(&other));
    EXPECT_FALSE(IsUserTeam(nullptr));
}

TEST_F(UserTeamTest, UserClubPlayerIsInHisClubsSquad) {
    club.squad.push_back(std::make_unique<CPlayer>());
    other.squad.push_back(std::make_unique<CPlayer>());
    EXPECT_TRUE(IsUserClubPlayer(club.squad[0].get()));
    EXPECT_FALSE(IsUserClubPlayer(other.squad[0].get()));

    g_manager.club = &g_noClubTeam;
    EXPECT_FALSE(IsUserClubPlayer(club.squad[0].get()));
}

TEST_F(UserTeamTest, JobSafetyByConfidenceAndStanding) {
    struct Case {
        int confidence, reputation;
        bool safe;
    };
    const Case cases[] = {{50, 30, true}, {49, 100, false}, {100, 14, false}, {100, 15, true}};
    for (const Case& c : cases) {
        other.clubConfidence = static_cast<uint8_t>(c.confidence);
        other.fanReputation = static_cast<uint8_t>(c.reputation);
        EXPECT_EQ(other.IsCoachJobSafe(), c.safe) << c.confidence << " " << c.reputation;
    }
}

TEST_F(UserTeamTest, FullJobSafetyCounterKeepsOnlyTheUsersCoach) {
    for (CTeam* team : {&club, &other}) {
        team->clubConfidence = 10;
        team->flags |= kTeamJobSafetyCounter;
    }
    EXPECT_TRUE(club.IsCoachJobSafe());
    EXPECT_FALSE(other.IsCoachJobSafe());
}

TEST_F(UserTeamTest, AssistantCoach) {
    other.coachSurname = "Berg";
    EXPECT_TRUE(other.HasAssistantCoach());
    other.coachSurname.clear();
    EXPECT_FALSE(other.HasAssistantCoach());
    EXPECT_TRUE(national.HasAssistantCoach());

    other.account.SetProfessional(1);
    other.account.ApplyProfessionalSize();
    other.coachSurname = "Berg";
    EXPECT_FALSE(other.HasAssistantCoach());
    ContractRecord contract;
    contract.amount = 50000;
    contract.term = 2;
    other.account.SetContract(kContractCoach, contract);
    EXPECT_TRUE(other.HasAssistantCoach());
}
