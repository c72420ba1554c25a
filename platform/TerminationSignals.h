#pragma once

#include <csignal>

// While it lives, a termination signal (SIGTERM, SIGINT) ends the program at
// once. The window backend turns these signals into a quit event that its
// loop reads; a blocking system box stops that loop, so without this the
// signal would wait unseen until the box is closed.
class DefaultTerminationSignals {
public:
    DefaultTerminationSignals();
    ~DefaultTerminationSignals();
    DefaultTerminationSignals(const DefaultTerminationSignals&) = delete;
    DefaultTerminationSignals& operator=(const DefaultTerminationSignals&) = delete;

private:
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
};
