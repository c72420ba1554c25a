#include <gtest/gtest.h>

#include "tests/world/CalendarWorldFixture.h"

// At the season's end the continent crowns the winners of its club cups:
// the first cup of its list leads, every other club cup, the main one
// included, counts as a further one.

namespace {

struct Crowned {
    int leadingTitles, furtherTitles;
    int leadingHonours, furtherHonours;  // of each squad player
    bool bonuses;
};

Crowned CrownedOf(const CTeam& club, int confidenceBefore) {
    const CPlayer& player = *club.squad.front();
    return {club.titles[kTitleChampionCups], club.titles[kTitleEuropeanChampionships],
            player.honours[kHonourLeadingClubCup], player.honours[kHonourOtherClubCups],
            club.clubConfidence != confidenceBefore};
}

bool operator==(const Crowned& a, const Crowned& b) {
    return a.leadingTitles == b.leadingTitles && a.furtherTitles == b.furtherTitles &&
           a.leadingHonours == b.leadingHonours && a.furtherHonours == b.furtherHonours && a.bonuses == b.bonuses;
}

void Rank(CCup& cup, CTeam* winner, bool takesPlace) {
    cup.ranking = {winner};
    cup.takesPlace = takesPlace ? 1 : 0;
}

TEST(ContinentTitles, TheLeadingCupAndTheFurtherCupsCrownTheirWinners) {
    CalendarWorld w({.continents = 1, .nations = 1, .clubs = 4, .playersPerPosition = 1});
    CContinent& continent = *w.world.continents[0];
    auto club = [&](int k) { return w.League(0, 0).clubs[k].get(); };
    for (int k = 0; k < 3; ++k)
        continent.clubCups.push_back(std::make_unique<CCup>(kCupContinental));
    Rank(*continent.clubCups[0], club(0), true);
    Rank(*continent.clubCups[1], club(1), true);
    Rank(*continent.clubCups[2], club(3), false);  // not played this season
    Rank(continent.clubCup, club(2), true);
    w.ManageClub(0, 1);
    const int confidence = club(0)->clubConfidence;

    continent.AwardTitles();

    EXPECT_EQ(CrownedOf(*club(0), confidence), (Crowned{1, 0, 1, 0, true}));
    EXPECT_EQ(CrownedOf(*club(1), confidence), (Crowned{0, 1, 0, 1, true}));
    EXPECT_EQ(CrownedOf(*club(2), confidence), (Crowned{0, 1, 0, 1, true}));
    EXPECT_EQ(CrownedOf(*club(3), confidence), (Crowned{0, 0, 0, 0, false}));
    EXPECT_EQ(g_manager.firstContinentalCupTitles, 0);
    EXPECT_EQ(g_manager.otherContinentalCupTitles, 1);
}

// Without a list the main club cup is a further cup too.
TEST(ContinentTitles, TheMainCupAloneLeadsNothing) {
    CalendarWorld w({.continents = 1, .nations = 1, .clubs = 2, .playersPerPosition = 1});
    CContinent& continent = *w.world.continents[0];
    CTeam& winner = *w.League(0, 0).clubs[0];
    Rank(continent.clubCup, &winner, true);
    w.ManageClub(0, 0);
    const int confidence = winner.clubConfidence;

    continent.AwardTitles();

    EXPECT_EQ(CrownedOf(winner, confidence), (Crowned{0, 1, 0, 1, true}));
    EXPECT_EQ(g_manager.otherContinentalCupTitles, 1);
}

}  // namespace
