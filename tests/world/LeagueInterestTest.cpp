#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "platform/Random.h"
#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// A squad player of a club; listed: on his club's transfer list.
struct SquadPlayer {
    int position;
    int strength;
    bool listed = false;
};

std::unique_ptr<CPlayer> MakePlayer(int position, int strength) {
    auto p = std::make_unique<CPlayer>();
    p->positions = static_cast<uint8_t>(position);
    p->strengthTalent = static_cast<uint8_t>(strength << 4 | 1);
    return p;
}

void FillLeague(CLeague& league, const std::vector<std::vector<SquadPlayer>>& squads) {
    for (const auto& squad : squads) {
        auto club = std::make_unique<CTeam>();
        for (const SquadPlayer& s : squad) {
            auto p = MakePlayer(s.position, s.strength);
            if (s.listed)
                p->styleTraits |= CPlayer::kOnTransferList;
            club->squad.push_back(std::move(p));
        }
        league.clubs.push_back(std::move(club));
    }
}

// Whether one club of the squads could use a centre back of strength 5.
struct FitCase {
    const char* name;
    std::vector<SquadPlayer> squad;
    bool fits;
};

const FitCase kFitCases[] = {
    {"nobody on his position", {{kLeftWing, 9}, {kGoalkeeper, 9}}, true},
    {"two weaker ones", {{kCentreBack, 4}, {kCentreBack, 6}}, true},
    {"the best there two classes above him", {{kCentreBack, 7}}, true},
    {"the best there three classes above him", {{kCentreBack, 8}}, false},
    {"three there already", {{kCentreBack, 1}, {kCentreBack, 2}, {kCentreBack, 3}}, false},
    {"a listed one counts for nothing", {{kCentreBack, 1}, {kCentreBack, 2}, {kCentreBack, 9, true}}, true},
};

constexpr int kTries = 200;

}  // namespace

TEST(LeagueInterest, AClubFitsWhenItIsShortOfPlayersAsGoodAsHim) {
    const auto player = MakePlayer(kCentreBack, 5);
    for (const FitCase& c : kFitCases) {
        SCOPED_TRACE(c.name);
        CLeague league;
        FillLeague(league, {c.squad});
        SeedRandom(3);
        const InterestedClubs found = league.FindTeamsInterestedInPlayer(*player, nullptr, nullptr);
        EXPECT_EQ(found.first, c.fits ? league.clubs[0].get() : nullptr);
        EXPECT_EQ(found.second, nullptr);
    }
}

// Clubs 0 and 2 are excluded, club 1 has enough centre backs: the first
// fitting club is 3, and half the time club 4 is interested too.
TEST(LeagueInterest, TheFirstFittingClubAndHalfTheTimeTheNext) {
    CLeague league;
    FillLeague(league, {{}, {{kCentreBack, 9}}, {}, {}, {}, {}});
    const auto player = MakePlayer(kCentreBack, 5);
    const CTeam* excluded1 = league.clubs[0].get();
    const CTeam* excluded2 = league.clubs[2].get();
    int withSecond = 0;
    SeedRandom(11);
    for (int i = 0; i < kTries; ++i) {
        const InterestedClubs found = league.FindTeamsInterestedInPlayer(*player, excluded1, excluded2);
        ASSERT_EQ(found.first, league.clubs[3].get());
        if (found.second) {
            ASSERT_EQ(found.second, league.clubs[4].get());
            ++withSecond;
        }
    }
    EXPECT_GT(withSecond, kTries / 4);
    EXPECT_LT(withSecond, kTries * 3 / 4);
}

TEST(LeagueInterest, NoFittingClubLeavesBothEmpty) {
    CLeague league;
    FillLeague(league, {{{kGoalkeeper, 12}}, {{kGoalkeeper, 10}}});
    const auto keeper = MakePlayer(kGoalkeeper, 5);
    const CTeam* excluded = league.clubs[1].get();
    for (const CTeam* other : {static_cast<const CTeam*>(nullptr), excluded}) {
        const InterestedClubs found = league.FindTeamsInterestedInPlayer(*keeper, other, nullptr);
        EXPECT_EQ(found.first, nullptr);
        EXPECT_EQ(found.second, nullptr);
    }
}
