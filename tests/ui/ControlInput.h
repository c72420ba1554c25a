#pragma once

#include <gtest/gtest.h>

#include "platform/HeadlessWindowSystem.h"
#include "ui/ControlSet.h"

// A headless window system of its own for each test, so the clipboard
// starts empty and nothing of it outlives the test.
class ControlTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetWindowSystem(&system); }
    void TearDown() override { SetWindowSystem(previous_); }

    HeadlessWindowSystem system;

private:
    WindowSystem* previous_ = nullptr;
};

// A press and release at one point, as the mouse gives them; the release's answer.
inline ControlEvent Click(ControlSet& set, Point p, unsigned flags = 0) {
    set.OnLButtonDown(flags, p);
    return set.OnLButtonUp(flags, p);
}
