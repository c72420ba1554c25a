#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/Random.h"
#include "tests/world/NationSamples.h"
#include "world/GameDate.h"
#include "world/Manager.h"

namespace {

TEST(NationCoefficient, MeanPointsOfTheFinishedSeasonsPerClub) {
    CNation n;
    n.seasonPoints = {99, 10, 20, 30};  // the running season does not count
    n.clubCounts = {9, 2, 3, 5};
    EXPECT_FLOAT_EQ(n.GetCoefficient(), 60.0f / 10.0f);
    // No clubs counted: the points themselves.
    n.clubCounts = {9, 0, 0, 0};
    EXPECT_FLOAT_EQ(n.GetCoefficient(), 60.0f);
}

TEST(NationQueries, DivisionsAndActivity) {
    CNation n;
    EXPECT_EQ(n.GetMaxDivision(), 0);
    EXPECT_TRUE(n.IsInactive());
    EXPECT_FALSE(n.HasParallelTopLeagues());
    n.leagues.push_back(SampleLeague(1, 4, kLeaguePassive));
    n.leagues.push_back(SampleLeague(3, 4, kLeaguePassive));
    EXPECT_EQ(n.GetMaxDivision(), 3);
    EXPECT_TRUE(n.IsInactive());
    EXPECT_FALSE(n.HasParallelTopLeagues());
    n.leagues.push_back(SampleLeague(1, 4));
    EXPECT_FALSE(n.IsInactive());
    EXPECT_TRUE(n.HasParallelTopLeagues());
}

TEST(NationChampion, TopOfTheTopLeagueOrTheChampionshipPlayoff) {
    CNation n;
    EXPECT_EQ(n.GetChampion(), nullptr);
    n.leagues.push_back(SampleLeague(2, 3));
    n.leagues.push_back(SampleLeague(1, 3));
    n.leagues[1]->tableOrder = {3, 1, 2};
    EXPECT_EQ(n.GetChampion(), n.leagues[1]->clubs[2].get());

    n.leagues[1]->tableOrder.clear();
    EXPECT_EQ(n.GetChampion(), nullptr);

    // Two top leagues: the play-off decides, and without it there is none.
    n.leagues.push_back(SampleLeague(1, 3));
    EXPECT_EQ(n.GetChampion(), nullptr);
    n.cups.push_back(std::make_unique<CCup>(kCupPlayoff));
    n.cups[2]->ranking = {n.leagues[2]->clubs[1].get()};
    EXPECT_EQ(n.GetChampion(), n.leagues[2]->clubs[1].get());
}

TEST(NationMakeInactive, KeepsTheTopClubsAndRenumbersTheTable) {
    CNation n;
    n.leagues.push_back(SampleLeague(1, 6));
    n.leagues.push_back(SampleLeague(2, 5));
    n.leagues.push_back(SampleLeague(2, 5, kLeaguePassive));
    // Table: C5, C0, C3, C1, C4, C2 -> C5, C0, C3, C1 stay.
    n.leagues[0]->tableOrder = {6, 1, 4, 2, 5, 3};
    n.MakeInactive();

    const CLeague& top = *n.leagues[0];
    EXPECT_TRUE(top.flags & kLeaguePassive);
    EXPECT_EQ(top.storedClubCount, 6);
    ASSERT_EQ(top.clubs.size(), 4u);
    std::vector<std::string> table;
    for (uint8_t entry : top.tableOrder)
        table.push_back(top.clubs.at(entry - 1)->name);
    EXPECT_EQ(table, (std::vector<std::string>{"C5", "C0", "C3", "C1"}));

    EXPECT_EQ(n.leagues[1]->clubs.size(), 3u);
    EXPECT_EQ(n.leagues[1]->tableOrder, (std::vector<uint8_t>{1, 2, 3}));
    // A league that was passive already stays as it was.
    EXPECT_EQ(n.leagues[2]->clubs.size(), 5u);
    EXPECT_EQ(n.leagues[2]->storedClubCount, 0);
}

class NationSponsorPick : public ::testing::Test {
protected:
    // Every sponsor that the pick returns over many draws.
    std::set<std::string> Picked(uint32_t amount) {
        std::set<std::string> names;
        SeedRandom(1);
        for (int draw = 0; draw < 200; ++draw) {
            const int i = nation.PickSponsor(amount);
            if (i >= 0)
                names.insert(nation.sponsors.at(i)->name);
        }
        return names;
    }
    CNation nation;
};

TEST_F(NationSponsorPick, NoSponsorsGivesNone) { EXPECT_EQ(nation.PickSponsor(100000), -1); }

TEST_F(NationSponsorPick, TakesTheLevelsFromTheAmountUp) {
    nation.sponsors.push_back(SampleSponsor("L0", 0));
    nation.sponsors.push_back(SampleSponsor("L3a", 3));
    nation.sponsors.push_back(SampleSponsor("L3b", 3));
    nation.sponsors.push_back(SampleSponsor("L4", 4));
    nation.sponsors.push_back(SampleSponsor("L7", 7));
    // 60000 exceeds three thresholds: level 3 and up already give 4.
    EXPECT_EQ(Picked(60000), (std::set<std::string>{"L3a", "L3b", "L4", "L7"}));
    // 20000 exceeds none: every level counts.
    EXPECT_EQ(Picked(20000).size(), 5u);
}

TEST_F(NationSponsorPick, WidensDownwardsUntilThreeCandidates) {
    nation.sponsors.push_back(SampleSponsor("L6", 6));
    nation.sponsors.push_back(SampleSponsor("L5", 5));
    nation.sponsors.push_back(SampleSponsor("L4", 4));
    nation.sponsors.push_back(SampleSponsor("L3", 3));
    nation.sponsors.push_back(SampleSponsor("L4b", 4));
    // Above 500000 but no level-7 sponsor: 6 and 5 are too few, 4 adds two.
    EXPECT_EQ(Picked(600000), (std::set<std::string>{"L6", "L5", "L4", "L4b"}));
}

class NationStaff : public ::testing::Test {
protected:
    void SetUp() override {
        g_gameDate = Date(2010, 8, 1);
        club = SampleClub("Club", 5);  // target competence 6
        club->coachFirstName = "Old";
        club->coachSurname = "Coach";
        club->coachBirthday = 0x07B20101;  // 1970: 40 years old
        club->coachCode = 0x13;
        nation.coachPool = {{"Far", "Off", 0x07B00101, 0x02}, {"Near", "By", 0x07B00101, 0x47},
                            {"Also", "Near", 0x07B00101, 0x05}};
    }
    void TearDown() override {
        g_manager.firstName.clear();
        g_manager.lastName.clear();
    }
    CNation nation;
    std::unique_ptr<CTeam> club;
};

TEST_F(NationStaff, ClosestCompetenceTakesThePostAndTheOldCoachHisPlace) {
    club->flags |= kTeamJobSafetyCounter;
    ASSERT_TRUE(nation.AppointStaffFromPool(*club, StaffPost::kCoach));
    EXPECT_EQ(club->coachSurname, "By");
    EXPECT_EQ(club->coachCode, 0x47);
    ASSERT_EQ(nation.coachPool.size(), 3u);
    EXPECT_EQ(nation.coachPool[1].surname, "Coach");
    EXPECT_EQ(nation.coachPool[1].code, 0x13);
    EXPECT_EQ(nation.coachPool[1].birthday, 0x07B20101u);
    // The new coach starts with a new climate.
    EXPECT_EQ(club->GetJobSafetyCounter(), 0);
}

// The user is no candidate for other clubs, nor is a coach of 65.
TEST_F(NationStaff, UserOrRetiredCoachLeavesThePoolEntryRemoved) {
    g_manager.firstName = "Old";
    g_manager.lastName = "Coach";
    ASSERT_TRUE(nation.AppointStaffFromPool(*club, StaffPost::kCoach));
    EXPECT_EQ(club->coachSurname, "By");
    ASSERT_EQ(nation.coachPool.size(), 2u);
    EXPECT_EQ(nation.coachPool[1].surname, "Near");

    g_manager.firstName.clear();
    club->coachSurname = "Senior";
    club->coachBirthday = 0x07910101;  // 1937: 73
    ASSERT_TRUE(nation.AppointStaffFromPool(*club, StaffPost::kCoach));
    EXPECT_EQ(club->coachSurname, "Near");
    EXPECT_EQ(nation.coachPool.size(), 1u);
}

TEST_F(NationStaff, NobodyCloseEnoughBringsANewPerson) {
    nation.coachPool = {{"Far", "Off", 0x07B00101, 0x02}};  // 4 below the target
    SeedRandom(7);
    ASSERT_TRUE(nation.AppointStaffFromPool(*club, StaffPost::kCoach));
    EXPECT_NE(club->coachSurname, "Off");
    EXPECT_FALSE(club->coachSurname.empty());
    EXPECT_EQ(nation.coachPool.size(), 1u);
    const int competence = club->coachCode & 0x0F;
    EXPECT_GE(competence, 4);
    EXPECT_LE(competence, 8);
}

TEST_F(NationStaff, KeeperCoachAndManagerComeFromTheirPools) {
    nation.keeperCoachPool = {{"Kai Keeper", 6}};
    club->keeperCoach = "K";  // no real name: not kept
    ASSERT_TRUE(nation.AppointStaffFromPool(*club, StaffPost::kKeeperCoach));
    EXPECT_EQ(club->keeperCoach, "Kai Keeper");
    EXPECT_EQ(club->keeperCoachCompetence, 6);
    EXPECT_TRUE(nation.keeperCoachPool.empty());

    // An empty pool: a made-up goalkeeper coach with a full name; the old
    // one does not go into the pool.
    SeedRandom(3);
    ASSERT_TRUE(nation.AppointStaffFromPool(*club, StaffPost::kKeeperCoach));
    EXPECT_NE(club->keeperCoach, "Kai Keeper");
    EXPECT_NE(club->keeperCoach.find(' '), std::string::npos);
    EXPECT_TRUE(nation.keeperCoachPool.empty());

    nation.managerPool = {{"Mia", "Manager", 0x07BA0303, 0x07}};
    club->managerSurname = "Previous";
    club->managerFirstName = "Pat";
    club->managerCompetence = 3;
    ASSERT_TRUE(nation.AppointStaffFromPool(*club, StaffPost::kManager));
    EXPECT_EQ(club->managerSurname, "Manager");
    EXPECT_EQ(club->managerCompetence, 7);
    EXPECT_EQ(nation.managerPool[0].surname, "Previous");
    EXPECT_EQ(nation.managerPool[0].code, 3);
}

}  // namespace
