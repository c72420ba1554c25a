#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/GameOptions.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/ScriptedWindowSystem.h"
#include "platform/WindowModalRunner.h"
#include "screens/NewGameDlg.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Manager.h"
#include "world/World.h"

// The wizard on a sample world, run in the nested loop of a scripted
// screen: each step clicks where the wizard's last paint put its areas, or
// checks what it holds. The steps run out into an empty queue, which ends
// the loop. The option to choose the active nations is on.
class NewGameWizard : public ::testing::Test {
protected:
    void SetUp() override {
        previousSystem_ = SetWindowSystem(&screen);
        previousRunner_ = SetModalRunner(&runner);
        world = MakeSampleWorld();
        options = kOptChooseActiveNations;
        g_pOptions = &options;
    }
    void TearDown() override {
        SetModalRunner(previousRunner_);
        SetWindowSystem(previousSystem_);
        ResetOptions();
        ResetManager();
    }

    // Queues a click at the centre of what `where` names at the time the step runs.
    void Click(std::function<Rect()> where) {
        screen.AddStep([this, where] {
            const Point c = where().Center();
            const Rect w = dlg.WindowRect();
            screen.Queue(InputEvent::Down({w.left + c.x, w.top + c.y}));
            screen.Queue(InputEvent::Up({w.left + c.x, w.top + c.y}));
        });
    }
    void Area(int area) { Click([this, area] { return dlg.HitArea(area); }); }
    // Row `row` of a list of `rows` rows.
    static Rect RowRect(const Rect& list, int row, int rows) {
        return {list.left, list.top + row * list.Height() / rows, list.right,
                list.top + (row + 1) * list.Height() / rows};
    }
    void Row(int area, int row, int rows) {
        Click([this, area, row, rows] { return RowRect(dlg.HitArea(area), row, rows); });
    }
    void FirstRow(int area, int rows) { Row(area, 0, rows); }
    void Next() { Click([this] { return dlg.NextRect(); }); }
    void Back() { Click([this] { return dlg.BackRect(); }); }
    void Check(std::function<void()> check) { screen.AddStep(std::move(check)); }
    void Type(const std::string& text) {
        screen.AddStep([this, text] {
            for (char c : text)
                screen.Queue(InputEvent::Char(static_cast<unsigned char>(c)));
        });
    }

    ScriptedWindowSystem screen;
    HeadlessModalRunner windowless;
    WindowModalRunner runner{screen, windowless};
    std::unique_ptr<CWorld> world;
    uint32_t options = 0;
    CNewGameDlg dlg;

private:
    WindowSystem* previousSystem_ = nullptr;
    ModalRunner* previousRunner_ = nullptr;
};
