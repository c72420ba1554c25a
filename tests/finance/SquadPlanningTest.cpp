#include <gtest/gtest.h>

#include <memory>

#include "finance/ComputerClub.h"
#include "tests/finance/ComputerClubFixture.h"

using SquadPlanningTest = ComputerClubTest;

TEST_F(SquadPlanningTest, ShortSquadCounterMakesUpPlayers) {
    struct Case {
        uint8_t counter;
        int month;
        size_t squadAfter;
        uint8_t counterAfter;
    };
    // Both bits: players up to the match sheet; otherwise a short squad
    // counts one more week from July on, and before July the count starts
    // again.
    const Case cases[] = {
        {0x0C, 8, 12, 0x00},
        {0x04, 8, 8, 0x08},
        {0x00, 11, 8, 0x04},
        {0x0C, 3, 8, 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.counter} << " in month " << c.month);
        g_gameDate = Date(2004, c.month, 16);
        Club().squad.clear();
        for (int i = 0; i < 8; ++i)
            Sign(Club(), i % kPositionCount, 6);
        Club().flags = c.counter;
        PlanSquad(Context());
        EXPECT_EQ(Club().squad.size(), c.squadAfter);
        EXPECT_EQ(Club().flags & kTeamJobSafetyCounter, c.counterAfter);
    }
}

TEST_F(SquadPlanningTest, PromotesYouthOfAgeToAnEmptyPosition) {
    for (int p = 1; p < kPositionCount; ++p)
        for (int i = 0; i < 2; ++i)
            Sign(Club(), p, 6);
    Club().capital = 100000;
    for (int year : {1986, 1989}) {  // 18 and 15 years old
        auto keeper = MakePlayer(0, 4);
        keeper->birthday = static_cast<uint32_t>(year << 16 | 1 << 8 | 1);
        keeper->salaryHundreds = 0;
        Club().youth.push_back(std::move(keeper));
    }
    const CPlayer* promoted = Club().youth[0].get();
    PlanSquad(Context());
    ASSERT_EQ(Club().youth.size(), 1u);
    EXPECT_NE(Club().youth[0].get(), promoted);
    size_t index = 0;
    ASSERT_TRUE(Club().FindPlayer(promoted, index));
    EXPECT_EQ(promoted->contractYears, 2);
    EXPECT_GT(promoted->GetSalary(), 0u);
}

TEST_F(SquadPlanningTest, AmateurClubOfTheNationKeepsTwelve) {
    for (size_t amateurs : {14u, 13u, 12u}) {
        SCOPED_TRACE(amateurs);
        Club().squad.clear();
        for (int p = 0; p < 6; ++p)  // no line player
            for (int i = 0; i < 2; ++i)
                Sign(Club(), p, 6);
        Club().capital = 100000;
        Club().amateurTeamName = "Pros Amateurs";
        nation.extraTeams.clear();
        nation.extraTeams.push_back(std::make_unique<CTeam>());
        CTeam& amateurClub = *nation.extraTeams[0];
        amateurClub.name = "Pros Amateurs";
        for (size_t i = 0; i < amateurs; ++i)
            Sign(amateurClub, 6, 7);

        PlanSquad(Context());

        EXPECT_EQ(amateurClub.squad.size(), std::min<size_t>(amateurs, 12));
        EXPECT_EQ(Club().squad.size(), 12 + amateurs - amateurClub.squad.size());
    }
}
