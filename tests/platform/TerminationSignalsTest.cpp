#include <gtest/gtest.h>

#include <csignal>

#include "platform/TerminationSignals.h"

namespace {

void Ignore(int) {}

using Handler = void (*)(int);

Handler HandlerOf(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

}  // namespace

// A handler like the window backend's, which only queues a quit event, gives
// way to the default ending while a blocking box is up and comes back after.
TEST(TerminationSignals, EndTheProgramWhileABoxBlocksAndComeBackAfter) {
    Handler before[] = {std::signal(SIGTERM, Ignore), std::signal(SIGINT, Ignore)};
    {
        DefaultTerminationSignals endAtOnce;
        EXPECT_EQ(HandlerOf(SIGTERM), SIG_DFL);
        EXPECT_EQ(HandlerOf(SIGINT), SIG_DFL);
    }
    EXPECT_EQ(HandlerOf(SIGTERM), &Ignore);
    EXPECT_EQ(HandlerOf(SIGINT), &Ignore);
    std::signal(SIGTERM, before[0]);
    std::signal(SIGINT, before[1]);
}
