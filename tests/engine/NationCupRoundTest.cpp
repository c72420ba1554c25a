#include <gtest/gtest.h>

#include "world/Cup.h"
#include "world/Nation.h"
#include "world/Team.h"

// The national cup's line for a club: its name and how far the club came.
TEST(NationCupRound, TheNationalCupsNameAndTheClubsStatusInIt) {
    CNation nation;
    CTeam entered, other;
    CCup& cup = *nation.cups[CNation::kNationalCup];
    cup.name = "Fjordland Cup";
    cup.participants = {&entered};
    nation.cups[CNation::kNationalCup + 1]->participants = {&other};

    EXPECT_EQ(nation.FormatNationalCupRound(&entered), "Fjordland Cup - nominated");
    // The super cup does not count.
    EXPECT_EQ(nation.FormatNationalCupRound(&other), "Fjordland Cup - not participating");

    nation.cups.clear();
    EXPECT_EQ(nation.FormatNationalCupRound(&entered), "");
}
