#include <gtest/gtest.h>

#include <memory>

#include "platform/Date.h"
#include "platform/Random.h"
#include "tests/world/PlayerSamples.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// A league of six clubs (ten regular match days) in a nation; its players
// are 27 years old and each alone on his position.
struct HonoursLeague {
    CLeague* league = nullptr;

    explicit HonoursLeague(CNation& nation) {
        nation.leagues.push_back(std::make_unique<CLeague>());
        league = nation.leagues.back().get();
        for (int i = 0; i < 6; ++i)
            league->clubs.push_back(std::make_unique<CTeam>());
    }
    CTeam* Club(int i) const { return league->clubs[static_cast<size_t>(i)].get(); }
    CPlayer& Add(int club, int position, int strength) const {
        auto p = std::make_unique<CPlayer>();
        p->positions = static_cast<uint8_t>(position);
        p->strengthTalent = static_cast<uint8_t>(strength << 4 | 2);
        p->birthday = 1980 << 16 | 1 << 8 | 1;
        p->averageForm = 10;
        CPlayer& added = *p;
        Club(club)->AddPlayer(std::move(p));
        return added;
    }
};

}  // namespace

TEST(PlayerOfTheYear, RegularWithTheBetterGradesWins) {
    GameDateScope date(Date(2008, 6, 14));
    SeedRandom(3);
    CNation nation;
    const HonoursLeague h(nation);
    CPlayer& good = h.Add(0, 1, 5);
    CPlayer& poor = h.Add(1, 1, 5);
    CPlayer& seldom = h.Add(0, 5, 9);
    good.leagueMatches = poor.leagueMatches = 3;
    good.averageGrade = 2.0f;
    poor.averageGrade = 4.0f;
    seldom.leagueMatches = 2;  // a quarter of ten match days is not enough
    seldom.averageGrade = 1.0f;
    EXPECT_EQ(nation.PickPlayerOfTheYear(), &good);

    good.averageGrade = 0;  // no graded match
    EXPECT_EQ(nation.PickPlayerOfTheYear(), &poor);
    h.league->flags |= kLeaguePassive;
    EXPECT_EQ(nation.PickPlayerOfTheYear(), nullptr);
}

TEST(PlayerOfTheYear, CupPlayerComesFromAClubOfTheClubCups) {
    GameDateScope date(Date(2008, 6, 14));
    SeedRandom(3);
    CContinent continent;
    continent.nations.push_back(std::make_unique<CNation>());
    const HonoursLeague h(*continent.nations[0]);
    continent.clubCups.push_back(std::make_unique<CCup>(kCupContinental));
    continent.clubCups[0]->participants.push_back(h.Club(0));
    continent.clubCup.participants.push_back(h.Club(1));
    CPlayer& listedCup = h.Add(0, 1, 5);
    CPlayer& mainCup = h.Add(1, 1, 7);
    CPlayer& outside = h.Add(2, 1, 9);
    CPlayer& idle = h.Add(1, 5, 9);
    listedCup.intlClubMatches = mainCup.intlClubMatches = outside.intlClubMatches = 4;
    idle.intlClubMatches = 0;
    EXPECT_EQ(continent.PickCupPlayerOfTheYear(), &mainCup);

    mainCup.intlClubMatches = 0;
    EXPECT_EQ(continent.PickCupPlayerOfTheYear(), &listedCup);
    listedCup.intlClubMatches = 0;
    EXPECT_EQ(continent.PickCupPlayerOfTheYear(), nullptr);
}
