#include "platform/TerminationSignals.h"

namespace {

void SetDefault(int signal, struct sigaction& previous) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, &previous);
}

}  // namespace

DefaultTerminationSignals::DefaultTerminationSignals() {
    SetDefault(SIGTERM, previousTerm_);
    SetDefault(SIGINT, previousInt_);
}

DefaultTerminationSignals::~DefaultTerminationSignals() {
    sigaction(SIGTERM, &previousTerm_, nullptr);
    sigaction(SIGINT, &previousInt_, nullptr);
}
