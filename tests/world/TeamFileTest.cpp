#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "tests/world/FileFormChecks.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

std::unique_ptr<CPlayer> NamedPlayer(const char* lastName, int position, int number) {
    auto p = std::make_unique<CPlayer>();
    p->lastName = lastName;
    p->firstName = "Jan";
    p->positions = static_cast<uint8_t>(position);
    p->number = static_cast<uint8_t>(number);
    p->salaryHundreds = 420;
    p->leagueGoals = 17;
    return p;
}

// Every part of the record filled with something other than its default.
void FillTeam(CTeam& team) {
    team.name = "SG Nordhafen";
    team.shorthand = MakeShorthand(team.name);
    team.fansNickname = "Die Moewen";
    team.amateurTeamName = "SG Nordhafen II";
    team.logoFile = "nordhafen.bmp";
    team.article = 1;
    team.flags = kTeamCupTeam | kTeamActiveLeague;
    team.foundingYear = 1921;
    team.fansAndFinance = 0x52;
    team.fanAmount = 0x53;
    team.capital = -250000;
    team.mapPosition = 0x2A17;
    team.homeColour = 0x0000FF;
    team.awayColour = 0x101010;
    team.coachFirstName = "Ole";
    team.coachSurname = "Brandt";
    team.coachCode = 0x67;
    team.coachBirthday = 0x07B20304;
    team.managerFirstName = "Ute";
    team.managerSurname = "Lind";
    team.managerCompetence = 8;
    team.chiefFirstName = "Hinrich";
    team.chiefSurname = "Voss";
    team.keeperCoach = "Pit Lange";
    team.keeperCoachCompetence = 6;
    team.arena.SetName("Hafenhalle");
    team.arena.AddGridLine(false, false, true, false, kSeatsMiddle);
    team.arena.UpgradeBlock(0, 3, 0);
    for (int i = 0; i < 14; ++i)
        team.AddPlayer(NamedPlayer("Squad", i % kPositionCount, i + 1));
    team.youth.push_back(NamedPlayer("Youth", kLeftWing, 30));
    team.amateurs.push_back(NamedPlayer("Amateur", kGoalkeeper, 40));
    team.amateurs.push_back(NamedPlayer("Amateur", kLinePlayer, 41));
    team.account.SetProfessional(1);
    team.account.ApplyProfessionalSize();
    team.account.Book(kIncomeSponsors, 300000);
    team.account.AppendTransaction({true, 70, 12, 200000});
    team.clubConfidence = 64;
    team.fanReputation = 71;
    team.fightingSpirit = 130;
    team.teamSpirit = 85;
    team.boardAndMedia = 0x54;
    team.penaltyKeepers = {0, 7};
    team.penaltyTakers = {3, 2, 9};
    team.captains = {5, 1};
    team.injuries = {0x0304};
    team.trainingPlan.fill(7);
    team.reservedPlanBytes = {0xAB, 0xCD};
    team.offenceWeights = 0x1C3;
    team.defenceTactics = 0x0A5;
    team.markingAssignments = 0x12345678;
    team.defenceSystem = 3;
    for (int slot = 0; slot < kLineupSlotCount; ++slot)
        team.lineup[slot] = static_cast<uint8_t>(slot < 14 ? slot + 1 : 0);
    for (int t = 0; t < kTitleCounterCount; ++t)
        team.titles[t] = static_cast<uint8_t>(t + 1);
}

// A team is not copied or moved: other objects point at it.
std::unique_ptr<CTeam> FullTeam() {
    auto team = std::make_unique<CTeam>();
    FillTeam(*team);
    return team;
}

std::unique_ptr<CTeam> ReadBack(const std::vector<uint8_t>& bytes, uint8_t saveGame) {
    MemoryFile in(bytes);
    auto team = std::make_unique<CTeam>();
    EXPECT_TRUE(team->Read(in, saveGame));
    EXPECT_EQ(in.Position(), bytes.size());
    return team;
}

}  // namespace

TEST(TeamFile, WrittenAndReadBackGivesTheSameBytes) {
    ExpectRoundTrip(CTeam(), 0);
    ExpectRoundTrip(CTeam(), 1);
    ExpectRoundTrip(*FullTeam(), 0);
    ExpectRoundTrip(*FullTeam(), 1);
}

TEST(TeamFile, SaveGameKeepsTheGameState) {
    const auto read = ReadBack(WrittenBytes(*FullTeam(), 1), 1);
    const CTeam& team = *read;
    EXPECT_EQ(team.squad.size(), 14u);
    EXPECT_EQ(team.youth.size(), 1u);
    EXPECT_EQ(team.amateurs.size(), 2u);
    EXPECT_EQ(team.amateurs[1]->salaryHundreds, 420);
    EXPECT_EQ(team.captains, (std::vector<uint8_t>{5, 1}));
    EXPECT_EQ(team.reservedPlanBytes[1], 0xCD);
    EXPECT_EQ(team.titles[kTitleChampionships], kTitleChampionships + 1);
    EXPECT_EQ(team.account.GetFigure(kIncomeSponsors), 300000u);
    EXPECT_EQ(team.clubConfidence, 64);
    EXPECT_EQ(team.arena.GetBlockStateAt(0, 3) & kBlockClosed, kBlockClosed);
}

TEST(TeamFile, WorldFileKeepsTheClubButNotTheGame) {
    const auto read = ReadBack(WrittenBytes(*FullTeam(), 0), 0);
    const CTeam& team = *read;
    const CTeam fresh;
    EXPECT_EQ(team.name, "SG Nordhafen");
    EXPECT_EQ(team.coachSurname, "Brandt");
    EXPECT_EQ(team.capital, -250000);
    EXPECT_EQ(team.fanAmount, 0x53);
    EXPECT_EQ(team.arena.GetName(), "Hafenhalle");
    ASSERT_EQ(team.squad.size(), 14u);
    EXPECT_EQ(team.squad[3]->lastName, "Squad");
    EXPECT_EQ(team.squad[3]->salaryHundreds, 0);  // a season field
    EXPECT_TRUE(team.youth.empty());
    EXPECT_TRUE(team.captains.empty());
    EXPECT_EQ(team.lineup, fresh.lineup);
    EXPECT_EQ(team.trainingPlan, fresh.trainingPlan);
    EXPECT_EQ(team.titles, fresh.titles);
    EXPECT_EQ(team.clubConfidence, 75);
    EXPECT_EQ(team.fanReputation, 60);
    EXPECT_EQ(team.teamSpirit, 100);
}

TEST(TeamFile, WorldFileReadKeepsTheStateAndItsIndicesValid) {
    CTeam team;
    FillTeam(team);
    CTeam smaller;
    smaller.AddPlayer(NamedPlayer("Only", kGoalkeeper, 1));
    smaller.AddPlayer(NamedPlayer("Other", kCentreBack, 2));
    MemoryFile in(WrittenBytes(smaller, 0));
    ASSERT_TRUE(team.Read(in, 0));
    EXPECT_EQ(team.clubConfidence, 64);
    EXPECT_EQ(team.trainingPlan[10], 7);
    // The kept lineup may not point past the new squad of two.
    EXPECT_EQ(team.captains, (std::vector<uint8_t>{1}));
    EXPECT_EQ(team.penaltyKeepers, (std::vector<uint8_t>{0}));
    EXPECT_EQ(team.lineup[0], 1);
    EXPECT_EQ(team.lineup[1], 2);
    EXPECT_EQ(team.lineup[2], 0);
    EXPECT_TRUE(team.injuries.empty());
}

TEST(TeamFile, EveryCutFailsAndLeavesTheTeamAlone) {
    ExpectEveryCutFails(*FullTeam(), 1);
    ExpectEveryCutFails(*FullTeam(), 0);
}

TEST(TeamFile, StrayIndexInAFileIsDropped) {
    CTeam stray;
    FillTeam(stray);
    stray.captains = {200, 5};
    stray.lineup[4] = 99;
    const auto read = ReadBack(WrittenBytes(stray, 1), 1);
    EXPECT_EQ(read->captains, (std::vector<uint8_t>{5}));
    EXPECT_EQ(read->lineup[4], 0);
}

TEST(TeamFile, ListTooLongForItsCountIsNotWritten) {
    CTeam team;
    for (int i = 0; i < 256; ++i)
        team.amateurs.push_back(std::make_unique<CPlayer>());
    MemoryFile out;
    EXPECT_FALSE(team.Write(out, 1));
    EXPECT_TRUE(out.Bytes().empty());
    EXPECT_TRUE(team.Write(out, 0));  // the amateurs are game state only
}
