// Every test starts from the game's globals as the program has them at
// start, whatever the tests before it left behind: the suite passes in any
// order in one process.
#include <gtest/gtest.h>

#include "app/DayCalendar.h"
#include "app/EffectSounds.h"
#include "app/MainWindowState.h"
#include "app/MatchDayClock.h"
#include "engine/MatchContext.h"
#include "engine/MatchOptions.h"
#include "engine/MatchReport.h"
#include "engine/SeasonCalendar.h"
#include "finance/InterestRates.h"
#include "platform/Date.h"
#include "platform/GameOptions.h"
#include "platform/ModalRunner.h"
#include "platform/Path.h"
#include "platform/Random.h"
#include "platform/WindowSystem.h"
#include "screens/ScreenState.h"
#include "screens/StatisticsSelection.h"
#include "squad/LineupSlots.h"
#include "squad/Training.h"
#include "squad/WeekPlanNames.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/HighscoreList.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"

namespace {

class GameGlobalsListener : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { PutBack(); }
    void OnTestEnd(const ::testing::TestInfo&) override { PutBack(); }

private:
    static void PutBack() {
        ResetRandom();
        ResetProgramFolder();
        Clock::SetForTests(nullptr);
        SetWindowSystem(nullptr);
        SetModalRunner(nullptr);

        ResetGameDate();
        ResetNoClubTeam();
        ResetNationRankOrder();
        ResetStandingsOrder();

        ResetDayCodes();
        ResetMatchContext();
        ClearMatchReport();
        ResetMatchOptions();

        ResetMatchSheet();
        ResetTrainingWeek();
        ResetFreeWeekPlans();
        ResetWeekPlanNames();
        ResetManager();
        ResetInterestRates();

        ResetOptions();
        ResetMainWindowState();
        ResetDayCalendar();
        ResetScreenState();
        ResetStatisticsSelections();
        ResetMatchDayGlobals();
        ResetHighscores();
        ResetEffectSounds();

        ResetPaintSettings();
        ResetSkinBitmaps();
    }
};

// Registered before the tests run, beside the default printer.
const bool g_registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new GameGlobalsListener);
    return true;
}();

}  // namespace
