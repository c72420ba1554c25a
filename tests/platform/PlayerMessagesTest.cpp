#include <gtest/gtest.h>

#include "platform/HeadlessModalRunner.h"
#include "platform/PlayerMessages.h"

namespace {

// Without a painted box the question goes to the dialog runner, whose
// answer fills the entry only when it ends with OK.
TEST(PlayerMessages, AskingWithoutAWindowTakesTheRunnersEntry) {
    HeadlessModalRunner runner;
    SetModalRunner(&runner);
    runner.Script(ModalAnswer::Input("Blue week"));
    runner.Script({false, {}, std::string("ignored")});
    std::string entry = "free 1";
    const PlayerMessage question{"change name", "which name?", 0xE1, 4};

    EXPECT_TRUE(AskPlayer(question, entry));
    EXPECT_EQ(entry, "Blue week");
    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_EQ(runner.Records()[0].inputText, "free 1");
    EXPECT_EQ(runner.Records()[0].flags, 0xE1u | MSG_INPUT);
    EXPECT_EQ(runner.Records()[0].extra, 4);

    EXPECT_FALSE(AskPlayer(question, entry));
    EXPECT_EQ(entry, "Blue week");
    SetModalRunner(nullptr);
}

}  // namespace
