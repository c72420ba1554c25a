#pragma once

#include "platform/HeadlessModalRunner.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Path.h"
#include "tests/TempFolder.h"
#include "world/GameDate.h"

// What the main window's tests stand on: a headless screen whose clock the
// test moves, a dialog runner that records every box and answers from the
// test's script, and a program folder of the test's own. All of it is put
// back when the test ends, the game date included.
class HeadlessGame {
protected:
    HeadlessGame() : previousSystem_(SetWindowSystem(&system)), previousRunner_(SetModalRunner(&runner)) {
        SetProgramFolder(folder.Path());
    }
    ~HeadlessGame() {
        SetProgramFolder(GetModulePath().parent_path());
        SetModalRunner(previousRunner_);
        SetWindowSystem(previousSystem_);
        g_gameDate = savedDate_;
    }
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    TempFolder folder;
    HeadlessWindowSystem system;
    HeadlessModalRunner runner;

private:
    WindowSystem* previousSystem_;
    ModalRunner* previousRunner_;
    Date savedDate_ = g_gameDate;
};
