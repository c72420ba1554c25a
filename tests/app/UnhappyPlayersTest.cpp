#include <gtest/gtest.h>

#include "app/UnhappyPlayers.h"
#include "tests/squad/SquadFixture.h"
#include "world/League.h"

namespace {

constexpr uint32_t kPaysEveryDemand = 50'000'000;

TEST(UnhappyPlayers, CountsTheUnderpaidAmongThoseWhoMayAsk) {
    CTeam club;
    CLeague league;
    AddPlayer(club, 3, 12);                               // paid nothing: unhappy
    AddPlayer(club, 4, 12).SetSalary(kPaysEveryDemand);  // happy
    AddPlayer(club, 1, 12).contractFlags |= CPlayer::kProfessional;
    AddPlayer(club, 2, 12).styleTraits |= CPlayer::kTransferMarked;
    AddPlayer(club, 5, 12).styleTraits |= CPlayer::kStrengthHidden;
    EXPECT_EQ(CountUnhappyPlayers(club, league, 0), 1);
    AddPlayer(club, 6, 12);
    EXPECT_EQ(CountUnhappyPlayers(club, league, 0), 2);
}

TEST(UnhappyPlayers, MessagesKeepTheGamesWording) {
    const char* where =
        "  The satisfaction of the players with the contracts is shown under ''planning the pool of players''.";
    const UnhappyPlayersMessage one = MakeUnhappyPlayersMessage(1, false);
    EXPECT_EQ(one.title, "unhappy player");
    EXPECT_EQ(one.text, std::string("One player is momentarily very dissatisfied with his contract. He thinks that "
                                    "his performance should gain him more. So he likes to leave the club at the "
                                    "end of the season if he doesn't get a better contract.") +
                            where);
    const UnhappyPlayersMessage woman = MakeUnhappyPlayersMessage(1, true);
    EXPECT_EQ(woman.title, "unhappy player");
    EXPECT_EQ(woman.text, std::string("One player is momentarily very dissatisfied with her contract. She thinks "
                                      "that her performance should gain him more. So she likes to leave the club "
                                      "at the end of the season if she doesn't get a better contract.") +
                              where);
    const std::string many = std::string("3 players are momentarily very dissatisfied with their contract. They "
                                         "think that their performance should gain them more. So they likes to "
                                         "leave the club at the end of the season if they don't get better "
                                         "contracts.") +
                             where;
    EXPECT_EQ(MakeUnhappyPlayersMessage(3, false).title, "unhappy player");
    EXPECT_EQ(MakeUnhappyPlayersMessage(3, false).text, many);
    EXPECT_EQ(MakeUnhappyPlayersMessage(3, true).title, "unhappy players");
    EXPECT_EQ(MakeUnhappyPlayersMessage(3, true).text, many);
}

}  // namespace
