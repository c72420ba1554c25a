#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// A squad player as the all-star team sees him.
struct Candidate {
    int club;
    int position;
    int talent;
    int strength;
    float grade;  // 0: not played
    float form;
};

std::unique_ptr<CPlayer> MakeCandidate(const Candidate& c) {
    auto p = std::make_unique<CPlayer>();
    p->positions = static_cast<uint8_t>(c.position);
    p->strengthTalent = static_cast<uint8_t>(c.strength << 4 | c.talent);
    p->averageGrade = c.grade;
    p->averageForm = c.form;
    return p;
}

struct AllStarCase {
    const char* name;
    std::vector<Candidate> players;
    // Per position the index into players of the pick, -1 for nobody.
    std::vector<int> picks;
};

const AllStarCase kAllStarCases[] = {
    {"nobody in the league", {}, {-1, -1, -1, -1, -1, -1, -1}},
    {"the better grade wins its position",
     {{0, kCentreBack, 2, 6, 3.0f, 10}, {1, kCentreBack, 2, 6, 2.0f, 10}},
     {-1, -1, -1, 1, -1, -1, -1}},
    {"talent, strength and form weigh in",
     {{0, kGoalkeeper, 1, 8, 2.0f, 10}, {0, kGoalkeeper, 2, 5, 2.0f, 10}, {1, kLinePlayer, 2, 6, 2.0f, 8},
      {1, kLinePlayer, 2, 6, 2.0f, 9}},
     {1, -1, -1, -1, -1, -1, 3}},
    {"an equal score keeps the first found, clubs then squads",
     {{0, kRightWing, 2, 6, 2.0f, 10}, {1, kRightWing, 2, 6, 2.0f, 10}}, {-1, 0, -1, -1, -1, -1, -1}},
    {"a player without a grade has not played",
     {{0, kLeftWing, 3, 9, 0.0f, 12}, {1, kLeftWing, 1, 2, 5.0f, 8}}, {-1, -1, -1, -1, -1, 1, -1}},
    {"a grade worse than six is not scored as the best",
     {{0, kLeftBack, 3, 9, 6.3f, 12}, {1, kLeftBack, 1, 2, 5.5f, 8}}, {-1, -1, -1, -1, 1, -1, -1}},
    {"a score of nothing takes no place",
     {{0, kRightBack, 0, 7, 2.0f, 10}, {0, kCentreBack, 2, 6, 6.0f, 10}}, {-1, -1, -1, -1, -1, -1, -1}},
};

}  // namespace

TEST(LeagueBestPlayers, AllStarTeamTakesTheBestScoredPlayerOfEachPosition) {
    for (const AllStarCase& c : kAllStarCases) {
        SCOPED_TRACE(c.name);
        CLeague league;
        for (int i = 0; i < 2; ++i)
            league.clubs.push_back(std::make_unique<CTeam>());
        std::vector<const CPlayer*> made;
        for (const Candidate& candidate : c.players) {
            auto player = MakeCandidate(candidate);
            made.push_back(player.get());
            league.clubs[static_cast<size_t>(candidate.club)]->squad.push_back(std::move(player));
        }

        const AllStarTeam team = league.PickAllStarTeam();

        for (int position = 0; position < kPositionCount; ++position) {
            const int pick = c.picks[static_cast<size_t>(position)];
            EXPECT_EQ(team[position], pick < 0 ? nullptr : made[static_cast<size_t>(pick)]) << "position " << position;
        }
    }
}
