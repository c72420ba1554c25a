#pragma once

#include <gtest/gtest.h>

#include "platform/GameOptions.h"
#include "platform/HeadlessModalRunner.h"

// Installs a fresh headless runner for each test and puts the options and
// the previous runner back afterwards.
class MessageBoxFixture : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetModalRunner(&runner); }
    void TearDown() override {
        SetModalRunner(previous_);
        g_optShowEvents = true;
    }

    HeadlessModalRunner runner;

private:
    ModalRunner* previous_ = nullptr;
};
