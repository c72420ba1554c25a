#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <string>

#include "app/StartupProbe.h"
#include "platform/HeadlessWindowSystem.h"

namespace {

// The fields of a stat line after the command's name up to the start time
// (the 22nd field), which is 4242 here.
constexpr const char* kStatTail = " S 1 1 1 0 -1 4194560 100 0 0 0 5 2 0 0 20 0 1 0 4242 12345678 900";

struct StatCase {
    const char* name;
    std::string stat;
    std::optional<uint64_t> start;
};

class ProcessStart : public ::testing::TestWithParam<StatCase> {};

TEST_P(ProcessStart, IsReadFromTheFieldAfterTheCommandsName) {
    EXPECT_EQ(ProcessStartTicks(GetParam().stat), GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(
    StatLines, ProcessStart,
    ::testing::Values(StatCase{"Plain", std::string("77 (corvanta)") + kStatTail + "\n", 4242},
                      StatCase{"NameWithSpacesAndParentheses", std::string("77 (a) b (c d)") + kStatTail, 4242},
                      StatCase{"CutBeforeTheStart", "77 (corvanta) S 1 1 1 0", std::nullopt},
                      StatCase{"StartNotANumber", "77 (x) S 1 1 1 0 -1 1 1 0 0 0 5 2 0 0 20 0 1 0 4x2 1", std::nullopt},
                      StatCase{"NoName", "77 corvanta S 1", std::nullopt},
                      StatCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PeakResident, IsTheVmHwmLineInKib) {
    EXPECT_EQ(PeakResidentKib("Name:\tcorvanta\nVmPeak:\t  999999 kB\nVmHWM:\t  186600 kB\nVmRSS:\t 1 kB\n"), 186600u);
    EXPECT_EQ(PeakResidentKib("VmHWM:\t12 kB"), 12u);
    EXPECT_EQ(PeakResidentKib("Name:\tcorvanta\nVmRSS:\t 1 kB\n"), std::nullopt);
    EXPECT_EQ(PeakResidentKib("VmHWM:\t lots kB\n"), std::nullopt);
    EXPECT_EQ(PeakResidentKib(""), std::nullopt);
}

// A headless screen with a main window, for the probe to wait for.
class StartupProbeRun : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetWindowSystem(&system);
        system.ShowMainWindow(main);
    }
    void TearDown() override { SetWindowSystem(previous_); }

    HeadlessWindowSystem system;
    Window main;

private:
    WindowSystem* previous_ = nullptr;
};

TEST_F(StartupProbeRun, PrintsItsFiguresOnceThePictureIsShownAndQuitsWhenAsked) {
    for (StartupProbe::After after : {StartupProbe::After::GoOn, StartupProbe::After::Quit}) {
        StartupProbe probe(after);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(system.Run(), 0);
        EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                    ::testing::MatchesRegex(
                        "corvanta: startup probe: first frame [0-9]+ ms after process start, peak RSS [0-9]+ MiB\n"));
        EXPECT_GE(system.PresentCount(), 1);
        EXPECT_EQ(system.QuitRequested(), after == StartupProbe::After::Quit);
    }
}

}  // namespace
