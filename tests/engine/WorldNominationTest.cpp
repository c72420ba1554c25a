#include <gtest/gtest.h>

#include <functional>

#include "tests/world/CalendarWorldFixture.h"

namespace {

bool InSquad(const CTeam& team, const CPlayer* player) {
    size_t index = 0;
    return team.FindPlayer(player, index);
}

// One club whose squad is exactly the given players.
struct OneClubNation {
    CalendarWorld fixture{{.continents = 1, .nations = 2, .leagues = 1, .clubs = 1, .playersPerPosition = 0}};
    CNation& nation = fixture.Nation(0, 0);
    CTeam& club = *fixture.League(0, 0).clubs[0];

    CPlayer* Add(int position, int strength, int offset = 0, int nationality = 1) {
        auto player = MakeCalendarPlayer(nationality, position, strength);
        player->strengthOffset = static_cast<int8_t>(offset);
        club.squad.push_back(std::move(player));
        return club.squad.back().get();
    }
};

TEST(WorldNomination, ThirteenBestFieldPlayersAndEveryGoalkeeper) {
    OneClubNation n;
    std::vector<CPlayer*> field;
    for (int i = 0; i < 18; ++i)
        field.push_back(n.Add(1 + i % 6, 5, i));
    std::vector<CPlayer*> keepers = {n.Add(0, 1), n.Add(0, 2), n.Add(0, 3)};

    n.fixture.world.NominateNationalSquads(false, false);

    const CTeam& squad = n.nation.nationalTeam;
    EXPECT_EQ(squad.squad.size(), 16u);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(InSquad(squad, field[i]), i >= 5) << "field player " << i;
    for (CPlayer* keeper : keepers)
        EXPECT_TRUE(InSquad(squad, keeper));
}

TEST(WorldNomination, FewFieldCandidatesAreAllTaken) {
    OneClubNation n;
    for (int position = 1; position <= 6; ++position) {
        n.Add(position, 4);
        n.Add(position, 7);
    }
    n.Add(0, 3);
    n.fixture.world.NominateNationalSquads(false, false);
    EXPECT_EQ(n.nation.nationalTeam.squad.size(), 13u);
}

TEST(WorldNomination, OnlyTheThreeBestOfAPositionAreCandidates) {
    OneClubNation n;
    CPlayer* weakest = n.Add(0, 2);
    std::vector<CPlayer*> best = {n.Add(0, 9), n.Add(0, 5), n.Add(0, 7)};
    n.fixture.world.NominateNationalSquads(false, false);
    EXPECT_FALSE(InSquad(n.nation.nationalTeam, weakest));
    for (CPlayer* keeper : best)
        EXPECT_TRUE(InSquad(n.nation.nationalTeam, keeper));
}

struct EligibilityCase {
    const char* name;
    std::function<void(CPlayer&)> change;
    bool nominated;
};

TEST(WorldNomination, WhoMayBeNominated) {
    const EligibilityCase cases[] = {
        {"plain", [](CPlayer&) {}, true},
        {"former international", [](CPlayer& p) { p.popularityHealth |= CPlayer::kFormerInternational; }, false},
        {"marked for transfer", [](CPlayer& p) { p.styleTraits |= CPlayer::kTransferMarked; }, false},
        {"strength hidden", [](CPlayer& p) { p.styleTraits |= CPlayer::kStrengthHidden; }, false},
        {"marked, value waived",
         [](CPlayer& p) { p.styleTraits |= CPlayer::kTransferMarked | CPlayer::kNoTransferValue; }, true},
        {"on the transfer list", [](CPlayer& p) { p.styleTraits |= CPlayer::kOnTransferList; }, true},
        {"nation not in the world", [](CPlayer& p) { p.nationality = 150; }, false},
        // Unsigned, his negative score would have beaten everybody.
        {"negative score",
         [](CPlayer& p) {
             p.motivation = 0;
             p.strengthOffset = -50;
         },
         false},
    };
    for (const EligibilityCase& c : cases) {
        OneClubNation n;
        CPlayer* keeper = n.Add(0, 6);
        c.change(*keeper);
        n.fixture.world.NominateNationalSquads(false, false);
        EXPECT_EQ(InSquad(n.nation.nationalTeam, keeper), c.nominated) << c.name;
    }
}

TEST(WorldNomination, APlayerJoinsTheSquadOfHisNationality) {
    OneClubNation n;
    CPlayer* foreigner = n.Add(0, 6, 0, 2);
    n.fixture.world.NominateNationalSquads(false, false);
    EXPECT_FALSE(InSquad(n.nation.nationalTeam, foreigner));
    EXPECT_TRUE(InSquad(n.fixture.Nation(0, 1).nationalTeam, foreigner));
}

TEST(WorldNomination, TheUsersSquadByTheFlags) {
    struct FlagCase {
        bool includeUser, onlyUser;
        bool userRebuilt, otherRebuilt;
    };
    const FlagCase cases[] = {
        {false, false, false, true},
        {true, false, true, true},
        {false, true, true, false},
    };
    for (const FlagCase& c : cases) {
        CalendarWorld fixture;
        CTeam& user = fixture.Nation(0, 0).nationalTeam;
        CTeam& other = fixture.Nation(0, 1).nationalTeam;
        g_manager.nationalTeam = &user;
        fixture.world.NominateNationalSquads(c.includeUser, c.onlyUser);
        EXPECT_EQ(!user.squad.empty(), c.userRebuilt) << c.includeUser << c.onlyUser;
        EXPECT_EQ(!other.squad.empty(), c.otherRebuilt) << c.includeUser << c.onlyUser;
    }
}

// A squad of fewer than 12 leaves 16 minus its size new free players for
// the clubs to find.
TEST(WorldNomination, ANationShortOfPlayersGetsFreePlayers) {
    OneClubNation n;
    for (int i = 0; i < 3; ++i)
        n.Add(0, 5);
    n.fixture.world.NominateNationalSquads(false, false);
    EXPECT_EQ(n.nation.nationalTeam.squad.size(), 3u);
    EXPECT_EQ(n.nation.freePlayers.size(), 13u);
    EXPECT_EQ(n.fixture.Nation(0, 1).freePlayers.size(), 16u);
}

// Rebuilding empties the squad without taking the players from their clubs.
TEST(WorldNomination, TheSquadLendsItsPlayers) {
    CalendarWorld fixture;
    CTeam& national = fixture.Nation(0, 0).nationalTeam;
    fixture.world.NominateNationalSquads(false, false);
    fixture.world.NominateNationalSquads(false, false);
    ASSERT_FALSE(national.squad.empty());
    for (const auto& player : national.squad) {
        EXPECT_FALSE(player.get_deleter().Owns());
        EXPECT_TRUE(fixture.world.ContainsPlayer(player.get(), false, false));
    }
    for (const auto& club : fixture.League(0, 0).clubs)
        EXPECT_EQ(club->squad.size(), 14u);
}

}  // namespace
