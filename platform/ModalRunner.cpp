#include "platform/ModalRunner.h"

#include "platform/HeadlessModalRunner.h"

namespace {

HeadlessModalRunner& HeadlessRunner() {
    static HeadlessModalRunner runner;
    return runner;
}

ModalRunner* g_modalRunner = nullptr;

}  // namespace

ModalRunner& CurrentModalRunner() { return g_modalRunner ? *g_modalRunner : HeadlessRunner(); }

ModalRunner* SetModalRunner(ModalRunner* runner) {
    ModalRunner* previous = &CurrentModalRunner();
    g_modalRunner = runner;
    return previous;
}
